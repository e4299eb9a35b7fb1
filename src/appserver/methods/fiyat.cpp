#include "fiyat.h"

#include "tutar.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace ks {

double yuvarla(double v) { return kw::yuvarla(v); }

QString indirimYazisi(const Oranlar &o)
{
    // A list's rows mostly share the dealer's rates: the last text is kept.
    thread_local Oranlar son{-1, -1, -1, -1};
    thread_local QString sonYazi;
    if (o == son)
        return sonYazi;
    QStringList parcalar;
    for (double x : o)
        if (x > 0) {
            QString s = QString::number(yuvarla(x), 'f', 2);
            while (s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
            parcalar << s.replace(u'.', u',');
        }
    son = o;
    sonYazi = parcalar.join(u'+');
    return sonYazi;
}

double indirimliTutar(double tutar, const Oranlar &o)
{
    // The line entry computes the same, so a price agrees to the bit.
    return kw::indirimliTutar(tutar, o);
}

StokFiyati stokFiyati(const StokFiyatGirdisi &g)
{
    StokFiyati f;
    f.listeFiyati = g.fiyatListesi == 2 ? g.listeFiyati2 : g.listeFiyati1;
    const bool kampanya = g.kampanyada && g.kampanyaGorur && g.kampFiyati > 0;
    if (kampanya) {
        f.kampanyali = true;
        f.kampFiyati = g.kampFiyati;
        f.fiyat = g.kampFiyati;
        f.oranlar = {0, 0, 0, 0};
    } else {
        f.fiyat = f.listeFiyati;
        f.oranlar = g.oranlar;
    }
    f.indirimYazi = indirimYazisi(f.oranlar);
    f.netFiyat = yuvarla(indirimliTutar(f.fiyat, f.oranlar));
    f.kdvDahil = yuvarla(f.netFiyat * (1 + g.kdv / 100));
    f.indirim = f.listeFiyati > 0 ? yuvarla((1 - f.netFiyat / f.listeFiyati) * 100) : 0;
    return f;
}

SatirTutari satirTutari(double miktar, double birimFiyat, const Oranlar &o, double kdv)
{
    SatirTutari t;
    const double brut = birimFiyat * miktar;
    t.tutar = yuvarla(brut);
    t.netTutar = yuvarla(indirimliTutar(brut, o));
    t.indirimTutar = yuvarla(t.tutar - t.netTutar);
    t.netBirimFiyat = miktar != 0 ? yuvarla(t.netTutar / miktar) : 0;
    t.vergiTutari = yuvarla(t.netTutar * kdv / 100);
    t.kdvDahilBirimFiyat = yuvarla(t.netBirimFiyat * (1 + kdv / 100));
    t.kdvDahilTutar = yuvarla(t.netTutar + t.vergiTutari);
    return t;
}

}  // namespace ks
