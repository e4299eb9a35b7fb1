// The sales representative's workspace: dealer search and lists, basket and
// order-state counts, and the representative's PDF reports.
//
// Which dealers a user sees (cari.h, Yetki): type 2 every dealer, type 1 the
// dealers whose representative is the user's own, types 3 and 4 only their
// own dealer account. The user is the session record's Sirano; for reports
// the `idno` argument, which the client fills with that same number.

#include "cari.h"
#include "docs/pdf.h"
#include "fiyat.h"
#include "hesapgruplari.h"
#include "protocol/cagri.h"
#include "stokarama.h"
#include "store/depo.h"
#include "tarih.h"

#include <QHash>
#include <QLocale>
#include <map>

namespace ks {

namespace {

using K = kw::KolonTipi;

// Dealer lists of CariSepetVer: 1 dealers with basket lines, 2..7 dealers
// with orders in one state (siparis.durum).
int listeDurumu(int n)
{
    switch (n) {
    case 2: return 1;   // Alındı
    case 3: return 3;   // Onaylandı
    case 4: return 2;   // Görüldü
    case 5: return 4;   // Parçalı Hazırlandı
    case 6: return 5;   // Hazırlandı
    case 7: return 6;   // Sevk Edildi
    }
    return 0;
}

QString gunYaz(const QDate &d) { return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString(); }

enum class Suzgec { Hepsi, Metin, Sepet, Durum };

// The dealer rows of the workspace list, for the dealers the user may see.
kw::Tablo cariListesi(const QSqlDatabase &db, const Yetki &y, Suzgec suzgec, const QString &metin = {}, int durum = 0)
{
    kw::Tablo t;
    t.kolonlar = {{"CARINO", K::Int32},       {"CARIKOD", K::String},    {"CARIADI", K::String},
                  {"SATICISI", K::String},    {"TLBAKIYE", K::Double},   {"DURUM", K::String},
                  {"SEPET", K::Int32},        {"ALINDI", K::Int32},      {"ONAYLANDI", K::Int32},
                  {"GORULDU", K::Int32},      {"HAZIRLANDI", K::Int32},  {"PARCALIHAZIRLANDI", K::Int32},
                  {"SEVKEDILDI", K::Int32},   {"OZELKOD", K::String},    {"ANAGRUP", K::String},
                  {"ALTGRUP", K::String},     {"YETKILI", K::String},    {"ADRES1", K::String},
                  {"ADRES2", K::String},      {"ILCE", K::String},       {"IL", K::String},
                  {"VERGIDAIRESI", K::String}, {"VERGINO", K::String},   {"TEL1", K::String},
                  {"TEL2", K::String},        {"FAX1", K::String},       {"FAX2", K::String},
                  {"GSM", K::String},         {"EMAIL", K::String},      {"VADE", K::Int32},
                  {"INDIRIM", K::Double},     {"KOD1", K::String},       {"KOD2", K::String},
                  {"KOD3", K::String},        {"KOD4", K::String},       {"KOD5", K::String},
                  {"VADEKONTROLGUN", K::Int32}, {"VADEKONTROLAY", K::Int32}};

    QString kosul;
    if (suzgec == Suzgec::Sepet)
        kosul = QStringLiteral(" AND EXISTS (SELECT 1 FROM sepet WHERE sepet.cari_id=c.id)");
    else if (suzgec == Suzgec::Durum)
        kosul = QStringLiteral(" AND EXISTS (SELECT 1 FROM siparis WHERE siparis.cari_id=c.id AND siparis.durum=?)");
    Sorgu s(db, QStringLiteral(
        "SELECT c.id, c.kod, c.adi, COALESCE(t.adi, ''), c.ozelkod, c.anagrup, c.altgrup, c.yetkili, c.adres1, "
        "c.adres2, c.ilce, c.sehir, c.vergidairesi, c.vergino, c.tel1, c.tel2, c.fax1, c.fax2, c.gsm, c.email, "
        "c.vade_gun, c.ind1, "
        "(SELECT COALESCE(SUM(borc), 0) - COALESCE(SUM(alacak), 0) FROM cari_hareket h WHERE h.cari_id=c.id), "
        "(SELECT COUNT(*) FROM sepet WHERE sepet.cari_id=c.id) "
        "FROM cari c LEFT JOIN temsilci t ON t.id=c.temsilci_id WHERE c.aktif=1 AND ") +
                    kapsamKosulu() + kosul + QStringLiteral(" ORDER BY c.kod"));
    kapsamBagla(s, y);
    if (suzgec == Suzgec::Durum)
        s.bagla(durum);
    s.calistir();

    const QString aranan = aramaKatla(metin.trimmed());
    QVector<QVector<QVariant>> satirlar;
    QHash<int, int> sira;   // dealer → row
    while (s.sonraki()) {
        auto v = [&s](int i) { return s.deger(i); };
        if (suzgec == Suzgec::Metin && !aranan.isEmpty() && !aramaKatla(v(1).toString()).contains(aranan) &&
            !aramaKatla(v(2).toString()).contains(aranan))
            continue;
        const double bakiye = yuvarla(v(22).toDouble());
        sira.insert(v(0).toInt(), int(satirlar.size()));
        satirlar.push_back({v(0).toInt(), v(1).toString(), v(2).toString(), v(3).toString(), bakiye, bakiyeYonu(bakiye),
                            v(23).toInt(), 0, 0, 0, 0, 0, 0, v(4).toString(), v(5).toString(), v(6).toString(),
                            v(7).toString(), v(8).toString(), v(9).toString(), v(10).toString(), v(11).toString(),
                            v(12).toString(), v(13).toString(), v(14).toString(), v(15).toString(), v(16).toString(),
                            v(17).toString(), v(18).toString(), v(19).toString(), v(20).toInt(), v(21).toDouble(),
                            QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    }
    if (!satirlar.isEmpty()) {
        // Each dealer's orders per state; columns 7..12 hold states 1, 3, 2, 5, 4, 6.
        static const int kolon[7] = {0, 7, 9, 8, 11, 10, 12};
        Sorgu d(db, QStringLiteral("SELECT s.cari_id, s.durum, COUNT(*) FROM siparis s JOIN cari c ON c.id=s.cari_id "
                                   "WHERE s.durum BETWEEN 1 AND 6 AND ") + kapsamKosulu() +
                        QStringLiteral(" GROUP BY s.cari_id, s.durum"));
        kapsamBagla(d, y);
        d.calistir();
        while (d.sonraki()) {
            const auto it = sira.constFind(d.deger(0).toInt());
            if (it != sira.constEnd())
                satirlar[it.value()][kolon[d.deger(1).toInt()]] = d.deger(2).toInt();
        }
    }
    t.satirlar = std::move(satirlar);
    return t;
}

std::shared_ptr<TTusSonuclari> tusSonuclari(const QSqlDatabase &db, const Yetki &y)
{
    auto r = std::make_shared<TTusSonuclari>();
    Sorgu s(db, QStringLiteral("SELECT s.durum, COUNT(*) FROM siparis s JOIN cari c ON c.id=s.cari_id WHERE c.aktif=1 AND ") +
                    kapsamKosulu() + QStringLiteral(" GROUP BY s.durum"));
    kapsamBagla(s, y);
    s.calistir();
    while (s.sonraki()) {
        const int n = s.deger(1).toInt();
        switch (s.deger(0).toInt()) {
        case 1: r->setAlindi(n); break;
        case 2: r->setGoruldu(n); break;
        case 3: r->setOnaylandi(n); break;
        case 4: r->setParcaliHazirlandi(n); break;
        case 5: r->setHazirlandi(n); break;
        case 6: r->setSevkEdildi(n); break;
        }
    }
    return r;
}

// ----------------------------------------------------------------- reports

struct CariBaslik {
    int id = 0;
    QString kod, adi, satici, adres, telefon, yetkili;
    int vadeGun = 0;
    double indirim = 0;
};

bool cariBaslik(const QSqlDatabase &db, int carino, CariBaslik *b)
{
    Sorgu s(db, QStringLiteral("SELECT c.id, c.kod, c.adi, COALESCE(t.adi, ''), c.adres1, c.adres2, c.ilce, c.sehir, "
                               "c.tel1, c.yetkili, c.vade_gun, c.ind1 FROM cari c "
                               "LEFT JOIN temsilci t ON t.id=c.temsilci_id WHERE c.id=?"));
    s.bagla(carino).calistir();
    if (!s.sonraki())
        return false;
    b->id = s.deger(0).toInt();
    b->kod = s.deger(1).toString();
    b->adi = s.deger(2).toString();
    b->satici = s.deger(3).toString();
    QStringList adres;
    for (int i : {4, 5})
        if (!s.deger(i).toString().trimmed().isEmpty())
            adres << s.deger(i).toString().trimmed();
    adres << s.deger(6).toString() + QStringLiteral(" / ") + s.deger(7).toString();
    b->adres = adres.join(QStringLiteral(", "));
    b->telefon = s.deger(8).toString();
    b->yetkili = s.deger(9).toString();
    b->vadeGun = s.deger(10).toInt();
    b->indirim = s.deger(11).toDouble();
    return true;
}

QVector<CariHareket> gunuKadar(const QVector<CariHareket> &h, const QDate &gun)
{
    QVector<CariHareket> r;
    for (const CariHareket &x : h)
        if (!(gun < x.tarih))
            r.push_back(x);
    return r;
}

// Dealer summary as of one day: balance, overdue and open debits, open orders.
QByteArray cariOzeti(const QSqlDatabase &db, const CariBaslik &c, const QString &satici, const QDate &gun)
{
    const QVector<CariHareket> hareketler = gunuKadar(cariHareketleri(db, c.id), gun);
    const CariToplam toplam = cariToplam(hareketler);
    const QVector<AcikBorc> acik = acikBorclar(hareketler);
    const VadeOzeti vade = vadesiGecenler(acik, gun);

    belge::PdfBelge b;
    b.baslik = QStringLiteral("Cari Özeti");
    b.altBaslik = QStringLiteral("%1 - %2, %3 tarihi itibarıyla").arg(c.kod, c.adi, gunYaz(gun));
    belge::PdfBolum cari;
    cari.baslik = QStringLiteral("Cari Bilgileri");
    cari.bilgiler = {{QStringLiteral("Cari Kod:"), c.kod},
                     {QStringLiteral("Cari Adı:"), c.adi},
                     {QStringLiteral("Satıcı:"), satici.trimmed().isEmpty() ? c.satici : satici},
                     {QStringLiteral("Yetkili:"), c.yetkili},
                     {QStringLiteral("Adres:"), c.adres},
                     {QStringLiteral("Telefon:"), c.telefon},
                     {QStringLiteral("Vade (Gün):"), QString::number(c.vadeGun)}};
    belge::PdfBolum hesap;
    hesap.baslik = QStringLiteral("Hesap Durumu");
    hesap.bilgiler = {{QStringLiteral("Toplam Borç:"), tlYaz(toplam.borc) + QStringLiteral(" TL")},
                      {QStringLiteral("Toplam Alacak:"), tlYaz(toplam.alacak) + QStringLiteral(" TL")},
                      {QStringLiteral("Bakiye:"), tlYaz(qAbs(toplam.bakiye)) + QStringLiteral(" TL ") + bakiyeYonu(toplam.bakiye)},
                      {QStringLiteral("Vadesi Geçen:"), tlYaz(vade.tutar) + QStringLiteral(" TL (%1 belge)").arg(vade.adet)}};
    belge::PdfBolum borclar;
    borclar.baslik = QStringLiteral("Açık Borçlar");
    borclar.tabloVar = true;
    borclar.tablo.basliklar = {QStringLiteral("Tarih"), QStringLiteral("Vade"), QStringLiteral("Evrak No"),
                               QStringLiteral("Kalan"), QStringLiteral("Gecikme (Gün)")};
    borclar.tablo.sagaYasli = {false, false, false, true, true};
    borclar.tablo.bosMetin = QStringLiteral("Açık borç yok.");
    double acikToplam = 0;
    for (const AcikBorc &a : acik) {
        acikToplam = yuvarla(acikToplam + a.kalan);
        const int gecikme = a.vade < gun ? int(a.vade.daysTo(gun)) : 0;
        borclar.tablo.satirlar.push_back({gunYaz(a.tarih), gunYaz(a.vade), a.evrak, tlYaz(a.kalan),
                                          gecikme > 0 ? QString::number(gecikme) : QString()});
    }
    if (!acik.isEmpty())
        borclar.tablo.toplam = {QStringLiteral("Toplam"), QString(), QString(), tlYaz(acikToplam), QString()};

    // Open order balances of the dealer.
    Sorgu s(db, QStringLiteral("SELECT ss.miktar - ss.teslim, ss.birimfiyat, ss.ind1, ss.ind2, ss.ind3, ss.ind4, ss.kdv "
                               "FROM siparis_satir ss JOIN siparis sp ON sp.id=ss.siparis_id WHERE sp.cari_id=? "
                               "AND ss.iptal=0 AND ss.teslim < ss.miktar AND sp.durum < 7 AND sp.tarih < ?"));
    s.bagla({c.id, gun.addDays(1).toString(Qt::ISODate)}).calistir();
    int satir = 0;
    double net = 0, vergi = 0;
    while (s.sonraki()) {
        const SatirTutari tt = satirTutari(s.deger(0).toDouble(), s.deger(1).toDouble(),
                                           {s.deger(2).toDouble(), s.deger(3).toDouble(), s.deger(4).toDouble(),
                                            s.deger(5).toDouble()},
                                           s.deger(6).toDouble());
        ++satir;
        net = yuvarla(net + tt.netTutar);
        vergi = yuvarla(vergi + tt.vergiTutari);
    }
    belge::PdfBolum siparis;
    siparis.baslik = QStringLiteral("Açık Sipariş Bakiyeleri");
    siparis.bilgiler = {{QStringLiteral("Açık Satır:"), QString::number(satir)},
                        {QStringLiteral("Net Tutar:"), tlYaz(net) + QStringLiteral(" TL")},
                        {QStringLiteral("KDV Dahil:"), tlYaz(net + vergi) + QStringLiteral(" TL")}};
    b.bolumler = {cari, hesap, borclar, siparis};
    return belge::pdfYap(b);
}

// Purchases and sales of a dealer in a period, by month and by the
// representative on the invoices.
QByteArray alisSatisTablosu(const QSqlDatabase &db, const CariBaslik &c, const QString &satici, const QDate &bas,
                            const QDate &son)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    Sorgu s(db, QStringLiteral("SELECT h.tarih, h.borc, h.alacak, h.fatura_id IS NOT NULL, COALESCE(t.adi, '') "
                               "FROM cari_hareket h LEFT JOIN fatura f ON f.id=h.fatura_id "
                               "LEFT JOIN temsilci t ON t.id=f.satici_id WHERE h.cari_id=? ORDER BY h.tarih, h.id"));
    s.bagla(c.id).calistir();
    struct Ay {
        double satis = 0, iade = 0, tahsilat = 0, diger = 0, bakiye = 0;
    };
    std::map<QString, Ay> aylar;   // "yyyy-MM" → month
    std::map<QString, QPair<int, double>> saticilar;
    double devir = 0, bakiye = 0;
    while (s.sonraki()) {
        const QDate g = QDate::fromString(s.deger(0).toString().left(10), Qt::ISODate);
        const double borc = s.deger(1).toDouble(), alacak = s.deger(2).toDouble();
        if (g < bas) {
            devir = yuvarla(devir + borc - alacak);
            bakiye = devir;
            continue;
        }
        if (son < g)
            break;
        Ay &a = aylar[g.toString(QStringLiteral("yyyy-MM"))];
        if (s.deger(3).toBool()) {
            a.satis = yuvarla(a.satis + borc);
            a.iade = yuvarla(a.iade + alacak);
            if (borc > 0) {
                auto &x = saticilar[s.deger(4).toString()];
                ++x.first;
                x.second = yuvarla(x.second + borc);
            }
        } else {
            a.tahsilat = yuvarla(a.tahsilat + alacak);
            a.diger = yuvarla(a.diger + borc);
        }
        bakiye = yuvarla(bakiye + borc - alacak);
        a.bakiye = bakiye;
    }

    belge::PdfBelge b;
    b.yatay = true;
    b.baslik = QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)");
    b.altBaslik = QStringLiteral("%1 - %2, %3 - %4").arg(c.kod, c.adi, gunYaz(bas), gunYaz(son));
    belge::PdfBolum bilgi;
    bilgi.bilgiler = {{QStringLiteral("Satıcı:"), satici.trimmed().isEmpty() ? c.satici : satici},
                      {QStringLiteral("Devir Bakiye:"), tlYaz(devir) + QStringLiteral(" TL")},
                      {QStringLiteral("Dönem Sonu Bakiye:"), tlYaz(bakiye) + QStringLiteral(" TL")}};
    belge::PdfBolum ay;
    ay.baslik = QStringLiteral("Aylara Göre");
    ay.tabloVar = true;
    ay.tablo.basliklar = {QStringLiteral("Ay"), QStringLiteral("Satış"), QStringLiteral("Alış / İade"),
                          QStringLiteral("Tahsilat"), QStringLiteral("Tediye / Diğer"), QStringLiteral("Bakiye")};
    ay.tablo.sagaYasli = {false, true, true, true, true, true};
    ay.tablo.bosMetin = QStringLiteral("Bu dönemde hareket yok.");
    Ay toplam;
    for (const auto &[anahtar, a] : aylar) {
        const QDate d = QDate::fromString(anahtar + QStringLiteral("-01"), Qt::ISODate);
        ay.tablo.satirlar.push_back({tr.toString(d, QStringLiteral("MMMM yyyy")), tlYaz(a.satis), tlYaz(a.iade),
                                     tlYaz(a.tahsilat), tlYaz(a.diger), tlYaz(a.bakiye)});
        toplam.satis = yuvarla(toplam.satis + a.satis);
        toplam.iade = yuvarla(toplam.iade + a.iade);
        toplam.tahsilat = yuvarla(toplam.tahsilat + a.tahsilat);
        toplam.diger = yuvarla(toplam.diger + a.diger);
    }
    if (!aylar.empty())
        ay.tablo.toplam = {QStringLiteral("Toplam"), tlYaz(toplam.satis), tlYaz(toplam.iade), tlYaz(toplam.tahsilat),
                           tlYaz(toplam.diger), tlYaz(bakiye)};
    belge::PdfBolum sat;
    sat.baslik = QStringLiteral("Satıcılara Göre Satışlar");
    sat.tabloVar = true;
    sat.tablo.basliklar = {QStringLiteral("Satıcı"), QStringLiteral("Fatura Adedi"), QStringLiteral("Satış Tutarı")};
    sat.tablo.sagaYasli = {false, true, true};
    sat.tablo.bosMetin = QStringLiteral("Bu dönemde fatura yok.");
    for (const auto &[ad, x] : saticilar)
        sat.tablo.satirlar.push_back({ad.isEmpty() ? QStringLiteral("(satıcısız)") : ad, QString::number(x.first),
                                      tlYaz(x.second)});
    b.bolumler = {bilgi, ay, sat};
    return belge::pdfYap(b);
}

// Receivables of every dealer the user sees, by due date, as of one day.
// A representative name other than "." (or blank) keeps that
// representative's dealers only.
QByteArray topluAlacakVadeleri(const QSqlDatabase &db, const Yetki &y, const QString &satici, const QDate &gun)
{
    const bool hepsi = satici.trimmed().isEmpty() || satici.trimmed() == QLatin1String(".");
    // The name may be the representative's or a user's (the client sends
    // the user name of a type 1 user).
    Sorgu s(db, QStringLiteral(
        "SELECT c.id, c.kod, c.adi, COALESCE(t.adi, '') FROM cari c LEFT JOIN temsilci t ON t.id=c.temsilci_id "
        "WHERE c.aktif=1 AND ") + kapsamKosulu() + QStringLiteral(
        " AND (?=1 OR t.adi=? OR c.temsilci_id IN (SELECT temsilci_id FROM kullanici WHERE adi=?)) ORDER BY c.kod"));
    kapsamBagla(s, y);
    s.bagla({hepsi ? 1 : 0, satici.trimmed(), satici.trimmed()});
    s.calistir();
    struct Satir {
        QString kod, adi, satici;
        double bakiye = 0, gecen = 0, v30 = 0, v60 = 0, v61 = 0;
    };
    QVector<Satir> satirlar;
    QVector<int> cariler;
    while (s.sonraki()) {
        cariler << s.deger(0).toInt();
        satirlar.push_back({s.deger(1).toString(), s.deger(2).toString(), s.deger(3).toString()});
    }
    Satir toplam;
    QVector<Satir> dolu;
    for (int i = 0; i < cariler.size(); ++i) {
        const QVector<CariHareket> h = gunuKadar(cariHareketleri(db, cariler[i]), gun);
        Satir &r = satirlar[i];
        r.bakiye = cariToplam(h).bakiye;
        for (const AcikBorc &a : acikBorclar(h)) {
            const qint64 kalanGun = gun.daysTo(a.vade);
            double &hedef = kalanGun < 0 ? r.gecen : kalanGun <= 30 ? r.v30 : kalanGun <= 60 ? r.v60 : r.v61;
            hedef = yuvarla(hedef + a.kalan);
        }
        if (r.bakiye == 0 && r.gecen == 0 && r.v30 == 0 && r.v60 == 0 && r.v61 == 0)
            continue;
        toplam.bakiye = yuvarla(toplam.bakiye + r.bakiye);
        toplam.gecen = yuvarla(toplam.gecen + r.gecen);
        toplam.v30 = yuvarla(toplam.v30 + r.v30);
        toplam.v60 = yuvarla(toplam.v60 + r.v60);
        toplam.v61 = yuvarla(toplam.v61 + r.v61);
        dolu.push_back(r);
    }
    std::stable_sort(dolu.begin(), dolu.end(), [](const Satir &a, const Satir &b) { return a.gecen > b.gecen; });

    belge::PdfBelge b;
    b.yatay = true;
    b.baslik = QStringLiteral("Cari Toplu Alacak Vadeleri");
    b.altBaslik = QStringLiteral("%1 tarihi itibarıyla, satıcı: %2")
                      .arg(gunYaz(gun), hepsi ? QStringLiteral("tümü") : satici.trimmed());
    belge::PdfBolum bl;
    bl.tabloVar = true;
    bl.tablo.basliklar = {QStringLiteral("Cari Kod"), QStringLiteral("Cari Adı"), QStringLiteral("Satıcı"),
                          QStringLiteral("Bakiye"), QStringLiteral("Vadesi Geçen"), QStringLiteral("0-30 Gün"),
                          QStringLiteral("31-60 Gün"), QStringLiteral("60+ Gün")};
    bl.tablo.sagaYasli = {false, false, false, true, true, true, true, true};
    bl.tablo.bosMetin = QStringLiteral("Açık alacak yok.");
    for (const Satir &r : dolu)
        bl.tablo.satirlar.push_back({r.kod, r.adi, r.satici, tlYaz(r.bakiye), tlYaz(r.gecen), tlYaz(r.v30),
                                     tlYaz(r.v60), tlYaz(r.v61)});
    if (!dolu.isEmpty())
        bl.tablo.toplam = {QStringLiteral("Toplam"), QStringLiteral("%1 cari").arg(dolu.size()), QString(),
                           tlYaz(toplam.bakiye), tlYaz(toplam.gecen), tlYaz(toplam.v30), tlYaz(toplam.v60),
                           tlYaz(toplam.v61)};
    b.bolumler = {bl};
    return belge::pdfYap(b);
}

// Report 6 with a dealer: the dealer summary; 6 without one: the bulk due
// dates; 7: the purchase/sales table. Anything else, or a dealer the user
// may not see, gives no document.
QByteArray rapor(const QSqlDatabase &db, Cagri &c)
{
    const int no = c.tamsayi("raporno");
    const int carino = c.tamsayi("carino");
    if (no != 6 && no != 7)
        return {};
    const Yetki y = yetkiAl(db, c.tamsayi("idno"));
    const QDate t1 = kw::oleGun(c.ondalik("tarih1")), t2 = kw::oleGun(c.ondalik("tarih2"));
    const QString satici = c.metin("saticiadi");
    if (no == 6 && carino == 0)
        return topluAlacakVadeleri(db, y, satici, t1);
    CariBaslik cb;
    if (carino <= 0 || !cariBaslik(db, carino, &cb) || !kapsamda(db, y, carino))
        return {};
    return no == 6 ? cariOzeti(db, cb, satici, t1) : alisSatisTablosu(db, cb, satici, t1, t2);
}

}  // namespace

void temsilciMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    Depo &depo = o.depo;

    d.kaydet("CariAra", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        c.sonuc(cariListesi(db, yetkiAl(db, c.bilgiGerekli("bil")), Suzgec::Metin, c.metin("aranan")));
    });

    d.kaydet("SepetSayisi", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        const Yetki y = yetkiAl(db, c.bilgiGerekli("bil"));
        Sorgu s(db, QStringLiteral("SELECT COUNT(DISTINCT c.id) FROM sepet JOIN cari c ON c.id=sepet.cari_id "
                                   "WHERE c.aktif=1 AND ") + kapsamKosulu());
        kapsamBagla(s, y);
        s.calistir();
        c.sonuc(qint32(s.sonraki() ? s.deger(0).toInt() : 0));
    });

    d.kaydet("TusSonuclariVer", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        c.sonuc(kw::Nesne(tusSonuclari(db, yetkiAl(db, c.bilgiGerekli("bil")))));
    });

    d.kaydet("CariSepetVer", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        const Yetki y = yetkiAl(db, c.bilgiGerekli("bil"));
        const int n = c.tamsayi("n");
        if (n == 1)
            c.sonuc(cariListesi(db, y, Suzgec::Sepet));
        else if (listeDurumu(n) > 0)
            c.sonuc(cariListesi(db, y, Suzgec::Durum, {}, listeDurumu(n)));
        else
            throw IslemHatasi(QStringLiteral("Bilinmeyen liste kodu: %1").arg(n));
    });

    d.kaydet("RaporGetir", [&depo](Cagri &c) {
        const QByteArray pdf = rapor(depo.db(), c);
        c.cikti("size", qint64(pdf.size()));
        c.sonuc(pdf);
    });
}

}  // namespace ks
