// Grouping of a grid: a flat proxy that puts a header row before each group
// of equal values in the group column and, when asked, a footer row with the
// group's summaries after it. Collapsed groups show header and footer only.
// Without a group column it passes rows through one to one.
#pragma once

#include "izgaraozet.h"

#include <QAbstractProxyModel>
#include <QPersistentModelIndex>
#include <QVector>

namespace kt {

class IzgaraGrupModeli : public QAbstractProxyModel {
    Q_OBJECT
public:
    explicit IzgaraGrupModeli(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *kaynak) override;

    // The source must already be ordered by `kolon` (IzgaraFiltreModeli).
    void grupKolonuAyarla(int kolon);
    int grupKolonu() const { return grupKolonu_; }
    void grupAltlariAyarla(bool goster);
    void ozetleriAyarla(const QVector<OzetTuru> &turler, const QStringList &bicimler);

    int grupSayisi() const { return int(gruplar_.size()); }

    // Between these, row changes of the source are not followed one by one;
    // the end rebuilds everything in one reset. For filter changes, which
    // the source reports as thousands of small removals and insertions.
    void topluBasla();
    void topluBitir();
    bool grupAcik(int satir) const;
    void grupAcKapat(int satir);       // `satir`: any row of the group
    void tumGruplar(bool acik);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex &proxy) const override;
    QModelIndex mapFromSource(const QModelIndex &kaynak) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Grup {
        QString anahtar;
        int ilk = 0;      // first source row
        int adet = 0;
        bool acik = true;
        QStringList ozet; // footer texts, computed on first use
        int basSatir = 0; // the header's row in this model
    };
    struct Satir {
        int tur;          // SatirTuru
        int grup;
        int kaynak;       // source row of a data row
    };

    void kur();
    void yenidenKur();   // rebuild inside a reset
    void ozetHesapla(Grup &g) const;
    int grupBul(const QString &anahtar) const;
    void duzenOncesi();
    void duzenSonrasi();

    int grupKolonu_ = -1;
    bool grupAltlari_ = true;
    bool toplu_ = false;
    QVector<OzetTuru> ozetTurleri_;
    QStringList ozetBicimleri_;
    mutable QVector<Grup> gruplar_;
    QVector<Satir> satirlar_;
    QVector<int> kaynaktan_;   // source row → row here, -1 when collapsed
    QVector<QString> kapaliGruplar_;

    // Persistent indexes across a layout change of the source.
    struct Kalici {
        QPersistentModelIndex kaynak;
        QString grup;
        int tur = 0;
        int kolon = 0;
    };
    QModelIndexList eskiKalicilar_;
    QVector<Kalici> kalicilar_;
    QVector<QMetaObject::Connection> baglar_;
};

}  // namespace kt
