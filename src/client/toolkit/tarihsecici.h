// Date picker: a date edit in the Turkish form (dd.MM.yyyy) with a calendar
// that opens below it and starts weeks on Monday.
#pragma once

#include <QDateEdit>

namespace kt {

class TarihSecici : public QDateEdit {
    Q_OBJECT
public:
    explicit TarihSecici(QWidget *parent = nullptr);
    QDate Date() const { return date(); }
    void SetDate(const QDate &d) { setDate(d); }
};

}  // namespace kt
