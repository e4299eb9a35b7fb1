// What the user type (MusteriTipi of the session record) changes in the main
// window and in the lists of the tab pages. Representatives (1, 2) act for
// several dealers and see quantities and order columns; dealer users (3, 4)
// do not; type 4 sees no campaign content. Any other type changes nothing.
#pragma once

#include "izgarakolon.h"

#include <QString>
#include <QVector>

// The lists whose columns depend on the user type.
enum class KullaniciListesi { StokListesi, Sepet, Yeniler, Kampanyali };

struct PencereUyarlamasi {
    bool musteriTusu = false;      // "Başka Cari Seç"
    bool raporlar = false;         // menu item "Raporlar"
    bool kampanyaSekmesi = true;   // tab "Kampanyalı Stoklar"
};
PencereUyarlamasi PencereUyarlamasiAl(int musteriTipi);

// One column a user type shows or hides; `secicide` is whether the column
// chooser offers it.
struct KolonKurali {
    KullaniciListesi liste;
    QString alan;
    bool gorunur;
    bool secicide;
};
QVector<KolonKurali> KolonKurallari(int musteriTipi);

// A page applies the rules to its column table before it builds its grid:
//   KolonlariUyarla(kolonlar, KullaniciListesi::Sepet, ana->sbilgi().MusteriTipi());
//   izgara->KolonlariKur(kolonlar);
// Columns the rules do not name keep their designed state.
void KolonlariUyarla(QVector<kt::IzgaraKolonu> &kolonlar, KullaniciListesi liste, int musteriTipi);
