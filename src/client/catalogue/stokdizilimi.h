// The stock list's pure rules: the price-information text and the layout
// choice by window width.
#pragma once

#include <QLocale>
#include <QString>

namespace katalog {

// Up to this window width the narrow layout (one "Fiyat Bilgisi" cell
// instead of the price columns) is used.
inline constexpr int kDarEnCok = 1152;
inline bool darDuzen(int pencereGenisligi) { return pencereGenisligi <= kDarEnCok; }

// The lines of the "Fiyat Bilgisi" cell, each ended by CR LF; the campaign
// line only for a campaign price above 0.
QString FiyatBilgisiMetni(double listeFiyat, double kampFiyat, double netFiyat, double kdvliFiyat,
                          const QLocale &yerel = QLocale());

}  // namespace katalog
