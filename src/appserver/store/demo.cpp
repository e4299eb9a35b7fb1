// Deterministic demo data for an empty store: `korvel-server --demo N`.
//
// The same N gives the same rows on every machine: every random choice comes
// from our own splitmix64 streams (demoic.h), dates are counted from the fixed
// reference day demo::referansTarihi(), prices are worked out in kuruş.
//
// What the demo writes besides the business tables, for the methods that
// read it:
//   ayar "kayan_yazi"   the scrolling text (simple HTML with a link)
//   ayar "surum"        the installer version the server publishes ("5")
//   ayar "iletisim_firma", "iletisim_adres", "iletisim_telefon",
//        "iletisim_mail"   the lines of the contact page
//   banner 1, 2, 3      header GIF (animated), strip GIF, bottom BMP
//   acilis_ekrani       three JPEG screens linking to "#KAMPANYA#", "#YENİ#"
//                       and the search "FREN BALATASI"
// Users, passwords and workstation IDs: demo::kullanicilar() (demo.h).
//
// Prices and line amounts come from the server's pricing rules
// (methods/fiyat.h); an invoice's ledger amount is the sum of its lines'
// net + VAT, as the invoice totals show it.

#include "admin.h"
#include "demoic.h"
#include "methods/stokarama.h"

#include <QElapsedTimer>
#include <cstdio>
#include <ctime>

namespace ks {

namespace demo {

QDate referansTarihi() { return QDate(2026, 12, 10); }

const std::vector<DemoKullanici> &kullanicilar()
{
    static const std::vector<DemoKullanici> k = {
        {"TEMSILCI1", "1234", 1, true, "DEMO-TEMSILCI1"},
        {"TEMSILCI2", "1234", 2, true, "DEMO-TEMSILCI2"},
        {"BAYI3", "1234", 3, true, "DEMO-BAYI3"},
        {"BAYI4", "1234", 4, true, "DEMO-BAYI4"},
        {"PASIF", "1234", 3, false, "DEMO-PASIF"},
        {"TEMSILCI3", "1234", 1, true, "DEMO-TEMSILCI3"},
        {"TEMSILCI4", "1234", 2, true, "DEMO-TEMSILCI4"},
    };
    return k;
}

}  // namespace demo

namespace {

bool bos(const QSqlDatabase &db, const char *tablo)
{
    Sorgu s(db, QStringLiteral("SELECT EXISTS(SELECT 1 FROM %1)").arg(QLatin1String(tablo)));
    s.calistir();
    return s.sonraki() && s.deger(0).toInt() == 0;
}

}  // namespace

void demoGerekirseOlustur(Depo &d, int stokSayisi)
{
    if (stokSayisi <= 0)
        return;
    // Only a store without stock, dealers and users: demo data never mixes
    // with a distributor's own accounts.
    if (!bos(d.db(), "stok"))
        return;
    for (const char *t : {"cari", "kullanici"})
        if (!bos(d.db(), t)) {
            std::fprintf(stderr, "korvel-server: the store holds accounts but no stock items; no demo data written\n");
            return;
        }

    QElapsedTimer sure;
    sure.start();
    const std::clock_t cpu = std::clock();
    Islem t(d);
    demo::Baglam b;
    b.db = t.db();
    b.stokSayisi = stokSayisi;
    // The search index is built once over all items instead of row by row.
    aramaDiziniBeklet(b.db);
    demo::stoklariYaz(b);
    aramaDiziniYenile(b.db);
    demo::carileriYaz(b);
    demo::kargolariYaz(b);
    demo::sepetleriYaz(b);
    demo::hareketleriYaz(b);
    demo::tanitimlariYaz(b);
    t.onayla();
    std::fprintf(stderr, "korvel-server: demo data of %d stock items written in %.1f s (CPU %.1f s)\n", stokSayisi,
                 double(sure.elapsed()) / 1000.0, double(std::clock() - cpu) / CLOCKS_PER_SEC);
}

}  // namespace ks
