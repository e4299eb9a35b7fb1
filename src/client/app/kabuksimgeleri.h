// Pictures of the shell, drawn at run time so they stay sharp at any scale:
// the tab pictures, the company logo, the search bar's buttons, the general
// menu's button and the login's background.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace kabuk {

// The house colours.
inline QColor koyuRenk() { return QColor(24, 62, 84); }      // header, tabs
inline QColor vurguRenk() { return QColor(46, 125, 154); }   // accents
inline QColor turuncu() { return QColor(251, 184, 36); }     // brand orange

enum class Sekme { Stok, Sepet, Onceki, Ekstre, Yeniler, Kampanyali, Duyuru, Bakiye, SanalPos, Iletisim };

// A tab picture: a coloured rounded square with a white glyph.
QIcon sekmeSimgesi(Sekme s, int boy = 32);
QPixmap sekmeResmi(Sekme s, int boy, qreal olcek = 1.0);

// The logo for dark backgrounds: the emblem and "KORVEL / OTOMOTİV B2B".
QPixmap logo(int yukseklik, qreal olcek = 1.0);
QPixmap amblem(int boy, qreal olcek = 1.0);

QIcon araSimgesi();       // magnifier
QIcon temizleSimgesi();   // eraser cross
QIcon menuSimgesi();      // the general menu's 48×48 button
QIcon musteriSimgesi();   // "Başka Cari Seç"

QPixmap girisArkaPlani(QSize boy, qreal olcek = 1.0);

}  // namespace kabuk
