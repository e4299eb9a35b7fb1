// Counter captions of the main window's tabs: "5=Sepet" is the title
// "Sepet" with a red "(5)" in the tab's top-right corner. A caption without
// "=" is a plain title.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

struct TSonuc {
    int sayi = 0;      // the count; 0 without a counter
    QString baslik;    // the title to draw
};

// The count is the text before the first "=" read as a decimal integer
// (blanks around it allowed); the title is at most 100 characters after it.
// A count that is not a whole number (a fractional balance "3,5") leaves the
// plain title without a badge.
TSonuc BaslikAyir(const QString &caption);

// The badge text of a count ("(5)"); empty for a count of 0 or less.
QString RozetMetni(int sayi);
// Pure red, as the badge is always drawn.
inline QColor rozetRengi() { return QColor(255, 0, 0); }

// Draws a parsed caption into a tab's text rectangle (the part right of its
// picture): the rectangle shrinks by 5 pixels at the top and bottom, the
// title goes centred and word-wrapped in `yazi`; a count above 0 adds its
// badge at the top-right corner of the rectangle narrowed by 2 pixels at
// each side and grown by 3 at the top and bottom. `dikey` draws the title
// a quarter turn rotated and without a badge (tabs on the left or right).
void BaslikCiz(QPainter &p, const TSonuc &s, const QRect &metinAlani, const QColor &yazi, const QFont &font,
               bool dikey = false);
