// A read-only Qt table model over a VeriSeti: one model column per grid
// column (a field, or none for owner-drawn columns). Display texts use the
// field's display format; the raw value and the dataset row are user roles.
//
// Detaching (Ayir) empties the model and cuts every link to the dataset, so
// a worker thread may refill the dataset meanwhile; Bagla shows it again.
#pragma once

#include "veriseti.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QVector>

namespace kt {

class VeriSeti;

enum IzgaraRolu {
    HamDegerRolu = Qt::UserRole + 1,   // the cell's value as stored (QVariant, invalid = null)
    VeriSatiriRolu,                    // the dataset row behind a view row (-1: group row)
    SatirTuruRolu,                     // 0 data row, 1 group header, 2 group footer
    GrupAcikRolu,                      // group header: is the group expanded
    BicimRolu,                         // header data: the field's display format
    AlanNoRolu,                        // header data: the field's index in the dataset (-1: none)
};

enum SatirTuru { VeriSatiri = 0, GrupBasligi = 1, GrupAltligi = 2 };

class VeriModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit VeriModeli(QObject *parent = nullptr);

    // Column i shows field alanlar[i] under basliklar[i]; an empty name is a
    // column without a field. With no columns set, every field is shown
    // under its own name.
    void kolonlariAyarla(const QStringList &alanlar, const QStringList &basliklar);

    void bagla(VeriSeti *ds);
    void ayir();
    VeriSeti *veriSeti() const { return ds_; }
    int alanNo(int kolon) const { return kolon >= 0 && kolon < alanNo_.size() ? alanNo_[kolon] : -1; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void imlecSatiri(int satir);   // the dataset's cursor moved to this row

private:
    void alanlariCoz();
    QStringList alanlar_;
    QStringList basliklar_;
    QVector<int> alanNo_;
    QPointer<VeriSeti> ds_;
    QVector<QMetaObject::Connection> baglar_;
};

}  // namespace kt
