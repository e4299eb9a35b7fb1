// Filter and order proxy; see izgarafiltre.h.
#include "izgarafiltre.h"

#include "verimodeli.h"

#include <QDateTime>
#include <QSet>
#include <algorithm>

namespace kt {

IzgaraFiltreModeli::IzgaraFiltreModeli(QObject *parent) : QSortFilterProxyModel(parent)
{
    harmanlayici_.setCaseSensitivity(Qt::CaseInsensitive);
    harmanlayici_.setNumericMode(true);
    setDynamicSortFilter(true);
}

IzgaraFiltreModeli::~IzgaraFiltreModeli() = default;

void IzgaraFiltreModeli::setSourceModel(QAbstractItemModel *kaynak)
{
    anahtarlar_.clear();
    for (const auto &b : baglar_)
        disconnect(b);
    baglar_.clear();
    // Connected before the base class: the keys are gone before it re-sorts.
    if (kaynak) {
        auto birak = [this]() { anahtarlar_.clear(); };
        using M = QAbstractItemModel;
        baglar_ << connect(kaynak, &M::dataChanged, this, birak);
        baglar_ << connect(kaynak, &M::modelAboutToBeReset, this, birak);
        baglar_ << connect(kaynak, &M::rowsAboutToBeInserted, this, birak);
        baglar_ << connect(kaynak, &M::rowsAboutToBeRemoved, this, birak);
        baglar_ << connect(kaynak, &M::layoutAboutToBeChanged, this, birak);
    }
    QSortFilterProxyModel::setSourceModel(kaynak);
}

const IzgaraFiltreModeli::Anahtarlar &IzgaraFiltreModeli::anahtarlar(int kolon) const
{
    auto it = anahtarlar_.constFind(kolon);
    if (it != anahtarlar_.constEnd())
        return *it.value();
    auto a = std::make_shared<Anahtarlar>();
    const QAbstractItemModel *m = sourceModel();
    const int n = m->rowCount();
    a->bos.resize(n);
    // The column's kind is that of its first value.
    for (int r = 0; r < n; ++r) {
        const QVariant v = m->index(r, kolon).data(HamDegerRolu);
        if (v.isValid() && !v.isNull()) {
            a->metin = v.typeId() == QMetaType::QString;
            break;
        }
    }
    if (a->metin)
        a->harman.reserve(n);
    else
        a->sayi.resize(n);
    for (int r = 0; r < n; ++r) {
        const QVariant v = m->index(r, kolon).data(HamDegerRolu);
        a->bos[r] = !v.isValid() || v.isNull();
        if (a->metin) {
            a->harman.push_back(harmanlayici_.sortKey(a->bos[r] ? QString() : v.toString()));
        } else if (!a->bos[r]) {
            if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime)
                a->sayi[r] = double(v.toDateTime().toMSecsSinceEpoch());
            else
                a->sayi[r] = v.toDouble();
        }
    }
    return *anahtarlar_.insert(kolon, a).value();
}

int IzgaraFiltreModeli::anahtarKarsilastir(const Anahtarlar &a, int r1, int r2) const
{
    if (a.bos[r1] || a.bos[r2])
        return a.bos[r1] == a.bos[r2] ? 0 : (a.bos[r1] ? -1 : 1);
    if (a.metin)
        return a.harman[r1].compare(a.harman[r2]);
    return a.sayi[r1] < a.sayi[r2] ? -1 : (a.sayi[r2] < a.sayi[r1] ? 1 : 0);
}

void IzgaraFiltreModeli::filtreKoy(int kolon, const QString &metin)
{
    filtreler_.insert(kolon, metin);
    invalidateFilter();
}

void IzgaraFiltreModeli::filtreKaldir(int kolon)
{
    if (filtreler_.remove(kolon))
        invalidateFilter();
}

void IzgaraFiltreModeli::filtreleriTemizle()
{
    if (filtreler_.isEmpty())
        return;
    filtreler_.clear();
    invalidateFilter();
}

bool IzgaraFiltreModeli::filtredenGecer(int kaynakSatir, int haric) const
{
    const QAbstractItemModel *m = sourceModel();
    for (auto it = filtreler_.cbegin(); it != filtreler_.cend(); ++it) {
        if (it.key() == haric)
            continue;
        if (m->index(kaynakSatir, it.key()).data(Qt::DisplayRole).toString() != it.value())
            return false;
    }
    return true;
}

bool IzgaraFiltreModeli::filterAcceptsRow(int kaynakSatir, const QModelIndex &) const
{
    return filtreler_.isEmpty() || filtredenGecer(kaynakSatir, -1);
}

QStringList IzgaraFiltreModeli::farkliDegerler(int kolon) const
{
    const QAbstractItemModel *m = sourceModel();
    if (!m)
        return {};
    QSet<QString> gorulen;
    QStringList sonuc;
    const int n = m->rowCount();
    for (int r = 0; r < n; ++r) {
        if (!filtredenGecer(r, kolon))
            continue;
        const QString s = m->index(r, kolon).data(Qt::DisplayRole).toString();
        if (!gorulen.contains(s)) {
            gorulen.insert(s);
            sonuc.push_back(s);
        }
    }
    std::sort(sonuc.begin(), sonuc.end(), [this](const QString &a, const QString &b) {
        return harmanlayici_.compare(a, b) < 0;
    });
    return sonuc;
}

void IzgaraFiltreModeli::siralamaAyarla(int grupKolonu, int siraKolonu, Qt::SortOrder yon)
{
    grupKolonu_ = grupKolonu;
    siraKolonu_ = siraKolonu;
    yon_ = yon;
    if (grupKolonu_ < 0 && siraKolonu_ < 0) {
        sort(-1);
        return;
    }
    // The proxy always sorts "ascending" on column 0; lessThan applies the
    // real keys and direction.
    invalidate();
    sort(0, Qt::AscendingOrder);
}

bool IzgaraFiltreModeli::lessThan(const QModelIndex &sol, const QModelIndex &sag) const
{
    const int r1 = sol.row(), r2 = sag.row();
    if (grupKolonu_ >= 0) {
        const int c = anahtarKarsilastir(anahtarlar(grupKolonu_), r1, r2);
        if (c != 0)
            return c < 0;
    }
    if (siraKolonu_ >= 0) {
        const int c = anahtarKarsilastir(anahtarlar(siraKolonu_), r1, r2);
        if (c != 0)
            return yon_ == Qt::AscendingOrder ? c < 0 : c > 0;
    }
    return r1 < r2;   // stable: equal keys keep the dataset's order
}

}  // namespace kt
