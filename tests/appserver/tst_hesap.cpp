// Account statement, documents, earlier orders, open balances and the period
// reports, through the client's proxy against a real server.
#include "hesapverisi.h"
#include "methods/cari.h"
#include "tarih.h"

#include <QtTest>

using namespace hv;

class TstHesap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void acikBorclarVeVade_data();
    void acikBorclarVeVade();
    void kartNoMaskesi_data();
    void kartNoMaskesi();
    void ekstreVeBelgeler();
    void dekontPdf();
    void oncekiSiparislerVeAyrinti();
    void bakiyeDegisiklikleri();
    void donemRaporlari();
    void demoBelgeleriTutarli();

private:
    kt::SunucuSureci srv_{0};
};

void TstHesap::initTestCase()
{
    QVERIFY2(srv_.baslat(), qPrintable(srv_.hata()));
    yaz(srv_.dbYolu());
}

void TstHesap::acikBorclarVeVade_data()
{
    QTest::addColumn<QVector<ks::CariHareket>>("hareketler");
    QTest::addColumn<int>("acikAdet");
    QTest::addColumn<int>("gecenAdet");
    QTest::addColumn<double>("gecenTutar");
    QTest::addColumn<int>("enEskiGun");
    const QDate g(2024, 6, 1);
    auto h = [](QDate t, QDate v, double b, double a) { return ks::CariHareket{t, v, b, a, QString()}; };
    QTest::newRow("credit pays the earliest due first, whatever its date")
        << QVector<ks::CariHareket>{h(g.addDays(-90), g.addDays(10), 100, 0), h(g.addDays(-60), g.addDays(-30), 80, 0),
                                    h(g.addDays(-5), g.addDays(-5), 0, 50)}
        << 2 << 1 << 30.0 << 30;
    QTest::newRow("fully paid: nothing open")
        << QVector<ks::CariHareket>{h(g.addDays(-90), g.addDays(-60), 100.10, 0), h(g.addDays(-1), g.addDays(-1), 0, 100.10)}
        << 0 << 0 << 0.0 << 0;
    QTest::newRow("due today is not overdue")
        << QVector<ks::CariHareket>{h(g.addDays(-30), g, 40, 0), h(g.addDays(-40), g.addDays(-1), 0.30, 0)}
        << 2 << 1 << 0.30 << 1;
    QTest::newRow("credit larger than the debits")
        << QVector<ks::CariHareket>{h(g.addDays(-9), g.addDays(-9), 10, 0), h(g.addDays(-8), g.addDays(-8), 0, 25)}
        << 0 << 0 << 0.0 << 0;
    QTest::newRow("cents survive: 0.1 + 0.2 open")
        << QVector<ks::CariHareket>{h(g.addDays(-9), g.addDays(-9), 0.1, 0), h(g.addDays(-8), g.addDays(-8), 0.2, 0)}
        << 2 << 2 << 0.30 << 9;
}

void TstHesap::acikBorclarVeVade()
{
    QFETCH(QVector<ks::CariHareket>, hareketler);
    QFETCH(int, acikAdet);
    QFETCH(int, gecenAdet);
    QFETCH(double, gecenTutar);
    QFETCH(int, enEskiGun);
    const QVector<ks::AcikBorc> acik = ks::acikBorclar(hareketler);
    QCOMPARE(acik.size(), acikAdet);
    const ks::VadeOzeti o = ks::vadesiGecenler(acik, QDate(2024, 6, 1));
    QCOMPARE(o.adet, gecenAdet);
    QCOMPARE(o.tutar, gecenTutar);
    QCOMPARE(o.enEskiGun, enEskiGun);
    QCOMPARE(ks::vadeUyarisi(o).isEmpty(), gecenAdet == 0);
}

void TstHesap::kartNoMaskesi_data()
{
    QTest::addColumn<QString>("girdi");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("full number") << "4543601234561234" << "**** **** **** 1234";
    QTest::newRow("already masked, spaced") << "4543 60** **** 9876" << "**** **** **** 9876";
    QTest::newRow("15 digits") << "371234567890123" << "*** **** **** 0123";
    QTest::newRow("too short") << "12" << "**** **** **** ****";
}

void TstHesap::kartNoMaskesi()
{
    QFETCH(QString, girdi);
    QFETCH(QString, beklenen);
    QCOMPARE(ks::kartNoMaskele(girdi), beklenen);
}

// The statement reads in date order, its running balance ends at the
// dealer's balance, and each row's kind leads to its document.
void TstHesap::ekstreVeBelgeler()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const kw::Tablo e = *p.CariEkstreVer(kOzgurOto);
    for (const char *k : {"CARINO", "TARIH", "TURADI", "EVRAK", "BORC", "ALACAK", "KUR", "BAKIYE", "D", "IDNO", "ACIKLAMA"})
        QVERIFY2(e.kolonNo(QString::fromLatin1(k)) >= 0, k);
    QCOMPARE(e.kolonlar[e.kolonNo("IDNO")].tip, kw::KolonTipi::Int32);
    QCOMPARE(e.kolonlar[e.kolonNo("BORC")].tip, kw::KolonTipi::Double);
    QCOMPARE(kolon(e, "TURADI"), (QVariantList{"Devir", "Satış Faturası", "Tahsilat", "Tediye"}));

    // What the client computes over the rows equals the ledger's balance.
    double bakiye = 0;
    QDate onceki;
    for (int i = 0; i < e.satirSayisi(); ++i) {
        const QDate t = e.hucre(i, "TARIH").toDate();
        QVERIFY(!onceki.isValid() || !(t < onceki));
        onceki = t;
        bakiye += e.hucre(i, "BORC").toDouble() - e.hucre(i, "ALACAK").toDouble();
    }
    const double defter = satir(srv_.dbYolu(), "SELECT SUM(borc) - SUM(alacak) FROM cari_hareket WHERE cari_id=1")[0].toDouble();
    QCOMPARE(qRound64(bakiye * 100), qRound64(defter * 100));
    QCOMPARE(qRound64(defter * 100), qRound64(kBakiye1 * 100));
    QCOMPARE(e.hucre(e.satirSayisi() - 1, "BAKIYE").toDouble(), kBakiye1);
    QCOMPARE(e.hucre(e.satirSayisi() - 1, "D").toString(), "B");

    // Invoice row: lines and totals agree with each other and with the row.
    const int faturaNo = e.hucre(1, "IDNO").toInt();
    const kw::Tablo f = *p.FaturaGetir(kOzgurOto, faturaNo);
    QCOMPARE(f.satirSayisi(), 2);
    QCOMPARE(kolon(f, "STOKHAR_TLTUTAR"), (QVariantList{125.0, 99.99}));
    QCOMPARE(kolon(f, "STOKHAR_NETTLTUTAR"), (QVariantList{112.5, 85.49}));
    QCOMPARE(kolon(f, "STOKHAR_TOPLAMINDIRIM"), (QVariantList{12.5, 14.5}));
    QCOMPARE(kolon(f, "STOKHAR_TLVERGI"), (QVariantList{22.5, 17.1}));
    QCOMPARE(f.hucre(1, "EVRAKNO").toString(), "KRV2024000000001");
    QCOMPARE(f.hucre(1, "STOKHAR_HAREKETTIPI2").toString(), "Satış Faturası");
    QCOMPARE(f.hucre(1, "SATICIADI").toString(), "Ahmet Yılmaz");
    QCOMPARE(f.hucre(1, "STOKHAR_VADE").toInt(), 60);
    const kw::Tablo alt = *p.FaturaAltGetir(faturaNo);
    QCOMPARE(alt.satirSayisi(), 1);
    QCOMPARE(alt.hucre(0, "TOPLAM").toDouble(), 224.99);
    QCOMPARE(alt.hucre(0, "TOPLAMINDIRIM").toDouble(), 27.0);
    QCOMPARE(alt.hucre(0, "MATRAH").toDouble(), 197.99);
    QCOMPARE(alt.hucre(0, "KDVTUTAR").toDouble(), 39.6);
    QCOMPARE(alt.hucre(0, "KDVDAHIL").toDouble(), e.hucre(1, "BORC").toDouble());
    // Another dealer's number does not open this invoice; other rows have none.
    QCOMPARE(p.FaturaGetir(kSahin, faturaNo)->satirSayisi(), 0);
    QCOMPARE(p.FaturaGetir(kOzgurOto, e.hucre(0, "IDNO").toInt())->satirSayisi(), 0);
    QCOMPARE(p.FaturaAltGetir(e.hucre(0, "IDNO").toInt())->satirSayisi(), 0);

    // Collection and payment rows.
    const int tahsilatNo = e.hucre(2, "IDNO").toInt();
    const kw::Tablo t = *p.Tahsilat(tahsilatNo);
    for (const char *k : {"Tarih", "Türü", "Cins", "Vade", "Tutar", "Açıklama", "EvrakNo", "Ref", "Saat", "Kur", "KurTL",
                          "Döviz Tutar"})
        QVERIFY2(t.kolonNo(QString::fromUtf8(k)) >= 0, k);
    QCOMPARE(t.satirSayisi(), 1);
    QCOMPARE(t.hucre(0, "Türü").toString(), "Tahsilat");
    QCOMPARE(t.hucre(0, "Cins").toString(), "Kredi Kartı");
    QCOMPARE(t.hucre(0, "Tutar").toDouble(), 500.0);
    QCOMPARE(t.hucre(0, "Saat").toString(), "10:15");
    QVERIFY(p.SanalposSiranoVer(tahsilatNo) > 0);
    QCOMPARE(p.Tahsilat(e.hucre(3, "IDNO").toInt())->hucre(0, "Türü").toString(), "Tediye");
    QCOMPARE(p.SanalposSiranoVer(e.hucre(3, "IDNO").toInt()), 0);
    QCOMPARE(p.SanalposSiranoVer(faturaNo), 0);

    // An account without movements has an empty statement with the columns.
    const kw::Tablo bos = *p.CariEkstreVer(kKapali);
    QCOMPARE(bos.satirSayisi(), 0);
    QVERIFY(bos.kolonNo("BAKIYE") >= 0);
}

void TstHesap::dekontPdf()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const kw::Tablo e = *p.CariEkstreVer(kOzgurOto);
    const int sirano = p.SanalposSiranoVer(e.hucre(2, "IDNO").toInt());
    qint64 boy = -1;
    const QByteArray pdf = p.SAnalPosPdfVer(sirano, boy);
    QCOMPARE(boy, qint64(pdf.size()));
    QVERIFY(pdf.startsWith("%PDF-"));
    const QString metin = pdfMetni(pdf);
    for (const char *beklenen : {"500,00", "ÖZGÜR OTO YEDEK PARÇA", "**** **** **** 1234", "01.02.2024", "Dekont No"})
        QVERIFY2(metin.contains(QString::fromUtf8(beklenen)), qPrintable(QString::fromUtf8(beklenen) + "\n" + metin));
    QVERIFY(!metin.contains(QStringLiteral("45436012")));
    // No such receipt: nothing.
    boy = -1;
    QVERIFY(p.SAnalPosPdfVer(9999, boy).isEmpty());
    QCOMPARE(boy, qint64(0));
}

void TstHesap::oncekiSiparislerVeAyrinti()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const kw::Tablo o = *p.OncekiSiparisler(kOzgurOto);
    QCOMPARE(kolon(o, "IDNO"), (QVariantList{13, 10}));   // newest first
    QCOMPARE(kolon(o, "DURUM"), (QVariantList{"Görüldü", "Alındı"}));
    QCOMPARE(o.hucre(1, "VERENINNOTU").toString(), "Acil lütfen, ğüşıöçİ");
    QCOMPARE(o.hucre(1, "KARGOADI").toString(), "Yurtiçi Kargo");
    QCOMPARE(o.hucre(1, "VEREN").toString(), "ozgur");
    // Order 10: 10 × 12.50 at 10 % = 112.50, 5 × 20 = 100, 2 × 7 = 14; net 226.50, VAT 45.30.
    QCOMPARE(o.hucre(1, "NETTUTAR").toDouble(), 226.5);
    QCOMPARE(o.hucre(1, "VERGI").toDouble(), 45.3);
    QCOMPARE(o.hucre(1, "TUTAR").toDouble(), 271.8);

    const kw::Tablo s = *p.SiparisAyrintisi2(kOzgurOto, 10);
    QCOMPARE(kolon(s, "STOKHAR_NO"), (QVariantList{101, 102, 103}));
    QCOMPARE(kolon(s, "MIKTAR"), (QVariantList{10.0, 5.0, 2.0}));
    QCOMPARE(kolon(s, "TESLIMEDILEN"), (QVariantList{4.0, 0.0, 2.0}));
    QCOMPARE(kolon(s, "KALAN"), (QVariantList{6.0, 5.0, 0.0}));
    QCOMPARE(kolon(s, "TUTAR"), (QVariantList{125.0, 100.0, 14.0}));
    QCOMPARE(kolon(s, "INDIRIMTUTAR"), (QVariantList{12.5, 0.0, 0.0}));
    QCOMPARE(s.hucre(0, "INDIRIMYAZI").toString(), "10");
    QCOMPARE(p.SiparisAyrintisi2(kSahin, 10)->satirSayisi(), 0);   // not that dealer's order

    // Footer: the client sends dealer 0 and the order number.
    TSiparisDipAyrinti dip;
    dip.Kopyala(*p.SiparisAytintisiDip(0, 10));
    QCOMPARE(dip.Durumu(), "Alındı");
    QCOMPARE(dip.SizinMesaj(), "Acil lütfen, ğüşıöçİ");
    QCOMPARE(dip.BizimMesaj(), "Hazırlanıyor");
    QCOMPARE(dip.SaticiNotu(), "Müşteri aranacak");
    QCOMPARE(dip.TeslimCinsi(), "Kargo ile");
    QCOMPARE(dip.KargoCinsi(), "Alıcı Ödemeli");
    QCOMPARE(dip.Kargo(), "Yurtiçi Kargo");
    QCOMPARE(dip.Veren(), "ozgur");
    QVERIFY(p.SiparisAytintisiDip(kOzgurOto, 10) != nullptr);
    QVERIFY(p.SiparisAytintisiDip(kSahin, 10) == nullptr);
    QVERIFY(p.SiparisAytintisiDip(0, 9999) == nullptr);
}

// The three changes of an open line, and what each refuses; a refusal
// changes nothing.
void TstHesap::bakiyeDegisiklikleri()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    auto bakiyeler = [&p] { return *p.BakiyelerVer2(kOzgurOto); };
    const kw::Tablo once = bakiyeler();
    // Lines 101 (6 open) and 102 (5 open) and 131 of order 13; 103 is delivered.
    QCOMPARE(kolon(once, "STOKHAR_NO"), (QVariantList{101, 102, 131}));
    QCOMPARE(kolon(once, "KALAN"), (QVariantList{6.0, 5.0, 1.0}));
    QCOMPARE(kolon(once, "SIRANO"), (QVariantList{501, 502, 531}));
    QCOMPARE(kolon(once, "IDNO"), (QVariantList{10, 10, 13}));
    QCOMPARE(kolon(once, "DURUM"), (QVariantList{1, 1, 3}));   // stock 2 at critical level counts as in stock
    // The open value: 6 × 12.50 = 75.00 less 10 %.
    QCOMPARE(once.hucre(0, "TUTAR").toDouble(), 75.0);
    QCOMPARE(once.hucre(0, "NETTUTAR").toDouble(), 67.5);

    enum Islem { Sil, Miktar, Fiyat };
    struct Red {
        const char *ad;
        Islem islem;
        int kullanici, tip, cari, satir, stok;
        double bakiye, fiyat, oran;
        const char *mesaj;
    };
    const Red redler[] = {
        {"quantity below 1", Miktar, kOzgur, 3, kOzgurOto, 101, 1, 0, 0, 0, "en az 1"},
        {"negative quantity", Miktar, kOzgur, 3, kOzgurOto, 101, 1, -3, 0, 0, "en az 1"},
        {"delivered line", Miktar, kOzgur, 3, kOzgurOto, 103, 3, 2, 0, 0, "açık bakiyesi yok"},
        {"delete a delivered line", Sil, kOzgur, 3, kOzgurOto, 103, 3, 0, 0, 0, "açık bakiyesi yok"},
        {"unknown line", Sil, kOzgur, 3, kOzgurOto, 9999, 0, 0, 0, 0, "bulunamadı"},
        {"another dealer's line", Sil, kOzgur, 3, kOzgurOto, 111, 0, 0, 0, 0, "bulunamadı"},
        {"stock does not match the line", Miktar, kOzgur, 3, kOzgurOto, 101, 2, 3, 0, 0, "bulunamadı"},
        {"negative price", Fiyat, kMudur, 2, kOzgurOto, 102, 0, 5, -1, 0, "sıfırdan küçük"},
        {"rate above 100", Fiyat, kMudur, 2, kOzgurOto, 102, 0, 5, 10, 101, "0 ile 100"},
        {"price by a dealer user", Fiyat, kOzgur, 3, kOzgurOto, 102, 0, 5, 10, 0, "yetkiniz yok"},
        {"unknown user", Sil, 77, 3, kOzgurOto, 101, 0, 0, 0, 0, "kullanıcı bulunamadı"},
    };
    for (const Red &r : redler) {
        try {
            switch (r.islem) {
            case Sil: p.BakiyeDuzenle(oturum(r.kullanici, r.tip, r.cari), r.stok, 0, r.satir, 1, 1, "x"); break;
            case Miktar: p.BakiyeDegistir(oturum(r.kullanici, r.tip, r.cari), r.stok, 0, r.satir, r.bakiye, r.bakiye, "x"); break;
            case Fiyat:
                p.BakiyeFiyatDegistir(oturum(r.kullanici, r.tip, r.cari), 0, 0, r.satir, r.bakiye, r.bakiye, "x", r.fiyat,
                                      r.oran);
                break;
            }
            QFAIL(r.ad);
        } catch (const EUzakHata &e) {
            QVERIFY2(e.mesaj().contains(QString::fromUtf8(r.mesaj)), qPrintable(QString::fromUtf8(r.ad) + ": " + e.mesaj()));
        }
        QVERIFY2(bakiyeler() == once, r.ad);
    }
    QCOMPARE(satir(srv_.dbYolu(), "SELECT miktar, iptal FROM siparis_satir WHERE id=103"), (QVariantList{2.0, 0}));
    // The stock's quantity in received orders follows the open rest.
    auto alinan = [this] { return satir(srv_.dbYolu(), "SELECT alinansiparis FROM stok WHERE id=1")[0].toDouble(); };
    const double alinanOnce = 20;
    hv::calistirDb(srv_.dbYolu(), "UPDATE stok SET alinansiparis=20 WHERE id=1");

    // New remaining quantity 3 for line 101: ordered becomes delivered + 3.
    QCOMPARE(p.BakiyeDegistir(oturum(kOzgur, 3, kOzgurOto), 1, 501, 101, 3, 3, "BRK-001"), 1);
    kw::Tablo t = bakiyeler();
    QCOMPARE(t.hucre(0, "KALAN").toDouble(), 3.0);
    QCOMPARE(t.hucre(0, "MIKTAR").toDouble(), 7.0);
    QCOMPARE(alinan(), alinanOnce - 3);   // 6 open became 3

    // New price and rate for line 102 by a type 2 user; the first price stays.
    QCOMPARE(p.BakiyeFiyatDegistir(oturum(kMudur, 2, kOzgurOto), 0, 502, 102, 5, 5, "FLT-002", 18, 5), 1);
    t = bakiyeler();
    QCOMPARE(t.hucre(1, "BIRIMFIYAT").toDouble(), 18.0);
    QCOMPARE(t.hucre(1, "INDIRIMORANI1").toDouble(), 5.0);
    QCOMPARE(t.hucre(1, "ILKFIYAT").toDouble(), 20.0);
    QCOMPARE(t.hucre(1, "NETTUTAR").toDouble(), 85.5);   // 5 × 18 less 5 %

    // Deleting line 101's balance keeps what was delivered.
    QCOMPARE(p.BakiyeDuzenle(oturum(kOzgur, 3, kOzgurOto), 1, 501, 101, 7, 3, "BRK-001"), 1);
    QCOMPARE(kolon(bakiyeler(), "STOKHAR_NO"), (QVariantList{102, 131}));
    QCOMPARE(alinan(), alinanOnce - 6);
    const kw::Tablo s = *p.SiparisAyrintisi2(kOzgurOto, 10);
    QCOMPARE(s.hucre(0, "MIKTAR").toDouble(), 4.0);
    QCOMPARE(s.hucre(0, "KALAN").toDouble(), 0.0);
    QCOMPARE(s.hucre(0, "TESLIMEDILEN").toDouble(), 4.0);
    // Deleting it again: it is not open any more.
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.BakiyeDuzenle(oturum(kOzgur, 3, kOzgurOto), 1, 501, 101, 4, 0, "BRK-001"));

    // A line cancelled before any delivery stays in its order with nothing
    // to pay; the order's amounts follow.
    QCOMPARE(p.BakiyeDuzenle(oturum(kOzgur, 3, kOzgurOto), 3, 531, 131, 1, 1, "SLC-003"), 1);
    const kw::Tablo iptal = *p.SiparisAyrintisi2(kOzgurOto, 13);
    QCOMPARE(kolon(iptal, "STOKHAR_NO"), (QVariantList{131}));
    QCOMPARE(kolon(iptal, "MIKTAR"), (QVariantList{0.0}));
    QCOMPARE(kolon(iptal, "TUTAR"), (QVariantList{0.0}));
    const kw::Tablo o = *p.OncekiSiparisler(kOzgurOto);
    QCOMPARE(o.hucre(kolon(o, "IDNO").indexOf(13), "TUTAR").toDouble(), 0.0);
}

void TstHesap::donemRaporlari()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const double t1 = kw::oleTarih(QDate(2024, 5, 1)), t2 = kw::oleTarih(QDate(2024, 5, 31));
    using KT = kw::KolonTipi;

    const kw::Tablo s = *p.RaporAlinanSiparisler(oturum(kMudur, 2, kOzgurOto), t1, t2);
    const QVector<kw::Kolon> siparisKolonlari = {
        {"SATICIADI", KT::String}, {"IDNO", KT::Double},     {"CARINO", KT::Int32},  {"TARIH", KT::Date},
        {"KUR", KT::String},       {"KURTL", KT::Double},    {"VERENIDNO", KT::Int32}, {"KARGO", KT::String},
        {"TESLIM", KT::String},    {"VEREN", KT::String},    {"CARIKOD", KT::String}, {"CARIADI", KT::String},
        {"DURUM", KT::String},     {"KARGOADI", KT::String}, {"VERGI", KT::Double},  {"NETTUTAR", KT::Double},
        {"TUTAR", KT::Double}};
    QCOMPARE(s.kolonlar.size(), siparisKolonlari.size());
    for (int i = 0; i < s.kolonlar.size(); ++i) {
        QCOMPARE(s.kolonlar[i].ad, siparisKolonlari[i].ad);
        QCOMPARE(s.kolonlar[i].tip, siparisKolonlari[i].tip);
    }
    // May: orders 10, 11, 12, 14, 15 (13 is in June); type 2 sees all dealers.
    QVariantList idler = kolon(s, "IDNO");
    std::sort(idler.begin(), idler.end(), [](const QVariant &a, const QVariant &b) { return a.toDouble() < b.toDouble(); });
    QCOMPARE(idler, (QVariantList{10.0, 11.0, 12.0, 14.0, 15.0}));
    QCOMPARE(s.hucre(kolon(s, "IDNO").indexOf(10.0), "SATICIADI").toString(), "Ahmet Yılmaz");
    // Type 1 sees the dealers of representative 1 only.
    QVariantList ahmet = kolon(*p.RaporAlinanSiparisler(oturum(kAhmet, 1, kOzgurOto), t1, t2), "CARINO");
    std::sort(ahmet.begin(), ahmet.end(), [](const QVariant &a, const QVariant &b) { return a.toInt() < b.toInt(); });
    QCOMPARE(ahmet, (QVariantList{1, 2, 2}));
    // A range that ends before it starts holds nothing.
    QCOMPARE(p.RaporAlinanSiparisler(oturum(kMudur, 2, kOzgurOto), t2, t1)->satirSayisi(), 0);

    const kw::Tablo st = *p.RaporEnCokSatilanStoklar(oturum(kMudur, 2, kOzgurOto), t1, t2);
    const QVector<kw::Kolon> stokKolonlari = {{"BARKOD", KT::String}, {"KOD", KT::String},      {"ADI", KT::String},
                                             {"DEPARTMAN", KT::String}, {"MIKTAR", KT::Double}, {"NETTUTAR", KT::Double},
                                             {"TLVERGI", KT::Double}, {"TUTAR", KT::Double}};
    QCOMPARE(st.kolonlar.size(), stokKolonlari.size());
    for (int i = 0; i < st.kolonlar.size(); ++i) {
        QCOMPARE(st.kolonlar[i].ad, stokKolonlari[i].ad);
        QCOMPARE(st.kolonlar[i].tip, stokKolonlari[i].tip);
    }
    // May quantities: stock 1 10 + 1 + 3 = 14 (the balance test may have cut
    // line 101 to its 4 delivered: then 8), stock 2 5 + 4 + 2 = 11, stock 3 2.
    QCOMPARE(st.satirSayisi(), 3);
    QCOMPARE(kolon(st, "BARKOD").last().toString(), "SLC-003");
    QCOMPARE(st.hucre(2, "MIKTAR").toDouble(), 2.0);
    QCOMPARE(st.hucre(2, "TUTAR").toDouble(), 16.8);   // 14.00 + 20 % VAT
    QVERIFY(st.hucre(0, "MIKTAR").toDouble() >= st.hucre(1, "MIKTAR").toDouble());
}

// Over the whole demo store: every statement ends at the ledger's balance,
// every invoice's totals equal its statement amount and every collection's
// line its amount.
void TstHesap::demoBelgeleriTutarli()
{
    kt::SunucuSureci demo(300);
    QVERIFY2(demo.baslat(), qPrintable(demo.hata()));
    auto b = baglanti(demo);
    TServerMethods1Client p(b.get());
    const int cariSayisi = satir(demo.dbYolu(), "SELECT MAX(id) FROM cari")[0].toInt();
    QVERIFY(cariSayisi > 0);
    int fatura = 0, tahsilat = 0;
    for (int cari = 1; cari <= cariSayisi; ++cari) {
        const kw::Tablo e = *p.CariEkstreVer(cari);
        const double defter = satir(demo.dbYolu(), QStringLiteral("SELECT COALESCE(SUM(borc) - SUM(alacak), 0) FROM "
                                                                  "cari_hareket WHERE cari_id=%1").arg(cari))[0].toDouble();
        double bakiye = 0;
        for (int i = 0; i < e.satirSayisi(); ++i) {
            bakiye += e.hucre(i, "BORC").toDouble() - e.hucre(i, "ALACAK").toDouble();
            const QString tur = e.hucre(i, "TURADI").toString();
            const double tutar = e.hucre(i, "BORC").toDouble() + e.hucre(i, "ALACAK").toDouble();
            const int idno = e.hucre(i, "IDNO").toInt();
            if (tur.contains(QStringLiteral("Fatura"))) {
                ++fatura;
                const kw::Tablo alt = *p.FaturaAltGetir(idno);
                QVERIFY2(alt.satirSayisi() == 1 && qRound64(alt.hucre(0, "KDVDAHIL").toDouble() * 100) == qRound64(tutar * 100),
                         qPrintable(QStringLiteral("dealer %1 movement %2").arg(cari).arg(idno)));
                QVERIFY(p.FaturaGetir(cari, idno)->satirSayisi() > 0);
            } else if (tur == QLatin1String("Tahsilat") || tur == QLatin1String("Tediye")) {
                ++tahsilat;
                const kw::Tablo t = *p.Tahsilat(idno);
                QCOMPARE(t.satirSayisi(), 1);
                QCOMPARE(qRound64(t.hucre(0, "Tutar").toDouble() * 100), qRound64(tutar * 100));
            }
        }
        QCOMPARE(qRound64(bakiye * 100), qRound64(defter * 100));
        if (e.satirSayisi() > 0)
            QCOMPARE(qRound64(e.hucre(e.satirSayisi() - 1, "BAKIYE").toDouble() * 100), qRound64(defter * 100));
    }
    QVERIFY(fatura > 0 && tahsilat > 0);
}

QTEST_GUILESS_MAIN(TstHesap)
#include "tst_hesap.moc"
