// Administration commands: `korvel-server admin <command> …`, so that the
// distributor runs the server without touching SQL.
#pragma once

#include "store/depo.h"

#include <QStringList>
#include <functional>

namespace ks {

struct YonetimKomutu {
    const char *ad;
    const char *kullanim;    // arguments, for the help text
    const char *aciklama;
    std::function<int(Depo &, const QStringList &)> calistir;
};

// Every command; each group adds its own in admin.cpp.
const std::vector<YonetimKomutu> &yonetimKomutlari();

int yonetimKomutu(Depo &d, const QStringList &args);

// Seeds an empty store with demo data of `stokSayisi` items (0: nothing).
void demoGerekirseOlustur(Depo &d, int stokSayisi);

}  // namespace ks
