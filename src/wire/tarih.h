// Dates travel as OLE Automation dates: days since 30 December 1899, the
// time of day as the fraction.
#pragma once

#include <QDateTime>

namespace kw {

inline const QDate kOleSifir(1899, 12, 30);

inline double oleTarih(const QDate &d) { return double(kOleSifir.daysTo(d)); }

inline double oleTarih(const QDateTime &t)
{
    const QTime s = t.time();
    return double(kOleSifir.daysTo(t.date())) + s.msecsSinceStartOfDay() / 86400000.0;
}

inline QDate oleGun(double ole) { return kOleSifir.addDays(qint64(ole < 0 ? -(-ole) : ole)); }

inline QDateTime oleZaman(double ole)
{
    const qint64 gun = qint64(ole);
    const double kesir = ole - double(gun);
    return QDateTime(kOleSifir.addDays(gun), QTime(0, 0).addMSecs(int(kesir * 86400000.0 + 0.5)));
}

}  // namespace kw
