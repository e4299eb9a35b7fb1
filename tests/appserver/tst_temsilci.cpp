// The representative's workspace through the client's proxy against a real
// server: dealer search and lists, counts, and the PDF reports.
#include "hesapverisi.h"
#include "tarih.h"

#include <QtTest>
#include <algorithm>

using namespace hv;

class TstTemsilci : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cariAra_data();
    void cariAra();
    void cariSatiri();
    void sayilar();
    void yediListe_data();
    void yediListe();
    void raporlar();

private:
    QVariantList carinolar(const kw::Tablo &t) const;
    kt::SunucuSureci srv_{0};
};

void TstTemsilci::initTestCase()
{
    QVERIFY2(srv_.baslat(), qPrintable(srv_.hata()));
    yaz(srv_.dbYolu());
}

QVariantList TstTemsilci::carinolar(const kw::Tablo &t) const
{
    QVariantList r = kolon(t, "CARINO");
    std::sort(r.begin(), r.end(), [](const QVariant &a, const QVariant &b) { return a.toInt() < b.toInt(); });
    return r;
}

void TstTemsilci::cariAra_data()
{
    QTest::addColumn<int>("kullanici");
    QTest::addColumn<int>("tip");
    QTest::addColumn<QString>("aranan");
    QTest::addColumn<QVariantList>("beklenen");
    // The closed dealer 4 is never listed.
    QTest::newRow("type 2, empty: every dealer") << int(kMudur) << 2 << "" << QVariantList{1, 2, 3};
    QTest::newRow("type 1, empty: own representative's") << int(kAhmet) << 1 << "" << QVariantList{1, 2};
    QTest::newRow("type 3: own account only") << int(kOzgur) << 3 << "" << QVariantList{1};
    QTest::newRow("code prefix") << int(kMudur) << 2 << "KRV00" << QVariantList{1, 2, 3};
    QTest::newRow("exact code") << int(kMudur) << 2 << "KRV003" << QVariantList{3};
    QTest::newRow("name, Turkish letters") << int(kMudur) << 2 << "ŞAHİN" << QVariantList{2};
    QTest::newRow("name as the client sends it (ı → i, upper case)") << int(kMudur) << 2 << "ISIK" << QVariantList{3};
    QTest::newRow("lower case part of a name") << int(kMudur) << 2 << "yedek par" << QVariantList{1};
    QTest::newRow("outside the representative's dealers") << int(kAhmet) << 1 << "KRV003" << QVariantList{};
    QTest::newRow("no match") << int(kMudur) << 2 << "YOKBOYLE" << QVariantList{};
}

void TstTemsilci::cariAra()
{
    QFETCH(int, kullanici);
    QFETCH(int, tip);
    QFETCH(QString, aranan);
    QFETCH(QVariantList, beklenen);
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    QCOMPARE(carinolar(*p.CariAra(oturum(kullanici, tip, kOzgurOto), aranan)), beklenen);
}

// The fields the workspace binds, with the dealer's own figures.
void TstTemsilci::cariSatiri()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const kw::Tablo t = *p.CariAra(oturum(kMudur, 2, 0), QStringLiteral("KRV001"));
    QCOMPARE(t.satirSayisi(), 1);
    for (const char *k : {"CARINO", "CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "DURUM", "SEPET", "ALINDI", "ONAYLANDI",
                          "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI", "OZELKOD", "ANAGRUP", "ALTGRUP", "YETKILI",
                          "ADRES1", "ADRES2", "ILCE", "IL", "VERGIDAIRESI", "VERGINO", "TEL1", "TEL2", "FAX1", "FAX2", "GSM",
                          "EMAIL", "VADE", "INDIRIM", "KOD1", "KOD5", "VADEKONTROLGUN", "VADEKONTROLAY"})
        QVERIFY2(t.kolonNo(QString::fromLatin1(k)) >= 0, k);
    QCOMPARE(t.kolonlar[t.kolonNo("TLBAKIYE")].tip, kw::KolonTipi::Double);
    QCOMPARE(t.kolonlar[t.kolonNo("CARINO")].tip, kw::KolonTipi::Int32);
    QCOMPARE(t.hucre(0, "CARIADI").toString(), "ÖZGÜR OTO YEDEK PARÇA");
    QCOMPARE(t.hucre(0, "SATICISI").toString(), "Ahmet Yılmaz");
    QCOMPARE(t.hucre(0, "TLBAKIYE").toDouble(), kBakiye1);
    QCOMPARE(t.hucre(0, "DURUM").toString(), "Borçlu");
    QCOMPARE(t.hucre(0, "IL").toString(), "İstanbul");
    QCOMPARE(t.hucre(0, "VADE").toInt(), 60);
    QCOMPARE(t.hucre(0, "ALINDI").toInt(), 1);
    QCOMPARE(t.hucre(0, "GORULDU").toInt(), 1);
    QCOMPARE(t.hucre(0, "ONAYLANDI").toInt(), 0);
    QCOMPARE(t.hucre(0, "SEPET").toInt(), 0);
}

void TstTemsilci::sayilar()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    // Baskets at dealers 2 and 3.
    QCOMPARE(p.SepetSayisi(oturum(kMudur, 2, 0)), 2);
    QCOMPARE(p.SepetSayisi(oturum(kAhmet, 1, 0)), 1);
    QCOMPARE(p.SepetSayisi(oturum(kOzgur, 3, kOzgurOto)), 0);

    TTusSonuclari t;
    t.Kopyala(*p.TusSonuclariVer(oturum(kMudur, 2, 0)));
    QCOMPARE(t.Alindi(), 1);
    QCOMPARE(t.Goruldu(), 1);
    QCOMPARE(t.Onaylandi(), 1);
    QCOMPARE(t.ParcaliHazirlandi(), 1);
    QCOMPARE(t.Hazirlandi(), 1);
    QCOMPARE(t.SevkEdildi(), 1);
    // Representative 1: dealers 1 and 2 have orders 10, 13, 11, 14.
    t.Kopyala(*p.TusSonuclariVer(oturum(kAhmet, 1, 0)));
    QCOMPARE(t.Alindi(), 1);
    QCOMPARE(t.Goruldu(), 1);
    QCOMPARE(t.Onaylandi(), 1);
    QCOMPARE(t.ParcaliHazirlandi(), 1);
    QCOMPARE(t.Hazirlandi(), 0);
    QCOMPARE(t.SevkEdildi(), 0);

    // A session that names no user is refused with a clear message.
    try {
        p.SepetSayisi(oturum(99, 2, 0));
        QFAIL("unknown user accepted");
    } catch (const EUzakHata &e) {
        QVERIFY2(e.mesaj().contains(QStringLiteral("kullanıcı bulunamadı")), qPrintable(e.mesaj()));
    }
}

void TstTemsilci::yediListe_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QVariantList>("beklenen");
    QTest::newRow("1 basket") << 1 << QVariantList{2, 3};
    QTest::newRow("2 received") << 2 << QVariantList{1};
    QTest::newRow("3 approved") << 3 << QVariantList{2};
    QTest::newRow("4 seen") << 4 << QVariantList{1};
    QTest::newRow("5 partly prepared") << 5 << QVariantList{2};
    QTest::newRow("6 prepared") << 6 << QVariantList{3};
    QTest::newRow("7 shipped") << 7 << QVariantList{3};
}

void TstTemsilci::yediListe()
{
    QFETCH(int, n);
    QFETCH(QVariantList, beklenen);
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const kw::Tablo t = *p.CariSepetVer(oturum(kMudur, 2, 0), n);
    QCOMPARE(carinolar(t), beklenen);
    QVERIFY(t.kolonNo("CARIKOD") >= 0 && t.kolonNo("SATICISI") >= 0);
    // A type 1 user sees the same list without the other representative's dealers.
    QVariantList kendi;
    for (const QVariant &c : beklenen)
        if (c.toInt() <= 2)
            kendi << c;
    QCOMPARE(carinolar(*p.CariSepetVer(oturum(kAhmet, 1, 0), n)), kendi);
}

void TstTemsilci::raporlar()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const double gun = kw::oleTarih(QDate(2024, 6, 1));
    struct Durum {
        const char *ad;
        int raporno, kullanici, carino;
        const char *satici;
        double t1, t2;
        QStringList metinler;   // empty: no document
    };
    const Durum durumlar[] = {
        // Dealer 1 as of 2024-06-01: balance 787.59, all overdue, order 10 and 13 open.
        {"dealer summary", 6, kMudur, kOzgurOto, "Ahmet Yılmaz", gun, gun,
         {"Cari Özeti", "ÖZGÜR OTO YEDEK PARÇA", "787,59", "KRV2024000000001", "Ahmet Yılmaz"}},
        // Only January's invoice: sales 237.59; collection 500 in February.
        {"purchase/sales table", 7, kMudur, kOzgurOto, "Ahmet Yılmaz", kw::oleTarih(QDate(2024, 1, 5)),
         kw::oleTarih(QDate(2024, 2, 28)), {"Cari Alış Satış Tablosu", "237,59", "500,00", "1.000,00", "Ahmet Yılmaz"}},
        // Bulk due dates for every dealer: dealer 1 overdue, dealer 2 due in 2099.
        {"bulk due dates, all", 6, kMudur, 0, ".", gun, gun, {"Cari Toplu Alacak Vadeleri", "KRV001", "787,59", "KRV002", "120,00"}},
        {"bulk due dates, one representative", 6, kMudur, 0, "Büşra Çelik", gun, gun, {"Cari Toplu Alacak Vadeleri"}},
        {"unknown report", 99, kMudur, kOzgurOto, "", gun, gun, {}},
        {"dealer outside the user's", 6, kAhmet, kIsikMotor, "", gun, gun, {}},
        {"no such dealer", 6, kMudur, 9999, "", gun, gun, {}},
    };
    for (const Durum &d : durumlar) {
        qint64 boy = -1;
        const QByteArray pdf = p.RaporGetir(d.raporno, d.raporno, d.kullanici, d.carino, QString::fromUtf8(d.satici), d.t1,
                                            d.t2, boy);
        QCOMPARE(boy, qint64(pdf.size()));
        if (d.metinler.isEmpty()) {
            QVERIFY2(pdf.isEmpty(), d.ad);
            continue;
        }
        QVERIFY2(pdf.startsWith("%PDF-"), d.ad);
        const QString metin = pdfMetni(pdf);
        for (const QString &m : d.metinler)
            QVERIFY2(metin.contains(m), qPrintable(QString::fromUtf8(d.ad) + ": " + m + "\n" + metin));
    }
    // Representative 2 has no dealer with debts: dealer 1's figures stay out.
    qint64 boy = 0;
    const QString busra = pdfMetni(p.RaporGetir(6, 6, kMudur, 0, QStringLiteral("Büşra Çelik"), gun, gun, boy));
    QVERIFY2(!busra.contains(QStringLiteral("KRV001")), qPrintable(busra));
}

QTEST_GUILESS_MAIN(TstTemsilci)
#include "tst_temsilci.moc"
