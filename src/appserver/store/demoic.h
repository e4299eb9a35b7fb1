// Pieces shared by the demo generator's files (store/demo*.cpp).
#pragma once

#include "demo.h"
#include "depo.h"
#include "methods/fiyat.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace ks::demo {

// splitmix64: small, fast, and the same sequence on every machine.
class Rastgele {
public:
    explicit Rastgele(quint64 tohum) : s_(tohum) {}

    quint64 sonraki()
    {
        quint64 z = (s_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n) without modulo bias worth speaking of.
    quint32 alt(quint32 n) { return quint32((unsigned __int128)sonraki() * n >> 64); }
    int aralik(int enAz, int enCok) { return enAz + int(alt(quint32(enCok - enAz + 1))); }
    bool yuzde(int p) { return int(alt(100)) < p; }
    double kesir() { return double(sonraki() >> 11) * 0x1.0p-53; }
    // An index drawn by the given weights.
    int agirlikli(std::initializer_list<int> agirliklar)
    {
        int toplam = 0;
        for (int a : agirliklar)
            toplam += a;
        int x = int(alt(quint32(toplam)));
        int i = 0;
        for (int a : agirliklar) {
            if (x < a)
                return i;
            x -= a;
            ++i;
        }
        return i - 1;
    }
    template <class T>
    const T &sec(const std::vector<T> &v) { return v[alt(quint32(v.size()))]; }

private:
    quint64 s_;
};

// An independent stream per kind of entity and number, so that item 17 is
// the same item whatever else the demo holds.
inline Rastgele akis(quint64 tur, quint64 no)
{
    Rastgele r(0x4B4F5256454CULL ^ (tur * 0xD1B54A32D192ED03ULL) ^ (no * 0x8CB92BA72F3D8DD7ULL));
    r.sonraki();
    return r;
}

enum AkisTuru : quint64 { kStok = 1, kCari, kTemsilci, kSepet, kSiparis, kOdeme, kTanitim };

// '#' → a digit, '@' → a capital letter, anything else stays.
QString desen(Rastgele &r, const QString &d);

// An empty text, never a null one: a null QString binds as SQL NULL.
inline QString metin(const QString &s) { return s.isNull() ? QStringLiteral("") : s; }

inline QString gunMetni(const QDate &g) { return g.toString(Qt::ISODate); }
QString anMetni(const QDate &g, int saniye);   // "YYYY-MM-DDTHH:MM:SS"

// What the order and basket writers need of a stock item.
struct StokOzet {
    qint64 id = 0;
    double liste1 = 0, liste2 = 0, kamp = 0;
    bool kampanya = false;
    double kdv = 20;
    QString anagrup;
    QString birim;
};

struct GrupIndirim {
    QString anagrup;
    double ind[4] = {0, 0, 0, 0};
};

struct CariOzet {
    qint64 id = 0;
    QString kod, adi, yetkili, alanAdi;
    double ind[4] = {0, 0, 0, 0};
    std::vector<GrupIndirim> grup;
    int fiyatListesi = 1;
    int vadeGun = 60;
    qint64 temsilciId = 0;
    qint64 kullaniciId = 0;   // the dealer's own user, 0 when it has none
    qint64 temsilciKullaniciId = 0;
    int odeme = 0;            // 0 pays on time, 1 pays late, 2 leaves invoices open
    int siparisAyda = 2;      // orders per month, roughly
    bool vitrin = false;      // a dealer the demo users see first: every order state
    bool kampanyaGorur = true;  // false when its only users are of type 4

    // The price and discount rates this dealer gets for an item.
    void fiyatla(const StokOzet &s, bool kampanyaGecerli, double *fiyat, double oran[4]) const;
};

struct Baglam {
    QSqlDatabase db;
    int stokSayisi = 0;
    std::vector<StokOzet> havuz;   // the items baskets and orders are made of
    std::vector<CariOzet> cariler;
    std::vector<qint64> teslimler;
    std::vector<qint64> kargoCinsleri;
    std::vector<std::vector<qint64>> kargoFirmalari;   // per cargo kind

    // Picks an item of the pool; the first ones are the best sellers.
    const StokOzet &havuzdan(Rastgele &r) const;
};

void stoklariYaz(Baglam &b);
void carileriYaz(Baglam &b);        // representatives, dealers, users, workstations
void kargolariYaz(Baglam &b);       // delivery kinds, cargo kinds and companies
void sepetleriYaz(Baglam &b);
void hareketleriYaz(Baglam &b);     // orders, invoices, collections, statement
void tanitimlariYaz(Baglam &b);     // settings, banners, opening screens

}  // namespace ks::demo
