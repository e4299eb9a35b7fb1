// Filtering and ordering of a grid's rows: the header filter buttons (one
// exact value per column), the user's sort column and the grouping column,
// which always orders first so that groups are contiguous.
#pragma once

#include <QCollator>
#include <QMap>
#include <QSortFilterProxyModel>

namespace kt {

class IzgaraFiltreModeli : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit IzgaraFiltreModeli(QObject *parent = nullptr);

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
    // With neither, rows keep the dataset's order.
    void siralamaAyarla(int grupKolonu, int siraKolonu, Qt::SortOrder yon);
    int grupKolonu() const { return grupKolonu_; }
    int siraKolonu() const { return siraKolonu_; }
    Qt::SortOrder siraYonu() const { return yon_; }

    // Orders two raw cell values: nulls first, numbers and dates by value,
    // texts by the locale's collation.
    int karsilastir(const QVariant &a, const QVariant &b) const;

protected:
    bool filterAcceptsRow(int kaynakSatir, const QModelIndex &kaynakUst) const override;
    bool lessThan(const QModelIndex &sol, const QModelIndex &sag) const override;

private:
    bool filtredenGecer(int kaynakSatir, int haric) const;
    QMap<int, QString> filtreler_;
    int grupKolonu_ = -1;
    int siraKolonu_ = -1;
    Qt::SortOrder yon_ = Qt::AscendingOrder;
    QCollator harmanlayici_;
};

}  // namespace kt
