// Line arithmetic; see satirhesabi.h.
#include "satirhesabi.h"

#include "utils.h"

#include <cmath>

namespace katalog {

double IndirimHesapla(double brut, const Oranlar &oranlar)
{
    double g = brut;
    for (double oran : oranlar)
        if (oran > 0)
            g = g - g * oran / 100;
    return g;
}

bool IndirimVarmi(const Oranlar &oranlar)
{
    return oranlar[0] + oranlar[1] + oranlar[2] + oranlar[3] > 1;
}

SatirTutarlari Hesapla(double birimFiyat, int adet, const Oranlar &oranlar, double kdvoran)
{
    SatirTutarlari t;
    t.adet = adet;
    t.brut = birimFiyat * adet;
    const double g = IndirimHesapla(t.brut, oranlar);
    t.indirimTutari = t.brut - g;
    t.netTutar = Yuvarla(g);
    t.netBirimFiyat = adet != 0 ? Yuvarla(t.netTutar / adet) : 0.0;
    if (!std::isfinite(t.netBirimFiyat))
        t.netBirimFiyat = 0;
    t.kdvDahil = Yuvarla(t.netBirimFiyat * (1 + kdvoran / 100));
    t.tutar = Yuvarla(AlanDegeri(t.kdvDahil) * adet);
    return t;
}

int AdetDegeri(const QString &metin)
{
    bool tamam = false;
    const int n = metin.trimmed().toInt(&tamam);
    return tamam ? n : 1;
}

double F4Fiyati(double fiyat) { return AlanDegeri(fiyat / 1.2); }

int KdvTamsayi(double kdv) { return int(std::nearbyint(kdv)); }

double AlanDegeri(double deger) { return Yuvarla(deger); }

}  // namespace katalog
