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

int IzgaraFiltreModeli::karsilastir(const QVariant &a, const QVariant &b) const
{
    const bool aBos = !a.isValid() || a.isNull();
    const bool bBos = !b.isValid() || b.isNull();
    if (aBos || bBos)
        return aBos == bBos ? 0 : (aBos ? -1 : 1);
    switch (a.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case QMetaType::QDate:
    case QMetaType::QDateTime: {
        const QDateTime x = a.toDateTime(), y = b.toDateTime();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    default:
        return harmanlayici_.compare(a.toString(), b.toString());
    }
}

bool IzgaraFiltreModeli::lessThan(const QModelIndex &sol, const QModelIndex &sag) const
{
    const QAbstractItemModel *m = sourceModel();
    const int r1 = sol.row(), r2 = sag.row();
    if (grupKolonu_ >= 0) {
        const int c = karsilastir(m->index(r1, grupKolonu_).data(HamDegerRolu), m->index(r2, grupKolonu_).data(HamDegerRolu));
        if (c != 0)
            return c < 0;
    }
    if (siraKolonu_ >= 0) {
        const int c = karsilastir(m->index(r1, siraKolonu_).data(HamDegerRolu), m->index(r2, siraKolonu_).data(HamDegerRolu));
        if (c != 0)
            return yon_ == Qt::AscendingOrder ? c < 0 : c > 0;
    }
    return r1 < r2;   // stable: equal keys keep the dataset's order
}

}  // namespace kt
