#include "admin.h"

#include "methods/duyuruyonetim.h"

#include <cstdio>

namespace ks {

const std::vector<YonetimKomutu> &yonetimKomutlari()
{
    static const std::vector<YonetimKomutu> komutlar = {
        // Promotions and the installer.
        {"surum", "N", "publish installer version N (the client updates when it differs from its own)", yonetSurum},
        {"kayan-yazi", "HTML…", "set the scrolling text (simple HTML); no text removes it", yonetKayanYazi},
        {"banner-ayarla", "N FILE [FILE…] [--gecikme MS]",
         "set banner N from pictures: 1 header and 2 strip as GIF (several pictures animate), 3 bottom as BMP",
         yonetBannerAyarla},
        {"banner-sil", "N", "remove banner N (1, 2 or 3)", yonetBannerSil},
        {"acilis-ekle", "FILE TITLE [LINK]",
         "add an opening screen (picture stored as JPEG); LINK #KAMPANYA#, #YENİ# or a search text", yonetAcilisEkle},
        {"acilis-sil", "NO", "remove opening screen NO", yonetAcilisSil},
        {"acilis-liste", "", "list the opening screens", yonetAcilisListe},
        {"kurulum-dosyasi", "FILE | --kaldir", "serve FILE at /exe/KorvelSetup.exe, or stop serving it",
         yonetKurulumDosyasi},
        {"iletisim", "firma|adres|telefon|mail TEXT…", "set a line of the contact page", yonetIletisim},
    };
    return komutlar;
}

int yonetimKomutu(Depo &d, const QStringList &args)
{
    const QString ad = args.value(0);
    for (const YonetimKomutu &k : yonetimKomutlari())
        if (ad == QLatin1String(k.ad))
            return k.calistir(d, args.mid(1));
    std::fprintf(ad.isEmpty() || ad == QLatin1String("help") ? stdout : stderr,
                 "usage: korvel-server [--db FILE] admin <command> …\n\ncommands:\n");
    for (const YonetimKomutu &k : yonetimKomutlari())
        std::fprintf(stdout, "  %s %s\n      %s\n", k.ad, k.kullanim, k.aciklama);
    return ad.isEmpty() || ad == QLatin1String("help") ? 0 : 2;
}

}  // namespace ks
