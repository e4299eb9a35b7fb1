// Basket totals; see sepettoplam.h.
#include "sepettoplam.h"

#include "sayibicimi.h"
#include "veriseti.h"
#include "utils.h"

namespace sepet {

SepetToplamlari ToplamHesapla(const QVector<SepetSatiri> &satirlar)
{
    SepetToplamlari t;
    for (const SepetSatiri &s : satirlar) {
        if (s.sec != 1)
            continue;
        t.toplam = Yuvarla(t.toplam + s.tutar);
        t.indirim = Yuvarla(t.indirim + s.indirimTutar);
        t.vergi = Yuvarla(t.vergi + s.vergiTutari);
    }
    t.ara = Yuvarla(t.toplam - t.indirim);
    t.genel = Yuvarla(t.vergi + t.ara);
    return t;
}

SepetToplamlari ToplamHesapla(const kt::VeriSeti &sepet)
{
    if (!sepet.Active())
        return {};
    const int sec = sepet.alanNo(QStringLiteral("SEC"));
    const int tutar = sepet.alanNo(QStringLiteral("TUTAR"));
    const int indirim = sepet.alanNo(QStringLiteral("INDIRIMTUTAR"));
    const int vergi = sepet.alanNo(QStringLiteral("VERGITUTARI"));
    const auto sayi = [&](int satir, int alan) { return alan >= 0 ? sepet.deger(satir, alan).toDouble() : 0.0; };
    QVector<SepetSatiri> satirlar;
    satirlar.reserve(sepet.satirSayisi());
    for (int r = 0; r < sepet.satirSayisi(); ++r)
        satirlar.push_back({sec >= 0 ? sepet.deger(r, sec).toInt() : 0, sayi(r, tutar), sayi(r, indirim), sayi(r, vergi)});
    return ToplamHesapla(satirlar);
}

QString toplamMetni(double deger, const QLocale &yerel) { return kt::sayiBicimle(deger, kt::kTutarBicimi, yerel); }

}  // namespace sepet
