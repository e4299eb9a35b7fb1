// Date picker; see tarihsecici.h.
#include "tarihsecici.h"

#include <QCalendarWidget>

namespace kt {

TarihSecici::TarihSecici(QWidget *parent) : QDateEdit(QDate::currentDate(), parent)
{
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    setLocale(tr);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setCalendarPopup(true);
    setMinimumDate(QDate(1900, 1, 1));
    auto *takvim = new QCalendarWidget(this);
    takvim->setLocale(tr);
    takvim->setFirstDayOfWeek(Qt::Monday);
    takvim->setGridVisible(true);
    takvim->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setCalendarWidget(takvim);
}

}  // namespace kt
