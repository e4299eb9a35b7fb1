// Demo representatives, dealer accounts with their discount rates, users and
// their workstations.

#include "demoic.h"

#include <QVariant>

namespace ks::demo {

namespace {

struct Temsilci {
    const char *adi;
    const char *mail;
    const char *telefon;
};

const Temsilci kTemsilciler[] = {
    {"Kemal Aksoy", "kemal.aksoy@korvel.com.tr", "0532 411 20 01"},
    {"Selin Yurt", "selin.yurt@korvel.com.tr", "0533 274 18 62"},
    {"Burak Tan", "burak.tan@korvel.com.tr", "0542 635 90 14"},
    {"Deniz Akın", "deniz.akin@korvel.com.tr", "0555 318 47 29"},
};
constexpr int kTemsilciSayisi = int(sizeof kTemsilciler / sizeof kTemsilciler[0]);

const char *const kFirmaAdlari[] = {
    "Çınar", "Güneş", "Yıldız", "Anadolu", "Ege", "Karadeniz", "Akdeniz", "Özkan", "Demir", "Kaya",
    "Aydın", "Yılmaz", "Şahin", "Öztürk", "Doğan", "Arslan", "Koç", "Kurt", "Erdem", "Bulut",
    "Gökçe", "Tekin", "Kılıç", "Polat", "Başkent", "Marmara", "Trakya", "Çukurova", "Toros", "Uludağ",
    "Boğaziçi", "Altın", "Ümit", "Işık", "Ekinci", "Özdemir", "Çelik", "Ateş", "Yüksel", "Şimşek",
};
const char *const kFirmaEkleri[] = {
    "Oto Yedek Parça Ltd. Şti.", "Otomotiv", "Otomotiv San. ve Tic. A.Ş.", "Oto Sanayi",
    "Motorlu Araçlar Tic. Ltd. Şti.", "Oto Elektrik", "Yedek Parça", "Oto Servis ve Yedek Parça",
    "Otomotiv Ltd. Şti.", "Oto Aksesuar ve Yedek Parça",
};
const char *const kFirmaAraEkleri[] = {"", "Kardeşler", "Grup", "Merkez", "Yeni"};

struct Sehir {
    const char *ad;
    const char *alanKodu;
    std::vector<const char *> ilceler;
};

const std::vector<Sehir> &sehirler()
{
    static const std::vector<Sehir> s = {
        {"İstanbul", "0212", {"İkitelli", "Bayrampaşa", "Kartal", "Ümraniye"}},
        {"Ankara", "0312", {"Ostim", "Şaşmaz", "Yenimahalle"}},
        {"İzmir", "0232", {"Bornova", "Karşıyaka", "Gaziemir"}},
        {"Bursa", "0224", {"Nilüfer", "Osmangazi"}},
        {"Konya", "0332", {"Selçuklu", "Karatay"}},
        {"Adana", "0322", {"Seyhan", "Yüreğir"}},
        {"Antalya", "0242", {"Kepez", "Muratpaşa"}},
        {"Kocaeli", "0262", {"İzmit", "Gebze"}},
        {"Kayseri", "0352", {"Melikgazi", "Kocasinan"}},
        {"Gaziantep", "0342", {"Şehitkamil", "Şahinbey"}},
        {"Samsun", "0362", {"İlkadım", "Atakum"}},
        {"Eskişehir", "0222", {"Tepebaşı", "Odunpazarı"}},
    };
    return s;
}

const char *const kAdlar[] = {"Mehmet", "Ahmet", "Mustafa", "Ali", "Hüseyin", "Hasan", "İbrahim", "İsmail",
                              "Osman", "Yusuf", "Murat", "Ömer", "Ramazan", "Halil", "Süleyman", "Fatma",
                              "Ayşe", "Emine", "Hatice", "Zeynep", "Elif", "Gülşen", "Şükrü", "Cengiz"};
const char *const kSoyadlar[] = {"Yılmaz", "Kaya", "Demir", "Şahin", "Çelik", "Yıldız", "Yıldırım", "Öztürk",
                                 "Aydın", "Özdemir", "Arslan", "Doğan", "Kılıç", "Aslan", "Çetin", "Kara",
                                 "Koç", "Kurt", "Özkan", "Şimşek"};
const char *const kAnaGruplar[] = {"BAYİ", "SERVİS", "TOPTANCI"};
const char *const kIndirimGruplari[] = {"FREN", "FİLTRE", "MOTOR", "SÜSPANSİYON", "ELEKTRİK", "SOĞUTMA", "KAPORTA", "ŞANZIMAN"};

// Discount profiles of dealers: four successive rates.
const double kIndirimler[][4] = {
    {10, 5, 0, 0}, {15, 0, 0, 0}, {12.5, 5, 2, 0}, {20, 10, 0, 0}, {0, 0, 0, 0},
    {5, 0, 0, 0},  {25, 5, 0, 0}, {10, 0, 0, 0},   {18, 3, 0, 0},  {30, 0, 0, 0},
};

template <class T, size_t N>
const T &sec(Rastgele &r, const T (&a)[N]) { return a[r.alt(N)]; }

QString u(const char *s) { return QString::fromUtf8(s); }

// "Çınar" → "cinar": e-mail addresses take the plain letters.
QString sadelestir(const QString &s)
{
    static const QString tr = QStringLiteral("çğıöşüÇĞİÖŞÜ");
    static const QString la = QStringLiteral("cgiosuCGIOSU");
    QString o;
    for (QChar c : s) {
        const int i = tr.indexOf(c);
        const QChar d = i >= 0 ? la[i] : c;
        if (d.isLetterOrNumber())
            o += d.toLower();
    }
    return o;
}

int cariSayisi(int stokSayisi) { return qBound(40, 40 + stokSayisi / 5000, 200); }

}  // namespace

void carileriYaz(Baglam &b)
{
    Sorgu temsilciEkle(b.db, QStringLiteral("INSERT INTO temsilci(adi, mail, telefon) VALUES(?, ?, ?)"));
    std::vector<qint64> temsilciler;
    for (const Temsilci &t : kTemsilciler) {
        temsilciEkle.bagla({u(t.adi), u(t.mail), u(t.telefon)}).calistir();
        temsilciler.push_back(temsilciEkle.sonEklenen());
    }

    Sorgu cariEkle(b.db, QStringLiteral(
        "INSERT INTO cari(kod, adi, adres1, adres2, ilce, sehir, tel1, tel2, gsm, fax1, fax2, email, mail, vergidairesi, "
        "vergino, yetkili, anagrup, altgrup, ozelkod, temsilci_id, ind1, ind2, ind3, ind4, fiyat_listesi, vade_gun) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    Sorgu grupEkle(b.db, QStringLiteral(
        "INSERT INTO cari_grup_indirim(cari_id, anagrup, ind1, ind2, ind3, ind4) VALUES(?, ?, ?, ?, ?, ?)"));

    const int n = cariSayisi(b.stokSayisi);
    const int ilkAdSayisi = int(sizeof kFirmaAdlari / sizeof kFirmaAdlari[0]);
    std::vector<int> bolgeSayaci(sehirler().size(), 0);
    for (int k = 0; k < n; ++k) {
        Rastgele r = akis(kCari, quint64(k));
        CariOzet c;
        const QString ilk = u(kFirmaAdlari[k % ilkAdSayisi]);
        const QString ara = u(kFirmaAraEkleri[(k / ilkAdSayisi) % 5]);
        // The first two are the dealers of the demo's dealer users.
        const QString ek = k == 0 ? u(kFirmaEkleri[0]) : k == 1 ? u(kFirmaEkleri[1]) : u(sec(r, kFirmaEkleri));
        c.adi = ara.isEmpty() ? ilk + u' ' + ek : ilk + u' ' + ara + u' ' + ek;

        const size_t si = k < 2 ? 0 : r.alt(quint32(sehirler().size()));
        const Sehir &sh = sehirler()[si];
        c.kod = QStringLiteral("120.%1.%2").arg(int(si) + 1, 2, 10, QChar(u'0')).arg(++bolgeSayaci[si], 3, 10, QChar(u'0'));
        const QString ilce = u(sh.ilceler[r.alt(quint32(sh.ilceler.size()))]);
        const QString alan = u(sh.alanKodu);
        const QString soyad = u(sec(r, kSoyadlar));
        c.yetkili = u(sec(r, kAdlar)) + u' ' + soyad;
        const QString adres1 = r.yuzde(50)
            ? QStringLiteral("Oto Sanayi Sitesi %1. Blok No:%2").arg(r.aralik(1, 24)).arg(r.aralik(1, 120))
            : QStringLiteral("%1 Cad. No:%2/%3").arg(u(sec(r, kSoyadlar))).arg(r.aralik(1, 250)).arg(r.aralik(1, 12));
        const QString adres2 = r.yuzde(60) ? QStringLiteral("%1 Mah.").arg(u(sec(r, kFirmaAdlari))) : QString();
        auto telefon = [&](const QString &on) {
            return QStringLiteral("%1 %2 %3 %4").arg(on).arg(r.aralik(200, 699)).arg(r.aralik(10, 99)).arg(r.aralik(10, 99));
        };
        const QString tel1 = telefon(alan);
        const QString tel2 = r.yuzde(40) ? telefon(alan) : QString();
        const QString gsm = telefon(QStringLiteral("05%1").arg(r.aralik(30, 55)));
        const QString fax1 = r.yuzde(50) ? telefon(alan) : QString();
        const QString alanAdi = sadelestir(ilk) + sadelestir(ek.section(u' ', 0, 0)) + QStringLiteral(".com.tr");
        const QString eposta = QStringLiteral("info@") + alanAdi;
        c.alanAdi = alanAdi;
        const QString vergiNo = QString::number(r.aralik(100000, 999999)) + QString::number(r.aralik(1000, 9999));

        const double (&ind)[4] = k == 0 ? kIndirimler[0] : k == 1 ? kIndirimler[1] : sec(r, kIndirimler);
        std::copy(ind, ind + 4, c.ind);
        c.fiyatListesi = k == 1 ? 2 : (r.yuzde(30) ? 2 : 1);
        static const int vadeler[] = {30, 45, 60, 90, 120};
        c.vadeGun = k < 2 ? 60 : vadeler[r.alt(5)];
        c.temsilciId = temsilciler[size_t(k % kTemsilciSayisi)];
        c.odeme = k == 0 ? 2 : r.agirlikli({60, 28, 12});   // BAYI3 sees the overdue warning
        c.siparisAyda = r.agirlikli({0, 30, 35, 20, 15});
        c.vitrin = k < 6;
        if (c.siparisAyda < 1)
            c.siparisAyda = 1;

        cariEkle.bagla({c.kod, c.adi, adres1, metin(adres2), ilce, u(sh.ad), tel1, metin(tel2), gsm, metin(fax1), metin({}), eposta,
                        QStringLiteral("muhasebe@") + alanAdi, ilce + QStringLiteral(" V.D."), vergiNo, c.yetkili,
                        u(sec(r, kAnaGruplar)), r.yuzde(50) ? QStringLiteral("A") : QStringLiteral("B"),
                        QStringLiteral("K%1").arg(r.aralik(1, 5)), c.temsilciId, c.ind[0], c.ind[1], c.ind[2], c.ind[3],
                        c.fiyatListesi, c.vadeGun})
            .calistir();
        c.id = cariEkle.sonEklenen();

        // Some dealers get other rates for a few main groups; the second
        // demo dealer always does, so that its users see both kinds.
        if (k == 1 || (k > 1 && r.yuzde(25))) {
            const int adet = k == 1 ? 2 : r.aralik(1, 3);
            const quint32 bas = k == 1 ? 0 : r.alt(8);
            for (int g = 0; g < adet; ++g) {
                GrupIndirim gi;
                gi.anagrup = u(kIndirimGruplari[(bas + quint32(g) * 3) % 8]);
                gi.ind[0] = 5.0 * r.aralik(2, 6);
                gi.ind[1] = r.yuzde(50) ? 5.0 : 0.0;
                grupEkle.bagla({c.id, gi.anagrup, gi.ind[0], gi.ind[1], gi.ind[2], gi.ind[3]}).calistir();
                c.grup.push_back(gi);
            }
        }
        b.cariler.push_back(std::move(c));
    }

    // Users: the demo's named users first, then nobody else; dealers without
    // a user of their own order through their representative.
    Sorgu kullaniciEkle(b.db, QStringLiteral(
        "INSERT INTO kullanici(adi, sifre, aktif, tip, mail, cari_id, temsilci_id) VALUES(?, ?, ?, ?, ?, ?, ?)"));
    Sorgu istasyonEkle(b.db, QStringLiteral(
        "INSERT INTO istasyon(bilgisayar_id, kullanici_id, kayit_tarihi, aciklama) VALUES(?, ?, ?, ?)"));
    std::vector<qint64> temsilciKullanicisi(size_t(kTemsilciSayisi), 0);
    int temsilciSira = 0, cariSira = 0;
    for (const DemoKullanici &d : kullanicilar()) {
        QVariant cari, temsilci;
        QString mail;
        int ti = -1;
        CariOzet *c = nullptr;
        if (d.tip <= 2) {
            ti = temsilciSira++ % kTemsilciSayisi;
            temsilci = temsilciler[size_t(ti)];
            // A representative starts with a dealer of its own beyond the
            // dealers that have users of their own.
            cari = b.cariler[size_t(kTemsilciSayisi + ti)].id;
            mail = u(kTemsilciler[ti].mail);
        } else {
            c = &b.cariler[size_t(cariSira++)];
            cari = c->id;
            mail = sadelestir(u(d.ad)) + u'@' + c->alanAdi;
        }
        kullaniciEkle.bagla({u(d.ad), u(d.sifre), d.aktif ? 1 : 0, d.tip, mail, cari, temsilci}).calistir();
        const qint64 id = kullaniciEkle.sonEklenen();
        if (ti >= 0 && temsilciKullanicisi[size_t(ti)] == 0)
            temsilciKullanicisi[size_t(ti)] = id;
        if (c && d.aktif)
            c->kullaniciId = id;
        if (c)
            c->kampanyaGorur = d.tip != 4;
        istasyonEkle.bagla({u(d.istasyon), id, anMetni(referansTarihi(), 9 * 3600), QStringLiteral("demo")}).calistir();
    }
    for (CariOzet &c : b.cariler)
        for (int i = 0; i < kTemsilciSayisi; ++i)
            if (temsilciler[size_t(i)] == c.temsilciId)
                c.temsilciKullaniciId = temsilciKullanicisi[size_t(i)];
}

void kargolariYaz(Baglam &b)
{
    Sorgu teslim(b.db, QStringLiteral("INSERT INTO teslim_cinsi(adi) VALUES(?)"));
    for (const char *t : {"Kargo ile", "Ambardan Teslim", "Servis Aracı ile", "Kurye ile"}) {
        teslim.bagla(u(t)).calistir();
        b.teslimler.push_back(teslim.sonEklenen());
    }
    struct Firma {
        const char *adi;
        const char *uyari;
    };
    struct Cins {
        const char *adi;
        std::vector<Firma> firmalar;
    };
    // "Anlaşmalı Kargo" has one company only: choosing the kind picks it.
    const std::vector<Cins> cinsler = {
        {"Alıcı Ödemeli",
         {{"Yurtiçi Kargo", ""},
          {"Aras Kargo", "Cumartesi teslimat yoktur."},
          {"MNG Kargo", ""},
          {"Sürat Kargo", "Ağır parçalarda ek ücret alınır."},
          {"PTT Kargo", "Teslimat süresi 3-5 iş günüdür."}}},
        {"Gönderici Ödemeli",
         {{"Aras Kargo", "Cumartesi teslimat yoktur."}, {"MNG Kargo", ""}, {"Sürat Kargo", "Ağır parçalarda ek ücret alınır."}, {"UPS Kargo", ""}}},
        {"Anlaşmalı Kargo", {{"Yurtiçi Kargo", "Anlaşmalı gönderiler ertesi iş günü teslim edilir."}}},
    };
    Sorgu cins(b.db, QStringLiteral("INSERT INTO kargo_cinsi(adi) VALUES(?)"));
    Sorgu firma(b.db, QStringLiteral("INSERT INTO kargo_firma(kargo_cinsi_id, adi, uyari) VALUES(?, ?, ?)"));
    for (const Cins &c : cinsler) {
        cins.bagla(u(c.adi)).calistir();
        const qint64 cid = cins.sonEklenen();
        b.kargoCinsleri.push_back(cid);
        b.kargoFirmalari.emplace_back();
        for (const Firma &f : c.firmalar) {
            firma.bagla({cid, u(f.adi), metin(u(f.uyari))}).calistir();
            b.kargoFirmalari.back().push_back(firma.sonEklenen());
        }
    }
}

void CariOzet::fiyatla(const StokOzet &s, bool kampanyaGecerli, double *fiyat, double oran[4]) const
{
    // The dealer's rates, or those of the item's main group when it has them.
    StokFiyatGirdisi g;
    g.listeFiyati1 = s.liste1;
    g.listeFiyati2 = s.liste2;
    g.fiyatListesi = fiyatListesi;
    g.kampFiyati = s.kamp;
    g.kampanyada = s.kampanya;
    g.kampanyaGorur = kampanyaGecerli && kampanyaGorur;
    g.kdv = s.kdv;
    const double *kaynak = ind;
    for (const GrupIndirim &gi : grup)
        if (gi.anagrup == s.anagrup)
            kaynak = gi.ind;
    std::copy(kaynak, kaynak + 4, g.oranlar.begin());
    const StokFiyati f = stokFiyati(g);
    *fiyat = f.fiyat;
    std::copy(f.oranlar.begin(), f.oranlar.end(), oran);
}

}  // namespace ks::demo
