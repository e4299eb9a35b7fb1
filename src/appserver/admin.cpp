#include "admin.h"

#include <cstdio>

namespace ks {

const std::vector<YonetimKomutu> &yonetimKomutlari()
{
    static const std::vector<YonetimKomutu> komutlar = {
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
