#include "tutar.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kw {

double yuvarla(double v)
{
    if (!std::isfinite(v) || std::fabs(v) >= 1e13)
        return v;
    // Shortest round-trip digits "d.ddddde±x": the decimal text the value is.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific);
    *r.ptr = '\0';
    char *e = std::strchr(buf, 'e');
    const int us = std::atoi(e + 1);
    char rakam[32];
    int n = 0;
    for (char *p = buf; p < e; ++p)
        if (*p != '.')
            rakam[n++] = *p;
    // rakam[i] weighs 10^(us − i); keep the digits down to 10^-2.
    const int son = us + 2;
    if (son + 1 >= n)
        return v;   // no digit beyond the second decimal
    long long tam = 0;
    for (int i = 0; i <= son; ++i)
        tam = tam * 10 + (rakam[i] - '0');
    if (son + 1 >= 0 && rakam[son + 1] >= '5')
        ++tam;
    const double sonuc = double(tam) / 100.0;
    return v < 0 && tam != 0 ? -sonuc : sonuc;
}

double indirimliTutar(double tutar, const Oranlar &o)
{
    double g = tutar;
    for (double x : o)
        if (x > 0)
            g = g - g * x / 100;
    return g;
}

}  // namespace kw
