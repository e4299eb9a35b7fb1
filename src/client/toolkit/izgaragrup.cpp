// Group rows proxy; see izgaragrup.h.
#include "izgaragrup.h"

#include "verimodeli.h"

namespace kt {

IzgaraGrupModeli::IzgaraGrupModeli(QObject *parent) : QAbstractProxyModel(parent) {}

void IzgaraGrupModeli::setSourceModel(QAbstractItemModel *kaynak)
{
    beginResetModel();
    for (const auto &b : baglar_)
        disconnect(b);
    baglar_.clear();
    QAbstractProxyModel::setSourceModel(kaynak);
    if (kaynak) {
        using M = QAbstractItemModel;
        baglar_ << connect(kaynak, &M::modelAboutToBeReset, this, [this]() {
            if (!toplu_)
                beginResetModel();
        });
        baglar_ << connect(kaynak, &M::modelReset, this, [this]() {
            if (toplu_)
                return;
            kur();
            endResetModel();
        });
        baglar_ << connect(kaynak, &M::layoutAboutToBeChanged, this, [this]() {
            if (!toplu_)
                duzenOncesi();
        });
        baglar_ << connect(kaynak, &M::layoutChanged, this, [this]() {
            if (!toplu_)
                duzenSonrasi();
        });
        baglar_ << connect(kaynak, &M::rowsAboutToBeInserted, this, [this](const QModelIndex &, int a, int b) {
            if (toplu_)
                return;
            if (grupKolonu_ < 0)
                beginInsertRows({}, a, b);
            else
                beginResetModel();
        });
        baglar_ << connect(kaynak, &M::rowsInserted, this, [this]() {
            if (toplu_)
                return;
            if (grupKolonu_ < 0) {
                endInsertRows();
            } else {
                kur();
                endResetModel();
            }
        });
        baglar_ << connect(kaynak, &M::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int a, int b) {
            if (toplu_)
                return;
            if (grupKolonu_ < 0)
                beginRemoveRows({}, a, b);
            else
                beginResetModel();
        });
        baglar_ << connect(kaynak, &M::rowsRemoved, this, [this]() {
            if (toplu_)
                return;
            if (grupKolonu_ < 0) {
                endRemoveRows();
            } else {
                kur();
                endResetModel();
            }
        });
        baglar_ << connect(kaynak, &M::columnsAboutToBeInserted, this, [this]() { beginResetModel(); });
        baglar_ << connect(kaynak, &M::columnsInserted, this, [this]() { kur(); endResetModel(); });
        baglar_ << connect(kaynak, &M::columnsAboutToBeRemoved, this, [this]() { beginResetModel(); });
        baglar_ << connect(kaynak, &M::columnsRemoved, this, [this]() { kur(); endResetModel(); });
        baglar_ << connect(kaynak, &M::dataChanged, this,
                           [this](const QModelIndex &a, const QModelIndex &b, const QList<int> &roller) {
            if (toplu_)
                return;
            if (grupKolonu_ < 0) {
                emit dataChanged(index(a.row(), a.column()), index(b.row(), b.column()), roller);
                return;
            }
            // Sums and headers of any group may change; the data rows keep
            // their places (a move arrives as a layout change).
            for (Grup &g : gruplar_)
                g.ozet.clear();
            if (rowCount() > 0)
                emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), roller);
        });
        baglar_ << connect(kaynak, &M::headerDataChanged, this, &IzgaraGrupModeli::headerDataChanged);
    }
    kur();
    endResetModel();
}

void IzgaraGrupModeli::topluBasla()
{
    if (toplu_)
        return;
    beginResetModel();
    toplu_ = true;
}

void IzgaraGrupModeli::topluBitir()
{
    if (!toplu_)
        return;
    toplu_ = false;
    kur();
    endResetModel();
}

void IzgaraGrupModeli::grupKolonuAyarla(int kolon)
{
    if (kolon == grupKolonu_)
        return;
    if (toplu_) {
        grupKolonu_ = kolon;
        kapaliGruplar_.clear();
        return;
    }
    beginResetModel();
    grupKolonu_ = kolon;
    kapaliGruplar_.clear();
    kur();
    endResetModel();
}

void IzgaraGrupModeli::grupAltlariAyarla(bool goster)
{
    if (goster == grupAltlari_)
        return;
    beginResetModel();
    grupAltlari_ = goster;
    kur();
    endResetModel();
}

void IzgaraGrupModeli::ozetleriAyarla(const QVector<OzetTuru> &turler, const QStringList &bicimler)
{
    ozetTurleri_ = turler;
    ozetBicimleri_ = bicimler;
    for (Grup &g : gruplar_)
        g.ozet.clear();
    if (grupKolonu_ >= 0 && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void IzgaraGrupModeli::kur()
{
    gruplar_.clear();
    satirlar_.clear();
    kaynaktan_.clear();
    const QAbstractItemModel *m = sourceModel();
    if (!m || grupKolonu_ < 0 || grupKolonu_ >= m->columnCount())
        return;
    const int n = m->rowCount();
    for (int r = 0; r < n; ++r) {
        const QString anahtar = m->index(r, grupKolonu_).data(Qt::DisplayRole).toString();
        if (gruplar_.isEmpty() || gruplar_.last().anahtar != anahtar) {
            Grup g;
            g.anahtar = anahtar;
            g.ilk = r;
            g.acik = !kapaliGruplar_.contains(anahtar);
            gruplar_.push_back(g);
        }
        ++gruplar_.last().adet;
    }
    kaynaktan_.fill(-1, n);
    satirlar_.reserve(n + 2 * gruplar_.size());
    for (int gi = 0; gi < gruplar_.size(); ++gi) {
        Grup &g = gruplar_[gi];
        g.basSatir = int(satirlar_.size());
        satirlar_.push_back({GrupBasligi, gi, -1});
        if (g.acik)
            for (int r = g.ilk; r < g.ilk + g.adet; ++r) {
                kaynaktan_[r] = int(satirlar_.size());
                satirlar_.push_back({VeriSatiri, gi, r});
            }
        if (grupAltlari_)
            satirlar_.push_back({GrupAltligi, gi, -1});
    }
}

int IzgaraGrupModeli::grupBul(const QString &anahtar) const
{
    for (int i = 0; i < gruplar_.size(); ++i)
        if (gruplar_[i].anahtar == anahtar)
            return i;
    return -1;
}

void IzgaraGrupModeli::duzenOncesi()
{
    emit layoutAboutToBeChanged();
    eskiKalicilar_ = persistentIndexList();
    kalicilar_.clear();
    kalicilar_.reserve(eskiKalicilar_.size());
    for (const QModelIndex &i : eskiKalicilar_) {
        Kalici k;
        k.kolon = i.column();
        if (grupKolonu_ < 0 || satirlar_.value(i.row()).tur == VeriSatiri) {
            k.kaynak = QPersistentModelIndex(mapToSource(i));
        } else {
            const Satir &s = satirlar_[i.row()];
            k.tur = s.tur;
            k.grup = gruplar_[s.grup].anahtar;
        }
        kalicilar_.push_back(k);
    }
}

void IzgaraGrupModeli::duzenSonrasi()
{
    kur();
    QModelIndexList yeni;
    yeni.reserve(kalicilar_.size());
    for (const Kalici &k : kalicilar_) {
        if (k.tur == VeriSatiri) {
            const QModelIndex s = k.kaynak.isValid() ? mapFromSource(k.kaynak) : QModelIndex();
            yeni.push_back(s.isValid() ? index(s.row(), k.kolon) : QModelIndex());
            continue;
        }
        const int g = grupBul(k.grup);
        if (g < 0) {
            yeni.push_back({});
            continue;
        }
        const Grup &gr = gruplar_[g];
        const int satir = k.tur == GrupBasligi ? gr.basSatir : gr.basSatir + 1 + (gr.acik ? gr.adet : 0);
        yeni.push_back(k.tur == GrupAltligi && !grupAltlari_ ? QModelIndex() : index(satir, k.kolon));
    }
    changePersistentIndexList(eskiKalicilar_, yeni);
    eskiKalicilar_.clear();
    kalicilar_.clear();
    emit layoutChanged();
}

bool IzgaraGrupModeli::grupAcik(int satir) const
{
    if (grupKolonu_ < 0 || satir < 0 || satir >= satirlar_.size())
        return false;
    return gruplar_[satirlar_[satir].grup].acik;
}

void IzgaraGrupModeli::grupAcKapat(int satir)
{
    if (grupKolonu_ < 0 || satir < 0 || satir >= satirlar_.size())
        return;
    const Grup &g = gruplar_[satirlar_[satir].grup];
    const QString anahtar = g.anahtar;
    if (g.adet == 0)
        return;
    if (g.acik) {
        beginRemoveRows({}, g.basSatir + 1, g.basSatir + g.adet);
        kapaliGruplar_.push_back(anahtar);
        kur();
        endRemoveRows();
    } else {
        beginInsertRows({}, g.basSatir + 1, g.basSatir + g.adet);
        kapaliGruplar_.removeAll(anahtar);
        kur();
        endInsertRows();
    }
}

void IzgaraGrupModeli::tumGruplar(bool acik)
{
    if (grupKolonu_ < 0)
        return;
    beginResetModel();
    kapaliGruplar_.clear();
    if (!acik)
        for (const Grup &g : gruplar_)
            kapaliGruplar_.push_back(g.anahtar);
    kur();
    endResetModel();
}

QModelIndex IzgaraGrupModeli::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex IzgaraGrupModeli::parent(const QModelIndex &) const { return {}; }

int IzgaraGrupModeli::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    return grupKolonu_ < 0 ? sourceModel()->rowCount() : int(satirlar_.size());
}

int IzgaraGrupModeli::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    return sourceModel()->columnCount();
}

QModelIndex IzgaraGrupModeli::mapToSource(const QModelIndex &proxy) const
{
    if (!proxy.isValid() || !sourceModel())
        return {};
    if (grupKolonu_ < 0)
        return sourceModel()->index(proxy.row(), proxy.column());
    const Satir &s = satirlar_.at(proxy.row());
    return s.tur == VeriSatiri ? sourceModel()->index(s.kaynak, proxy.column()) : QModelIndex();
}

QModelIndex IzgaraGrupModeli::mapFromSource(const QModelIndex &kaynak) const
{
    if (!kaynak.isValid())
        return {};
    if (grupKolonu_ < 0)
        return index(kaynak.row(), kaynak.column());
    const int r = kaynaktan_.value(kaynak.row(), -1);
    return r < 0 ? QModelIndex() : index(r, kaynak.column());
}

void IzgaraGrupModeli::ozetHesapla(Grup &g) const
{
    const QAbstractItemModel *m = sourceModel();
    const int kolonlar = columnCount();
    g.ozet = QStringList(kolonlar, QString());
    for (int c = 0; c < kolonlar && c < ozetTurleri_.size(); ++c) {
        if (ozetTurleri_[c] == OzetTuru::Yok)
            continue;
        OzetHesabi h;
        for (int r = g.ilk; r < g.ilk + g.adet; ++r)
            h.ekle(m->index(r, c).data(HamDegerRolu));
        QString bicim = ozetBicimleri_.value(c);
        if (bicim.isEmpty())
            bicim = m->headerData(c, Qt::Horizontal, BicimRolu).toString();
        g.ozet[c] = h.metin(ozetTurleri_[c], bicim);
    }
}

QVariant IzgaraGrupModeli::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (grupKolonu_ < 0)
        return sourceModel()->data(sourceModel()->index(index.row(), index.column()), role);
    const Satir &s = satirlar_.at(index.row());
    if (s.tur == VeriSatiri)
        return sourceModel()->data(sourceModel()->index(s.kaynak, index.column()), role);
    Grup &g = gruplar_[s.grup];
    switch (role) {
    case SatirTuruRolu:
        return s.tur;
    case VeriSatiriRolu:
        return -1;
    case GrupAcikRolu:
        return g.acik;
    case Qt::DisplayRole:
        if (s.tur == GrupBasligi) {
            const QString baslik = sourceModel()->headerData(grupKolonu_, Qt::Horizontal).toString();
            return QStringLiteral("%1: %2  (%3)").arg(baslik, g.anahtar).arg(g.adet);
        }
        if (g.ozet.isEmpty())
            ozetHesapla(g);
        return g.ozet.value(index.column());
    default:
        return {};
    }
}

QVariant IzgaraGrupModeli::headerData(int section, Qt::Orientation o, int role) const
{
    // Columns are the source's one to one; the base class would map them
    // through row 0, which may be a group row or missing.
    if (!sourceModel())
        return {};
    if (o == Qt::Horizontal)
        return sourceModel()->headerData(section, o, role);
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
}

Qt::ItemFlags IzgaraGrupModeli::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace kt
