// Demo baskets and account history: orders in every state with partial
// deliveries and cancelled lines, the invoices of what was delivered, returns,
// collections and payments with their card receipts, and the statement
// ledger that adds them up. Every dealer is planned in memory first; the
// documents are then written in date order, so that order, invoice and
// receipt numbers grow with time as a real distributor's do.

#include "demoic.h"

#include <QLocale>
#include <QVariant>
#include <algorithm>
#include <deque>
#include <map>

namespace ks::demo {

namespace {

struct SiparisSatiri {
    const StokOzet *stok = nullptr;
    double miktar = 1, teslim = 0, fiyat = 0, ilkFiyat = 0, kdv = 20;
    double ind[4] = {0, 0, 0, 0};
    bool iptal = false;
    QString verilis;
    qint64 id = 0;
};

struct Siparis {
    const CariOzet *cari = nullptr;
    QDate tarih;
    int saniye = 0;
    int durum = 1;
    qint64 veren = 0, teslimId = 0, kargoCinsi = 0, kargoFirma = 0;
    QString aciklama, bizimMesaj, saticiNotu;
    std::vector<SiparisSatiri> satirlar;
    qint64 id = 0;
};

struct FaturaSatiri {
    const StokOzet *stok = nullptr;
    double miktar = 0, fiyat = 0, kdv = 20;
    double ind[4] = {0, 0, 0, 0};
    const SiparisSatiri *siparisSatiri = nullptr;
};

struct Fatura {
    const CariOzet *cari = nullptr;
    const Siparis *siparis = nullptr;
    const Fatura *iadeEdilen = nullptr;
    QDate tarih, vade;
    bool iade = false;
    std::vector<FaturaSatiri> satirlar;
    double toplam = 0;
    qint64 id = 0;
    QString evrakNo;
};

struct Tahsilat {
    const CariOzet *cari = nullptr;
    QDate tarih, vade;
    bool tediye = false;
    QString odemeSekli, aciklama, banka;
    int taksit = 1;
    double tutar = 0;
    int saniye = 0;
    QString kartNo, onayKodu;
    qint64 id = 0;
    QString evrakNo;
};

struct Devir {
    const CariOzet *cari = nullptr;
    QDate tarih;
    double tutar = 0;   // positive: the dealer owes
};

const char *const kDealerNotlari[] = {
    "Acil lütfen.", "Cumartesi teslim alabiliriz.", "Faturayı e-posta ile gönderiniz.",
    "Eksik ürün varsa haber veriniz.", "Parçaları ayrı paketleyiniz.",
    "Müşteri aracı serviste bekliyor,\nöğlene kadar gönderirseniz seviniriz.",
    "Geçen haftaki siparişle birlikte gönderilebilir.",
};
const char *const kBizimMesajlar[] = {
    "Siparişiniz alınmıştır.", "Siparişiniz hazırlanmaktadır.",
    "Eksik ürünler tedarik edilince gönderilecektir.", "Siparişiniz kargoya verilmiştir.",
    "Stokta olmayan kalemler iptal edilmiştir.", "Teşekkür ederiz, iyi çalışmalar.",
};
const char *const kSaticiNotlari[] = {
    "Müşteri ile telefonda görüşüldü.", "Fiyat farkı temsilci onaylıdır.",
    "Ödeme sonrası sevk edilecek.", "Ürünler depo 2'den karşılanacak.",
};
const char *const kBankalar[] = {"Türkiye İş Bankası", "Garanti BBVA", "Yapı Kredi", "Akbank",
                                 "Ziraat Bankası", "Halkbank", "VakıfBank"};
const char *const kKartOnEkleri[] = {"4543 60", "5400 61", "4022 04", "5528 79", "4938 41", "5170 21"};

template <class T, size_t N>
const T &sec(Rastgele &r, const T (&a)[N]) { return a[r.alt(N)]; }

QString u(const char *s) { return QString::fromUtf8(s); }

double miktarSec(Rastgele &r, const StokOzet &s)
{
    if (s.birim == QLatin1String("LT"))
        return r.aralik(1, 20);
    if (s.birim == QLatin1String("TAKIM"))
        return r.aralik(1, 4);
    // Dear parts go one or two at a time.
    if (s.liste1 > 2500)
        return 1 + r.agirlikli({70, 25, 5});
    static const int adetler[] = {1, 2, 3, 4, 5, 6, 10, 20};
    return adetler[r.agirlikli({35, 25, 10, 12, 5, 5, 5, 3})];
}

// The state an order has reached after `gun` days.
int durumSec(Rastgele &r, int gun)
{
    if (gun <= 1)
        return 1 + r.agirlikli({70, 30});
    if (gun <= 3)
        return 1 + r.agirlikli({20, 50, 30});
    if (gun <= 10)
        return 2 + r.agirlikli({15, 35, 25, 25});
    if (gun <= 25)
        return 3 + r.agirlikli({10, 20, 25, 45});
    if (gun <= 60)
        return 6 + r.agirlikli({30, 70});
    return 6 + r.agirlikli({4, 96});
}

double kismi(Rastgele &r, double miktar) { return miktar >= 2 ? r.aralik(1, int(miktar) - 1) : 0.0; }

// Delivered quantities and cancellations that fit the order's state.
void teslimatlar(Rastgele &r, Siparis &s)
{
    bool parcali = false;
    for (SiparisSatiri &l : s.satirlar) {
        switch (s.durum) {
        case 1:
        case 2: break;
        case 3: l.iptal = r.yuzde(5); break;
        case 4:
            switch (r.agirlikli({25, 45, 30})) {
            case 1: l.teslim = kismi(r, l.miktar); break;
            case 2: l.teslim = l.miktar; break;
            default: break;
            }
            break;
        case 5: l.teslim = r.yuzde(30) ? kismi(r, l.miktar) : 0.0; break;
        case 6:
            switch (r.agirlikli({70, 25, 5})) {
            case 0: l.teslim = l.miktar; break;
            case 1: l.teslim = kismi(r, l.miktar); break;
            default: break;
            }
            break;
        default:   // closed: delivered, or what could not be delivered is cancelled
            switch (r.agirlikli({80, 12, 8})) {
            case 0: l.teslim = l.miktar; break;
            case 1: l.teslim = kismi(r, l.miktar); l.iptal = l.teslim < l.miktar; break;
            default: l.iptal = true; break;
            }
            break;
        }
        parcali = parcali || (l.teslim > 0 && l.teslim < l.miktar);
    }
    // "Partly prepared" shows at least one line delivered in part.
    if (s.durum == 4 && !parcali) {
        SiparisSatiri &l = s.satirlar.front();
        l.miktar = qMax(l.miktar, 2.0);
        l.teslim = l.miktar - 1;
    }
}

struct Plan {
    std::deque<Siparis> siparisler;
    std::deque<Fatura> faturalar;
    std::deque<Tahsilat> tahsilatlar;
    std::vector<Devir> devirler;
};

QString saniyeliAn(const QDate &g, int saniye) { return anMetni(g, saniye); }

void siparisleriPlanla(const Baglam &b, const CariOzet &c, Rastgele &r, Plan &p)
{
    const QDate ref = referansTarihi();
    const QDate bas = QDate(ref.year(), ref.month(), 1).addMonths(-18);
    std::vector<std::pair<QDate, int>> tarihler;   // date, forced state (0: by age)
    for (QDate ay = bas; ay <= ref; ay = ay.addMonths(1)) {
        const bool buAy = ay.year() == ref.year() && ay.month() == ref.month();
        if (buAy && c.vitrin)
            continue;
        const int adet = qMax(0, c.siparisAyda + r.aralik(-1, 1));
        const int sonGun = buAy ? ref.day() : ay.daysInMonth();
        for (int i = 0; i < adet; ++i)
            tarihler.emplace_back(QDate(ay.year(), ay.month(), r.aralik(1, sonGun)), 0);
    }
    // The dealers the demo users meet first show every state this month.
    if (c.vitrin)
        for (int d = 7; d >= 1; --d)
            tarihler.emplace_back(ref.addDays(-qMin(ref.day() - 1, (d - 1) * 9 / 6)), d);
    std::stable_sort(tarihler.begin(), tarihler.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });

    for (const auto &[tarih, zorunlu] : tarihler) {
        Siparis s;
        s.cari = &c;
        s.tarih = tarih;
        s.saniye = r.aralik(8 * 3600, 18 * 3600);
        const int gun = int(tarih.daysTo(ref));
        s.durum = zorunlu ? zorunlu : durumSec(r, gun);
        s.veren = c.kullaniciId && r.yuzde(70) ? c.kullaniciId : c.temsilciKullaniciId;
        s.teslimId = b.teslimler[size_t(r.agirlikli({55, 25, 15, 5}))];
        const size_t kc = r.alt(quint32(b.kargoCinsleri.size()));
        s.kargoCinsi = b.kargoCinsleri[kc];
        s.kargoFirma = b.kargoFirmalari[kc][r.alt(quint32(b.kargoFirmalari[kc].size()))];
        if (r.yuzde(40))
            s.aciklama = u(sec(r, kDealerNotlari));
        if (s.durum >= 2 && r.yuzde(50))
            s.bizimMesaj = u(kBizimMesajlar[qMin(int(r.alt(2)) + (s.durum >= 6 ? 3 : s.durum >= 4 ? 2 : 0), 5)]);
        if (s.durum >= 3 && r.yuzde(15))
            s.saticiNotu = u(sec(r, kSaticiNotlari));
        else if (r.yuzde(2))
            s.saticiNotu = QStringLiteral("   ");

        const int satirSayisi = 1 + r.agirlikli({20, 20, 18, 14, 10, 8, 5, 5});
        const bool kampanya = gun <= 60;
        for (int i = 0; i < satirSayisi; ++i) {
            const StokOzet *st = &b.havuzdan(r);
            if (std::any_of(s.satirlar.begin(), s.satirlar.end(), [&](const SiparisSatiri &l) { return l.stok == st; }))
                continue;
            SiparisSatiri l;
            l.stok = st;
            l.miktar = miktarSec(r, *st);
            l.kdv = st->kdv;
            c.fiyatla(*st, kampanya, &l.fiyat, l.ind);
            l.ilkFiyat = l.fiyat;
            // Now and then the representative agreed a lower price.
            if (r.yuzde(5))
                l.fiyat = yuvarla(l.fiyat * (100 - r.aralik(3, 10)) / 100.0);
            l.verilis = saniyeliAn(tarih.addDays(-qMin(int(r.alt(3)), 2)), qMax(0, s.saniye - r.aralik(60, 7200)));
            s.satirlar.push_back(l);
        }
        teslimatlar(r, s);
        p.siparisler.push_back(std::move(s));
    }
}

// What the invoice totals show as the amount with VAT: the lines' nets and
// VATs added up.
double toplamHesapla(Fatura &f)
{
    double net = 0, kdv = 0;
    for (const FaturaSatiri &l : f.satirlar) {
        const SatirTutari t = satirTutari(l.miktar, l.fiyat, {l.ind[0], l.ind[1], l.ind[2], l.ind[3]}, l.kdv);
        net = yuvarla(net + t.netTutar);
        kdv = yuvarla(kdv + t.vergiTutari);
    }
    return yuvarla(net + kdv);
}

void faturalariPlanla(const CariOzet &c, Rastgele &r, Plan &p, size_t ilkSiparis)
{
    const QDate ref = referansTarihi();
    for (size_t i = ilkSiparis; i < p.siparisler.size(); ++i) {
        const Siparis &s = p.siparisler[i];
        Fatura f;
        f.cari = &c;
        f.siparis = &s;
        f.tarih = qMin(ref, s.tarih.addDays(r.aralik(1, 4)));
        f.vade = f.tarih.addDays(c.vadeGun);
        for (const SiparisSatiri &l : s.satirlar)
            if (l.teslim > 0)
                f.satirlar.push_back({l.stok, l.teslim, l.fiyat, l.kdv, {l.ind[0], l.ind[1], l.ind[2], l.ind[3]}, &l});
        if (f.satirlar.empty())
            continue;
        f.toplam = toplamHesapla(f);
        p.faturalar.push_back(std::move(f));
        const Fatura &satis = p.faturalar.back();

        // A few deliveries come back in part.
        if (r.yuzde(4)) {
            Fatura iade;
            iade.cari = &c;
            iade.iade = true;
            iade.iadeEdilen = &satis;
            iade.tarih = satis.tarih.addDays(r.aralik(5, 30));
            if (iade.tarih > ref)
                continue;
            iade.vade = iade.tarih;
            const FaturaSatiri &l = satis.satirlar[r.alt(quint32(satis.satirlar.size()))];
            FaturaSatiri x = l;
            x.miktar = r.aralik(1, int(l.miktar));
            x.siparisSatiri = nullptr;
            iade.satirlar.push_back(x);
            iade.toplam = toplamHesapla(iade);
            p.faturalar.push_back(std::move(iade));
        }
    }
}

Tahsilat tahsilatYap(const CariOzet &c, Rastgele &r, const QDate &tarih, double tutar)
{
    Tahsilat t;
    t.cari = &c;
    t.tarih = tarih;
    t.vade = tarih;
    t.tutar = yuvarla(tutar);
    t.saniye = r.aralik(9 * 3600, 17 * 3600);
    static const char *const sekiller[] = {"Havale", "Kredi Kartı", "Nakit", "Çek"};
    t.odemeSekli = u(sekiller[r.agirlikli({40, 25, 15, 20})]);
    t.banka = u(sec(r, kBankalar));
    if (t.odemeSekli == QStringLiteral("Kredi Kartı")) {
        static const int taksitler[] = {1, 2, 3, 6, 9};
        t.taksit = taksitler[r.agirlikli({50, 10, 20, 15, 5})];
        t.kartNo = u(sec(r, kKartOnEkleri)) + QStringLiteral("** **** ") + desen(r, QStringLiteral("####"));
        t.onayKodu = desen(r, QStringLiteral("######"));
        t.aciklama = t.taksit > 1 ? QStringLiteral("Sanal POS - %1 (%2 taksit)").arg(t.banka).arg(t.taksit)
                                  : QStringLiteral("Sanal POS - %1 (tek çekim)").arg(t.banka);
    } else if (t.odemeSekli == QStringLiteral("Çek")) {
        t.vade = tarih.addDays(r.aralik(30, 90));
        t.aciklama = QStringLiteral("Çek - %1 No: %2").arg(t.banka, desen(r, QStringLiteral("#######")));
    } else if (t.odemeSekli == QLatin1String("Havale")) {
        t.aciklama = QStringLiteral("Havale - %1").arg(t.banka);
    } else {
        t.aciklama = QStringLiteral("Nakit tahsilat");
    }
    return t;
}

// When the dealer pays what it owes: on time, late, or not yet.
void odemeleriPlanla(const CariOzet &c, Rastgele &r, Plan &p, size_t ilkFatura, const Devir &devir)
{
    const QDate ref = referansTarihi();
    std::map<QDate, std::pair<QDate, double>> haftalar;   // Monday → last pay day, amount
    auto ode = [&](const QDate &tarih, const QDate &vade, double tutar) {
        QDate gun;
        switch (c.odeme) {
        case 0: gun = vade.addDays(r.aralik(-10, 5)); break;
        case 1: gun = vade.addDays(r.aralik(5, 60)); break;
        default:
            if (r.yuzde(25))
                return;
            gun = vade.addDays(r.aralik(20, 120));
            break;
        }
        gun = qMax(gun, tarih.addDays(1));
        if (gun > ref)
            return;
        auto &h = haftalar[gun.addDays(1 - gun.dayOfWeek())];
        h.first = qMax(h.first, gun);
        h.second += tutar;
    };
    if (devir.tutar > 0)
        ode(devir.tarih, devir.tarih.addDays(30), devir.tutar);
    for (size_t i = ilkFatura; i < p.faturalar.size(); ++i) {
        const Fatura &f = p.faturalar[i];
        if (f.iade) {
            // Returns are paid back now and then.
            if (r.yuzde(60)) {
                const QDate gun = f.tarih.addDays(r.aralik(3, 10));
                if (gun <= ref) {
                    Tahsilat t = tahsilatYap(c, r, gun, f.toplam);
                    t.tediye = true;
                    t.odemeSekli = QStringLiteral("Havale");
                    t.vade = gun;
                    t.kartNo.clear();
                    t.aciklama = QStringLiteral("İade bedeli ödemesi - %1").arg(t.banka);
                    p.tahsilatlar.push_back(t);
                }
            }
            continue;
        }
        ode(f.tarih, f.vade, f.toplam);
    }
    for (const auto &[pazartesi, h] : haftalar)
        p.tahsilatlar.push_back(tahsilatYap(c, r, h.first, h.second));
}

}  // namespace

void sepetleriYaz(Baglam &b)
{
    const QDate ref = referansTarihi();
    Sorgu ekle(b.db, QStringLiteral(
        "INSERT INTO sepet(cari_id, stok_id, miktar, birimfiyat, ind1, ind2, ind3, ind4, kdv, sec, veren_id, verilis) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const CariOzet &c : b.cariler) {
        Rastgele r = akis(kSepet, quint64(c.id));
        if (!c.vitrin && !r.yuzde(40))
            continue;
        const int adet = r.aralik(2, 7);
        std::vector<qint64> konan;
        for (int i = 0; i < adet; ++i) {
            const StokOzet &s = b.havuzdan(r);
            if (std::find(konan.begin(), konan.end(), s.id) != konan.end())
                continue;
            konan.push_back(s.id);
            double fiyat, ind[4];
            c.fiyatla(s, true, &fiyat, ind);
            const qint64 veren = c.kullaniciId && r.yuzde(70) ? c.kullaniciId : c.temsilciKullaniciId;
            const bool secili = i == 0 || r.yuzde(50);
            ekle.bagla({c.id, s.id, miktarSec(r, s), fiyat, ind[0], ind[1], ind[2], ind[3], s.kdv, secili ? 1 : 0,
                        veren ? QVariant(veren) : QVariant(), anMetni(ref.addDays(-r.aralik(0, 6)), r.aralik(8 * 3600, 18 * 3600))})
                .calistir();
        }
    }
}

void hareketleriYaz(Baglam &b)
{
    const QDate ref = referansTarihi();
    const QDate bas = QDate(ref.year(), ref.month(), 1).addMonths(-18);
    Plan p;
    for (const CariOzet &c : b.cariler) {
        Rastgele r = akis(kSiparis, quint64(c.id));
        Devir d;
        d.cari = &c;
        d.tarih = bas.addDays(-1);
        d.tutar = r.yuzde(85) ? r.aralik(0, 6000000) / 100.0 : -r.aralik(10000, 500000) / 100.0;
        const size_t ilkSiparis = p.siparisler.size(), ilkFatura = p.faturalar.size();
        siparisleriPlanla(b, c, r, p);
        faturalariPlanla(c, r, p, ilkSiparis);
        Rastgele ro = akis(kOdeme, quint64(c.id));
        odemeleriPlanla(c, ro, p, ilkFatura, d);
        p.devirler.push_back(d);
    }

    // Orders in the order they were placed.
    std::vector<Siparis *> siparisler;
    for (Siparis &s : p.siparisler)
        siparisler.push_back(&s);
    std::stable_sort(siparisler.begin(), siparisler.end(), [](const Siparis *a, const Siparis *b) {
        return std::pair(a->tarih, a->saniye) < std::pair(b->tarih, b->saniye);
    });
    Sorgu siparisEkle(b.db, QStringLiteral(
        "INSERT INTO siparis(cari_id, veren_id, tarih, teslim_id, kargo_cinsi_id, kargo_firma_id, aciklama, bizim_mesaj, "
        "satici_notu, durum) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    Sorgu satirEkle(b.db, QStringLiteral(
        "INSERT INTO siparis_satir(siparis_id, stok_id, miktar, teslim, birimfiyat, ilkfiyat, ind1, ind2, ind3, ind4, kdv, "
        "sepet_sirano, veren_id, verilis, iptal) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    qint64 sepetSirano = 0;
    for (Siparis *s : siparisler) {
        const QVariant veren = s->veren ? QVariant(s->veren) : QVariant();
        siparisEkle.bagla({s->cari->id, veren, anMetni(s->tarih, s->saniye), s->teslimId, s->kargoCinsi, s->kargoFirma,
                           metin(s->aciklama), metin(s->bizimMesaj), metin(s->saticiNotu), s->durum})
            .calistir();
        s->id = siparisEkle.sonEklenen();
        for (SiparisSatiri &l : s->satirlar) {
            satirEkle.bagla({s->id, l.stok->id, l.miktar, l.teslim, l.fiyat, l.ilkFiyat, l.ind[0], l.ind[1], l.ind[2],
                             l.ind[3], l.kdv, ++sepetSirano, veren, l.verilis, l.iptal ? 1 : 0})
                .calistir();
            l.id = satirEkle.sonEklenen();
        }
    }

    // An item's quantity in received orders includes what the dealers'
    // open lines still wait for (orders taken by phone make up the rest).
    calistir(b.db, QStringLiteral(
        "UPDATE stok SET alinansiparis = alinansiparis + (SELECT SUM(l.miktar - l.teslim) FROM siparis_satir l "
        "WHERE l.stok_id = stok.id AND l.iptal = 0 AND l.teslim < l.miktar) "
        "WHERE id IN (SELECT stok_id FROM siparis_satir WHERE iptal = 0 AND teslim < miktar)"));

    // Invoices, numbered per series and year in date order.
    std::vector<Fatura *> faturalar;
    for (Fatura &f : p.faturalar)
        faturalar.push_back(&f);
    std::stable_sort(faturalar.begin(), faturalar.end(), [](const Fatura *a, const Fatura *b) { return a->tarih < b->tarih; });
    Sorgu faturaEkle(b.db, QStringLiteral(
        "INSERT INTO fatura(cari_id, tarih, vade, tur, seri, sira, aciklama, satici_id) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
    Sorgu faturaSatirEkle(b.db, QStringLiteral(
        "INSERT INTO fatura_satir(fatura_id, stok_id, miktar, birimfiyat, ind1, ind2, ind3, ind4, kdv, siparis_satir_id) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    std::map<std::pair<bool, int>, int> siralar;
    for (Fatura *f : faturalar) {
        const QString seri = f->iade ? QStringLiteral("IAD") : QStringLiteral("KRV");
        const int sira = ++siralar[{f->iade, f->tarih.year()}];
        f->evrakNo = seri + QString::number(f->tarih.year()) + QString::number(sira).rightJustified(9, u'0');
        const QString aciklama = f->iade ? QStringLiteral("%1 faturasından iade").arg(f->iadeEdilen->evrakNo)
                                         : QStringLiteral("Sipariş No: %1").arg(f->siparis->id);
        faturaEkle.bagla({f->cari->id, gunMetni(f->tarih), gunMetni(f->vade),
                          f->iade ? QStringLiteral("İade Faturası") : QStringLiteral("Satış Faturası"), seri, sira,
                          aciklama, f->cari->temsilciId})
            .calistir();
        f->id = faturaEkle.sonEklenen();
        for (const FaturaSatiri &l : f->satirlar)
            faturaSatirEkle.bagla({f->id, l.stok->id, l.miktar, l.fiyat, l.ind[0], l.ind[1], l.ind[2], l.ind[3], l.kdv,
                                   l.siparisSatiri ? QVariant(l.siparisSatiri->id) : QVariant()})
                .calistir();
    }

    // Collections and payments, card payments with their receipts.
    std::vector<Tahsilat *> tahsilatlar;
    for (Tahsilat &t : p.tahsilatlar)
        tahsilatlar.push_back(&t);
    std::stable_sort(tahsilatlar.begin(), tahsilatlar.end(), [](const Tahsilat *a, const Tahsilat *b) {
        return std::pair(a->tarih, a->saniye) < std::pair(b->tarih, b->saniye);
    });
    Sorgu tahsilatEkle(b.db, QStringLiteral(
        "INSERT INTO tahsilat(cari_id, tarih, vade, tur, odeme_sekli, tutar, aciklama, evrakno) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
    Sorgu sanalposEkle(b.db, QStringLiteral(
        "INSERT INTO sanalpos(tahsilat_id, odeyen, kart_no, kart_sahibi, banka, taksit, onay_kodu, tutar, tarih) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    std::map<std::pair<bool, int>, int> tSiralar;
    for (Tahsilat *t : tahsilatlar) {
        const int sira = ++tSiralar[{t->tediye, t->tarih.year()}];
        t->evrakNo = (t->tediye ? QStringLiteral("TD") : QStringLiteral("TH")) + QString::number(t->tarih.year())
                     + QString::number(sira).rightJustified(6, u'0');
        tahsilatEkle.bagla({t->cari->id, gunMetni(t->tarih), gunMetni(t->vade),
                            t->tediye ? QStringLiteral("Tediye") : QStringLiteral("Tahsilat"), t->odemeSekli, t->tutar,
                            t->aciklama, t->evrakNo})
            .calistir();
        t->id = tahsilatEkle.sonEklenen();
        if (!t->kartNo.isEmpty())
            sanalposEkle.bagla({t->id, t->cari->adi, t->kartNo, tr.toUpper(t->cari->yetkili), t->banka, t->taksit,
                                t->onayKodu, t->tutar, anMetni(t->tarih, t->saniye)})
                .calistir();
    }

    // The statement: opening balance, invoices, collections, in date order.
    struct Hareket {
        QDate tarih;
        int tur;   // 0 opening balance, 1 invoice, 2 collection or payment
        qint64 sira;
        const CariOzet *cari;
        QDate vade;
        QString turadi, evrakno, aciklama;
        double borc, alacak;
        qint64 faturaId, tahsilatId;
    };
    std::vector<Hareket> hareketler;
    for (const Devir &d : p.devirler)
        hareketler.push_back({d.tarih, 0, d.cari->id, d.cari, d.tarih, QStringLiteral("Devir"), QString(),
                              QStringLiteral("Önceki dönemden devir"), qMax(0.0, d.tutar), qMax(0.0, -d.tutar), 0, 0});
    for (const Fatura *f : faturalar)
        hareketler.push_back({f->tarih, 1, f->id, f->cari, f->vade,
                              f->iade ? QStringLiteral("İade Faturası") : QStringLiteral("Satış Faturası"), f->evrakNo,
                              f->iade ? QStringLiteral("İade") : QStringLiteral("Sipariş No: %1").arg(f->siparis->id),
                              f->iade ? 0.0 : f->toplam, f->iade ? f->toplam : 0.0, f->id, 0});
    for (const Tahsilat *t : tahsilatlar)
        hareketler.push_back({t->tarih, 2, t->id, t->cari, t->vade,
                              t->tediye ? QStringLiteral("Tediye") : QStringLiteral("Tahsilat"), t->evrakNo,
                              t->aciklama, t->tediye ? t->tutar : 0.0,
                              t->tediye ? 0.0 : t->tutar, 0, t->id});
    std::sort(hareketler.begin(), hareketler.end(), [](const Hareket &a, const Hareket &b) {
        return std::tuple(a.tarih, a.tur, a.sira) < std::tuple(b.tarih, b.tur, b.sira);
    });
    Sorgu hareketEkle(b.db, QStringLiteral(
        "INSERT INTO cari_hareket(cari_id, tarih, vade, turadi, evrakno, aciklama, borc, alacak, fatura_id, tahsilat_id) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Hareket &h : hareketler)
        hareketEkle.bagla({h.cari->id, gunMetni(h.tarih), gunMetni(h.vade), h.turadi, metin(h.evrakno), h.aciklama, h.borc,
                           h.alacak, h.faturaId ? QVariant(h.faturaId) : QVariant(),
                           h.tahsilatId ? QVariant(h.tahsilatId) : QVariant()})
            .calistir();
}

}  // namespace ks::demo
