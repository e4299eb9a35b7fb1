// User type rules; see kullanicitipi.h.
#include "kullanicitipi.h"

using L = KullaniciListesi;

PencereUyarlamasi PencereUyarlamasiAl(int musteriTipi)
{
    PencereUyarlamasi u;
    switch (musteriTipi) {
    case 1:
    case 2:
        u.musteriTusu = true;
        u.raporlar = true;
        break;
    case 4:
        u.kampanyaSekmesi = false;
        break;
    default:
        break;
    }
    return u;
}

QVector<KolonKurali> KolonKurallari(int musteriTipi)
{
    const QString kalan = QStringLiteral("KALAN");
    const QString alinan = QStringLiteral("ALINANSIPARIS");
    const QString verilen = QStringLiteral("VERILENSIPARIS");
    switch (musteriTipi) {
    case 1:
    case 2:
        return {
            {L::StokListesi, kalan, true, true},   {L::Sepet, kalan, true, true},
            {L::Yeniler, kalan, true, true},       {L::Kampanyali, kalan, true, true},
            {L::StokListesi, alinan, true, true},  {L::StokListesi, verilen, true, true},
            {L::Yeniler, alinan, true, true},      {L::Yeniler, verilen, true, true},
            {L::Kampanyali, alinan, true, true},   {L::Kampanyali, verilen, true, true},
        };
    case 3:
        return {{L::Sepet, QStringLiteral("DURUM"), false, false}};
    case 4:
        return {
            {L::StokListesi, QStringLiteral("KAMPFIYAT"), false, false},
            {L::StokListesi, QStringLiteral("K"), false, false},
            {L::Yeniler, QStringLiteral("KAMPFIYAT"), false, false},
            {L::Yeniler, QStringLiteral("K"), false, false},
        };
    default:
        return {};
    }
}

void KolonlariUyarla(QVector<kt::IzgaraKolonu> &kolonlar, KullaniciListesi liste, int musteriTipi)
{
    for (const KolonKurali &k : KolonKurallari(musteriTipi)) {
        if (k.liste != liste)
            continue;
        for (kt::IzgaraKolonu &c : kolonlar)
            if (c.alan == k.alan) {
                c.gorunur = k.gorunur;
                c.secicide = k.secicide;
            }
    }
}
