// Filtering and ordering of a grid's rows: the header filter buttons (one
// exact value per column), the user's sort column and the grouping column,
// which always orders first so that groups are contiguous.
#pragma once

#include <QCollator>
#include <QHash>
#include <QMap>
#include <QSortFilterProxyModel>
#include <memory>

namespace kt {

class IzgaraFiltreModeli : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit IzgaraFiltreModeli(QObject *parent = nullptr);
    ~IzgaraFiltreModeli() override;
    void setSourceModel(QAbstractItemModel *kaynak) override;

    // Keeps only rows whose display text in `kolon` equals `metin`.
    void filtreKoy(int kolon, const QString &metin);
    void filtreKaldir(int kolon);
    void filtreleriTemizle();
    bool filtreVar(int kolon) const { return filtreler_.contains(kolon); }
    QString filtre(int kolon) const { return filtreler_.value(kolon); }
    const QMap<int, QString> &filtreler() const { return filtreler_; }

    // Distinct display texts of `kolon` among the rows that the other
    // columns' filters let through, in the locale's order.
    QStringList farkliDegerler(int kolon) const;

    // Group column first (ascending), then the sort column; -1 for none.
    // With neither, rows keep the dataset's order. Nulls come first, numbers
    // and dates order by value, texts by the locale's collation.
    void siralamaAyarla(int grupKolonu, int siraKolonu, Qt::SortOrder yon);
    int grupKolonu() const { return grupKolonu_; }
    int siraKolonu() const { return siraKolonu_; }
    Qt::SortOrder siraYonu() const { return yon_; }


protected:
    bool filterAcceptsRow(int kaynakSatir, const QModelIndex &kaynakUst) const override;
    bool lessThan(const QModelIndex &sol, const QModelIndex &sag) const override;

private:
    // Sort keys per column, one per source row, made once per sort instead
    // of once per comparison; dropped whenever the source changes.
    struct Anahtarlar {
        bool metin = false;
        QVector<char> bos;
        QVector<double> sayi;
        QVector<QCollatorSortKey> harman;
    };
    const Anahtarlar &anahtarlar(int kolon) const;
    int anahtarKarsilastir(const Anahtarlar &a, int r1, int r2) const;
    mutable QHash<int, std::shared_ptr<Anahtarlar>> anahtarlar_;
    QVector<QMetaObject::Connection> baglar_;

    bool filtredenGecer(int kaynakSatir, int haric) const;
    QMap<int, QString> filtreler_;
    int grupKolonu_ = -1;
    int siraKolonu_ = -1;
    Qt::SortOrder yon_ = Qt::AscendingOrder;
    QCollator harmanlayici_;
};

}  // namespace kt
