// Display formats of numbers ("#,###,##0.00" and the like) in the user's
// locale: the one place that turns an amount into its shown text.
#pragma once

#include <QLocale>
#include <QString>

namespace kt {

// The amount format every list and label uses.
inline constexpr char16_t kTutarBicimi[] = u"#,###,##0.00";

// Formats `deger` with a picture of '#', '0', ',' and '.': ',' anywhere before
// the decimal point turns on thousands grouping, '0's before it give the
// minimum integer digits, the placeholders after it the decimals ('0' always
// shown, '#' only when not zero). Separators come from `yerel`. An empty
// picture gives the shortest plain text. Halves round away from zero.
QString sayiBicimle(double deger, QStringView bicim, const QLocale &yerel = QLocale());

}  // namespace kt
