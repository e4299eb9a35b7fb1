// Amount rules that the client and the server must compute alike, to the
// last bit: the two-decimal rounding and the compounding discounts.
#pragma once

#include <array>

namespace kw {

// Two decimals, halves away from zero, decided on the shortest decimal text
// of the value (2.675 → 2.68 although its binary value is 2.67499…).
double yuvarla(double v);

using Oranlar = std::array<double, 4>;

// What is left of `tutar` after the four rates, in order; a rate of 0 or
// below is skipped. Unrounded.
double indirimliTutar(double tutar, const Oranlar &o);

}  // namespace kw
