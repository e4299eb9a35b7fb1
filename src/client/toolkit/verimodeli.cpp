// Table model over a dataset; see verimodeli.h.
#include "verimodeli.h"

#include "veriseti.h"

namespace kt {

VeriModeli::VeriModeli(QObject *parent) : QAbstractTableModel(parent) {}

void VeriModeli::kolonlariAyarla(const QStringList &alanlar, const QStringList &basliklar)
{
    beginResetModel();
    alanlar_ = alanlar;
    basliklar_ = basliklar;
    alanlariCoz();
    endResetModel();
}

void VeriModeli::alanlariCoz()
{
    alanNo_.clear();
    if (alanlar_.isEmpty()) {
        if (ds_)
            for (int i = 0; i < ds_->FieldCount(); ++i)
                alanNo_.push_back(i);
        return;
    }
    for (const QString &a : alanlar_)
        alanNo_.push_back(ds_ && !a.isEmpty() ? ds_->alanNo(a) : -1);
}

void VeriModeli::bagla(VeriSeti *ds)
{
    if (ds_ == ds)
        return;
    beginResetModel();
    for (const auto &b : baglar_)
        disconnect(b);
    baglar_.clear();
    ds_ = ds;
    if (ds_) {
        auto yeniden = [this]() {
            beginResetModel();
            alanlariCoz();
            endResetModel();
        };
        baglar_ << connect(ds_, &VeriSeti::yapiDegisti, this, yeniden);
        baglar_ << connect(ds_, &VeriSeti::satirDegisti, this, [this](int s) {
            emit dataChanged(index(s, 0), index(s, columnCount() - 1));
        });
        // The dataset has already changed when it tells; the proxies above
        // only map positions during these calls, they do not read the rows.
        baglar_ << connect(ds_, &VeriSeti::satirEklendi, this, [this](int s) {
            beginInsertRows({}, s, s);
            endInsertRows();
        });
        baglar_ << connect(ds_, &VeriSeti::satirSilindi, this, [this](int s) {
            beginRemoveRows({}, s, s);
            endRemoveRows();
        });
        baglar_ << connect(ds_, &VeriSeti::bicimDegisti, this, [this]() {
            if (rowCount() > 0)
                emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        });
        baglar_ << connect(ds_, &VeriSeti::imlecDegisti, this, &VeriModeli::imlecSatiri);
        baglar_ << connect(ds_, &QObject::destroyed, this, [this]() { ayir(); });
    }
    alanlariCoz();
    endResetModel();
}

void VeriModeli::ayir() { bagla(nullptr); }

int VeriModeli::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !ds_)
        return 0;
    return ds_->satirSayisi();
}

int VeriModeli::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return alanlar_.isEmpty() ? int(alanNo_.size()) : int(alanlar_.size());
}

QVariant VeriModeli::data(const QModelIndex &index, int role) const
{
    if (!ds_ || !index.isValid())
        return {};
    const int alan = alanNo(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return alan < 0 ? QVariant() : QVariant(ds_->gosterim(index.row(), alan));
    case Qt::EditRole:
    case HamDegerRolu:
        return alan < 0 ? QVariant() : ds_->deger(index.row(), alan);
    case VeriSatiriRolu:
        return index.row();
    case SatirTuruRolu:
        return int(VeriSatiri);
    default:
        return {};
    }
}

QVariant VeriModeli::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, o, role);
    const int alan = alanNo(section);
    switch (role) {
    case Qt::DisplayRole: {
        const QString b = section < basliklar_.size() ? basliklar_[section] : QString();
        if (!b.isEmpty())
            return b;
        if (section < alanlar_.size())
            return alanlar_[section];
        return ds_ && alan >= 0 ? ds_->Fields(alan).FieldName() : QString();
    }
    case BicimRolu:
        return ds_ && alan >= 0 ? ds_->Fields(alan).DisplayFormat() : QString();
    case AlanNoRolu:
        return alan;
    default:
        return {};
    }
}

Qt::ItemFlags VeriModeli::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace kt
