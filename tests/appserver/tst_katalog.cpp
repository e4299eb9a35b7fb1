// Login record, stock search, new and campaign lists, pictures, stock
// movements: through the client's proxy against a real server.
#include "katalogverisi.h"

#include <QImage>
#include <QtTest>

using namespace kv;

class TstKatalog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void oturum_data();
    void oturum();
    void oturumKaydininAlanlari();
    void arama_data();
    void arama();
    void buyukKucukVeTurkceHarfler();
    void yazilanStokHemenBulunur();
    void stokSatiriKolonlari();
    void fiyatlar_data();
    void fiyatlar();
    void oturumsuzArama();
    void yeniVeKampanyaListeleri();
    void buyukResim();
    void resimServisi();
    void stokHareketleri();

private:
    kw::Tablo ara(const QString &istasyon, const QString &metin);
    // The search result cap is set low so that the 30 fillers exceed it.
    kt::SunucuSureci srv_{0, {QStringLiteral("--search-limit"), QStringLiteral("25")}};
};

void TstKatalog::initTestCase()
{
    QVERIFY2(srv_.baslat(), qPrintable(srv_.hata()));
    yaz(srv_.dbYolu());
}

kw::Tablo TstKatalog::ara(const QString &istasyon, const QString &metin)
{
    std::unique_ptr<TSonucBilgisi> b = kv::oturum(srv_, istasyon);
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    return p.StokAraGetirTarvel(metin, std::move(b));
}

void TstKatalog::oturum_data()
{
    QTest::addColumn<QString>("istasyon");
    QTest::addColumn<bool>("varmi");
    QTest::addColumn<int>("aktif");
    QTest::addColumn<int>("tip");
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("saticiNo");
    QTest::newRow("dealer user") << "WS-BAYI3" << true << 1 << 3 << int(kAbc) << 1;
    QTest::newRow("type 4 user") << "WS-BAYI4" << true << 1 << 4 << int(kXyz) << 1;
    QTest::newRow("representative") << "WS-TEMS" << true << 1 << 1 << int(kAbc) << 1;
    QTest::newRow("inactive user") << "WS-PASIF" << true << 0 << 3 << int(kAbc) << 1;
    QTest::newRow("user of a closed account") << "WS-KAPALI" << true << 0 << 3 << int(kKapali) << 1;
    // Not nil: the client sends an unregistered workstation to the
    // registration form only when it gets a record with Varmi false.
    QTest::newRow("unregistered") << "BILINMEYEN-PC" << false << 0 << 1 << 0 << 0;
    QTest::newRow("empty id") << "" << false << 0 << 1 << 0 << 0;
}

void TstKatalog::oturum()
{
    QFETCH(QString, istasyon);
    QFETCH(bool, varmi);
    QFETCH(int, aktif);
    QFETCH(int, tip);
    QFETCH(int, carino);
    QFETCH(int, saticiNo);
    std::unique_ptr<TSonucBilgisi> b = kv::oturum(srv_, istasyon);
    QVERIFY(b);
    QCOMPARE(b->Varmi(), varmi);
    QCOMPARE(b->AKTIF(), aktif);
    QCOMPARE(b->MusteriTipi(), tip);
    QCOMPARE(b->CARINO(), carino);
    QCOMPARE(b->SaticiNo(), saticiNo);
    QCOMPARE(b->BILGISAYARID(), istasyon);
    // The published version also reaches unregistered workstations: the
    // client checks it before anything else.
    QCOMPARE(b->Version(), 7);
}

void TstKatalog::oturumKaydininAlanlari()
{
    std::unique_ptr<TSonucBilgisi> b = kv::oturum(srv_, QStringLiteral("WS-BAYI3"));
    QVERIFY(b);
    QCOMPARE(b->Sirano(), int(kBayi3));
    QCOMPARE(b->ADI(), QStringLiteral("BAYI3"));
    QCOMPARE(b->SIFRE(), QStringLiteral("1234"));
    QCOMPARE(b->Kullanicimail(), QStringLiteral("bayi3@abc.com"));
    QCOMPARE(b->carikod(), QStringLiteral("C001"));
    QCOMPARE(b->CariAdi(), QStringLiteral("ABC OTO"));
    QCOMPARE(b->SaticiAdi(), QStringLiteral("Kemal Aksoy"));
    QCOMPARE(b->SaticiMail(), QStringLiteral("kemal@korvel.com.tr"));
    QCOMPARE(b->SaticiTelefon(), QStringLiteral("0532 000 00 01"));
}

void TstKatalog::arama_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QList<int>>("basta");      // the result starts with these, in order
    QTest::addColumn<QList<int>>("iceren");     // the result holds these
    QTest::addColumn<QList<int>>("icermeyen");  // and none of these
    QTest::addColumn<int>("adet");              // -1: any number

    using L = QList<int>;
    QTest::newRow("code as written") << "1K0 615 301 AA" << L{1} << L{} << L{2} << -1;
    QTest::newRow("code without blanks") << "1K0615301AA" << L{1} << L{} << L{} << -1;
    QTest::newRow("code lower case with dashes") << "1k0-615-301-aa" << L{1} << L{} << L{} << -1;
    QTest::newRow("code with dots") << "1K0.615.301.AA" << L{1} << L{} << L{} << -1;
    QTest::newRow("code with slashes") << "1K0/615/301/AA" << L{1} << L{} << L{} << -1;
    QTest::newRow("code prefix") << "1K0615301A" << L{1, 5} << L{} << L{} << 2;
    QTest::newRow("a word is no code prefix") << "fren" << L{1, 2, 5} << L{} << L{130} << -1;
    QTest::newRow("but a code with digits is") << "FREN13" << L{130} << L{} << L{} << 1;
    QTest::newRow("OEM number run together") << "1K0698151" << L{2} << L{} << L{} << 1;
    QTest::newRow("OEM number as written") << "1K0.698.151" << L{2} << L{} << L{} << 1;
    QTest::newRow("manufacturer code without maker") << "HU 7008 Z" << L{3} << L{} << L{} << 1;
    QTest::newRow("manufacturer code run together") << "hu7008z" << L{3} << L{} << L{} << 1;
    QTest::newRow("manufacturer code with maker") << "MANN HU7008Z" << L{3} << L{} << L{} << 1;
    QTest::newRow("code with a slash") << "W712/95" << L{3} << L{} << L{} << 1;
    QTest::newRow("code with a Turkish letter") << "şt-100" << L{4} << L{} << L{} << 1;
    QTest::newRow("the same code folded") << "ST100" << L{4} << L{} << L{} << 1;
    QTest::newRow("words in any order") << "diski fren" << L{} << L{1, 5} << L{2, 3} << 2;
    QTest::newRow("every word must match") << "fren diski passat" << L{1} << L{} << L{} << 1;
    QTest::newRow("Turkish word, lower") << "şanzıman" << L{4} << L{} << L{} << 1;
    QTest::newRow("Turkish word, folded") << "SANZIMAN TAKOZU" << L{4} << L{} << L{} << 1;
    QTest::newRow("dotted capital I") << "DİSK" << L{} << L{1, 5} << L{} << 2;
    QTest::newRow("make and model") << "vw golf" << L{} << L{2, 5} << L{1} << 2;
    QTest::newRow("word prefix") << "yağ filt" << L{3} << L{} << L{} << 1;
    QTest::newRow("exact code before a mention") << "XK2040" << L{20, 10} << L{} << L{} << 2;
    QTest::newRow("no such thing") << "yokboyleparca" << L{} << L{} << L{} << 0;
    QTest::newRow("one known word, one unknown") << "fren yokboyle" << L{} << L{} << L{} << 0;
    QTest::newRow("empty") << "" << L{} << L{} << L{} << 0;
    QTest::newRow("blanks") << "   " << L{} << L{} << L{} << 0;
    QTest::newRow("separators only") << "- / ." << L{} << L{} << L{} << 0;
    QTest::newRow("capped at the search limit") << "fren" << L{} << L{} << L{} << 25;
}

void TstKatalog::arama()
{
    QFETCH(QString, metin);
    QFETCH(QList<int>, basta);
    QFETCH(QList<int>, iceren);
    QFETCH(QList<int>, icermeyen);
    QFETCH(int, adet);
    const kw::Tablo t = ara(QStringLiteral("WS-BAYI3"), metin);
    const QList<int> idler = sutun(t, QStringLiteral("STOK_STOKNO"));
    QVERIFY2(t.kolonNo(QStringLiteral("IND1")) >= 0, "the columns come also with no rows");
    QCOMPARE(idler.mid(0, basta.size()), basta);
    for (int id : iceren)
        QVERIFY2(idler.contains(id), qPrintable(QStringLiteral("%1 missing").arg(id)));
    for (int id : icermeyen)
        QVERIFY2(!idler.contains(id), qPrintable(QStringLiteral("%1 unexpected").arg(id)));
    if (adet >= 0)
        QCOMPARE(idler.size(), adet);
    QCOMPARE(QSet<int>(idler.begin(), idler.end()).size(), idler.size());   // no item twice
}

void TstKatalog::buyukKucukVeTurkceHarfler()
{
    // What the search box sends (upper case, Turkish letters replaced) and
    // what a pasted text holds find the same items.
    const QList<int> balata = sutun(ara(QStringLiteral("WS-BAYI3"), QStringLiteral("BALATA")), QStringLiteral("STOK_STOKNO"));
    QVERIFY(balata.contains(2));
    QVERIFY(balata.contains(100));
    for (const char *m : {"balata", "Balata"})
        QCOMPARE(sutun(ara(QStringLiteral("WS-BAYI3"), QString::fromUtf8(m)), QStringLiteral("STOK_STOKNO")), balata);
    const QList<int> fren = sutun(ara(QStringLiteral("WS-BAYI3"), QStringLiteral("FREN BALATASI")), QStringLiteral("STOK_STOKNO"));
    QVERIFY(fren.contains(2));
    QVERIFY(fren.contains(100));
    QVERIFY(!fren.contains(20));   // "Balata Yayı" is no "balatası"
    for (const char *m : {"fren balatası", "Fren Balatası", "FREN BALATASI "})
        QCOMPARE(sutun(ara(QStringLiteral("WS-BAYI3"), QString::fromUtf8(m)), QStringLiteral("STOK_STOKNO")), fren);
}

void TstKatalog::yazilanStokHemenBulunur()
{
    // Whoever writes stock items (an import, the demo generator) writes only
    // `stok`; the search follows at once, including words it had already
    // found nothing for.
    auto idler = [&](const char *m) { return sutun(ara(QStringLiteral("WS-BAYI3"), QString::fromUtf8(m)), QStringLiteral("STOK_STOKNO")); };
    QCOMPARE(idler("turbina"), QList<int>{});
    QCOMPARE(idler("TRB 77"), QList<int>{});
    const QString ad = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setDatabaseName(srv_.dbYolu());
        QVERIFY(db.open());
        calistir(db, QStringLiteral("INSERT INTO stok(id, barkod, adi) VALUES(140, 'TRB-77', 'Turbina Hortumu')"));
        QCOMPARE(idler("turbina"), QList<int>{140});
        QCOMPARE(idler("TRB 77"), QList<int>{140});
        calistir(db, QStringLiteral("UPDATE stok SET adi = 'Egzoz Kelepçesi', barkod = 'EK-5' WHERE id = 140"));
        QCOMPARE(idler("turbina"), QList<int>{});
        QCOMPARE(idler("TRB77"), QList<int>{});
        QCOMPARE(idler("kelepçe"), QList<int>{140});
        QCOMPARE(idler("EK5"), QList<int>{140});
        calistir(db, QStringLiteral("DELETE FROM stok WHERE id = 140"));
        QCOMPARE(idler("kelepce"), QList<int>{});
        QCOMPARE(idler("EK5"), QList<int>{});
    }
    QSqlDatabase::removeDatabase(ad);
}

void TstKatalog::stokSatiriKolonlari()
{
    const kw::Tablo t = ara(QStringLiteral("WS-BAYI3"), QStringLiteral("1K0615301AA"));
    using T = kw::KolonTipi;
    const QVector<kw::Kolon> beklenen = {
        {"STOK_STOKNO", T::Int32}, {"BARKOD", T::String},      {"ADI", T::String},         {"DIGERADI", T::String},
        {"OEM1", T::String},       {"OEM2", T::String},        {"OEM3", T::String},        {"OEM4", T::String},
        {"OEMNO", T::String},      {"FINISHKOD", T::String},   {"URETICIKODU", T::String}, {"DPKOD", T::String},
        {"PKOD", T::String},       {"BARKOD_BARKODNO", T::String}, {"BIRIM", T::String},   {"MARKA", T::String},
        {"MODEL", T::String},      {"ANAGRUP", T::String},     {"OZELKOD", T::String},     {"KALAN", T::Double},
        {"ALINANSIPARIS", T::Double}, {"VERILENSIPARIS", T::Double}, {"KDV", T::Double},  {"LISTEFIYAT1", T::Double},
        {"KAMPFIYAT", T::Double},  {"FIYAT", T::Double},       {"IND1", T::Double},        {"IND2", T::Double},
        {"IND3", T::Double},       {"IND4", T::Double},        {"INDIRIMYAZI", T::String}, {"NETFIYAT", T::Double},
        {"KDVDAHIL", T::Double},   {"Y", T::Int32},            {"K", T::Int32},            {"DURUM", T::Int32},
        {"DEPOIKIDURUM", T::Int32}, {"RESIM", T::Int32},
    };
    QCOMPARE(t.kolonlar.size(), beklenen.size());
    for (int i = 0; i < beklenen.size(); ++i) {
        QCOMPARE(t.kolonlar[i].ad, beklenen[i].ad);
        QVERIFY2(t.kolonlar[i].tip == beklenen[i].tip, qPrintable(beklenen[i].ad));
    }
    QCOMPARE(t.satirSayisi(), 1);
    auto h = [&](const char *k) { return t.hucre(0, QString::fromLatin1(k)); };
    QCOMPARE(h("BARKOD").toString(), QStringLiteral("1K0 615 301 AA"));
    QCOMPARE(h("ADI").toString(), QStringLiteral("Ön Fren Diski"));
    QCOMPARE(h("URETICIKODU").toString(), QStringLiteral("BREMBO 09.9145.11"));
    QCOMPARE(h("KALAN").toDouble(), 12.0);
    QCOMPARE(h("Y").toInt(), 1);
    QCOMPARE(h("K").toInt(), 0);
    QCOMPARE(h("DURUM").toInt(), 1);
    QCOMPARE(h("DEPOIKIDURUM").toInt(), 3);
    QCOMPARE(h("RESIM").toInt(), 1);
}

void TstKatalog::fiyatlar_data()
{
    QTest::addColumn<QString>("istasyon");
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QVariantMap>("beklenen");
    auto m = [](std::initializer_list<std::pair<const char *, QVariant>> l) {
        QVariantMap x;
        for (const auto &p : l)
            x.insert(QString::fromLatin1(p.first), p.second);
        return x;
    };
    QTest::newRow("dealer rates 10+5") << "WS-BAYI3" << "1K0615301AA"
                                       << m({{"LISTEFIYAT1", 100.0}, {"FIYAT", 100.0}, {"IND1", 10.0}, {"IND2", 5.0},
                                             {"INDIRIMYAZI", "10+5"}, {"NETFIYAT", 85.5}, {"KDVDAHIL", 102.6}});
    QTest::newRow("price list 2, no rates") << "WS-BAYI4" << "1K0615301AA"
                                            << m({{"LISTEFIYAT1", 110.0}, {"FIYAT", 110.0}, {"IND1", 0.0},
                                                  {"INDIRIMYAZI", ""}, {"NETFIYAT", 110.0}, {"KDVDAHIL", 132.0}});
    QTest::newRow("group rate replaces the general ones") << "WS-BAYI3" << "W712/95"
                                                          << m({{"IND1", 20.0}, {"IND2", 0.0}, {"INDIRIMYAZI", "20"},
                                                                {"NETFIYAT", 40.0}, {"KDVDAHIL", 48.0}});
    QTest::newRow("campaign price") << "WS-BAYI3" << "GDB1550"
                                    << m({{"K", 1}, {"KAMPFIYAT", 80.0}, {"FIYAT", 80.0}, {"IND1", 0.0},
                                          {"LISTEFIYAT1", 120.0}, {"NETFIYAT", 80.0}, {"KDVDAHIL", 96.0}});
    QTest::newRow("type 4 sees no campaign") << "WS-BAYI4" << "GDB1550"
                                             << m({{"K", 0}, {"KAMPFIYAT", 0.0}, {"FIYAT", 130.0}, {"NETFIYAT", 130.0}});
    QTest::newRow("representative for dealer 1") << "WS-TEMS" << "GDB1550" << m({{"K", 1}, {"FIYAT", 80.0}});
    QTest::newRow("rounding after compounding") << "WS-BAYI3" << "ST100"
                                                << m({{"FIYAT", 333.33}, {"NETFIYAT", 285.0}, {"KDVDAHIL", 336.3},
                                                      {"KDV", 18.0}});
}

void TstKatalog::fiyatlar()
{
    QFETCH(QString, istasyon);
    QFETCH(QString, metin);
    QFETCH(QVariantMap, beklenen);
    const kw::Tablo t = ara(istasyon, metin);
    QVERIFY(t.satirSayisi() >= 1);
    for (auto it = beklenen.cbegin(); it != beklenen.cend(); ++it) {
        const QVariant v = t.hucre(0, it.key());
        if (it.value().typeId() == QMetaType::Double)
            QVERIFY2(v.toDouble() == it.value().toDouble(), qPrintable(it.key() + QStringLiteral(" = ") + v.toString()));
        else
            QCOMPARE(v.toString(), it.value().toString());
    }
}

void TstKatalog::oturumsuzArama()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.StokAraGetirTarvel(QStringLiteral("fren"), nullptr));
    // An unknown dealer in the record is refused too.
    auto b = std::make_unique<TSonucBilgisi>();
    b->setCARINO(999);
    try {
        p.StokAraGetirTarvel(QStringLiteral("fren"), std::move(b));
        QFAIL("no error");
    } catch (const EUzakHata &e) {
        QVERIFY2(e.mesaj().contains(QStringLiteral("Cari bulunamadı")), qPrintable(e.mesaj()));
    }
}

void TstKatalog::yeniVeKampanyaListeleri()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());

    // New items, newest first, with INDIRIM: 85.50 is 14.5 % below 100.
    const kw::Tablo yeni = p.YenilerVer2(kAbc);
    QCOMPARE(sutun(yeni, QStringLiteral("STOK_STOKNO")), (QList<int>{1, 3}));
    QCOMPARE(yeni.hucre(0, QStringLiteral("INDIRIM")).toDouble(), 14.5);
    QCOMPARE(yeni.hucre(0, QStringLiteral("NETFIYAT")).toDouble(), 85.5);
    QCOMPARE(p.YenilerVer2(kXyz).hucre(0, QStringLiteral("FIYAT")).toDouble(), 110.0);

    // Campaign items: FIYAT is the campaign price, ESKIFIYAT the list price.
    const kw::Tablo kamp = p.KampanyaliVer2(kAbc, 3);
    QCOMPARE(sutun(kamp, QStringLiteral("STOK_STOKNO")), (QList<int>{2}));
    QCOMPARE(kamp.hucre(0, QStringLiteral("FIYAT")).toDouble(), 80.0);
    QCOMPARE(kamp.hucre(0, QStringLiteral("ESKIFIYAT")).toDouble(), 120.0);
    QCOMPARE(kamp.hucre(0, QStringLiteral("INDIRIM")).toDouble(), 33.33);
    QCOMPARE(kamp.hucre(0, QStringLiteral("K")).toInt(), 1);
    QCOMPARE(p.KampanyaliVer2(kAbc, 1).satirSayisi(), 1);

    // Type 4, and a dealer whose users are all of type 4: none, columns kept.
    const kw::Tablo tip4 = p.KampanyaliVer2(kAbc, 4);
    QCOMPARE(tip4.satirSayisi(), 0);
    QVERIFY(tip4.kolonNo(QStringLiteral("ESKIFIYAT")) >= 0);
    QCOMPARE(p.KampanyaliVer2(kXyz, 3).satirSayisi(), 0);

    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.KampanyaliVer2(kAbc, 9));
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.YenilerVer2(999));
}

void TstKatalog::buyukResim()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    qint64 boy = -1;
    const QByteArray r = p.ResimVer5(1, boy);
    QVERIFY(boy > 0);
    QCOMPARE(qint64(r.size()), boy);
    const QImage img = QImage::fromData(r, "JPEG");
    QVERIFY(!img.isNull());
    QCOMPARE(img.size(), QSize(1024, 768));

    for (int yok : {3 /* no pictures */, 99999 /* no such item */, -1}) {
        boy = -1;
        QCOMPARE(p.ResimVer5(yok, boy).size(), 0);
        QCOMPARE(boy, qint64(0));
    }
}

void TstKatalog::resimServisi()
{
    const char *tipler[] = {"", "image/jpeg", "image/png", "image/bmp", "image/jpeg"};
    const char *bicimler[] = {"", "JPEG", "PNG", "BMP", "JPEG"};
    QSet<QByteArray> farkli;
    for (int no = 1; no <= 4; ++no) {
        QByteArray govde;
        QString tip;
        const QString yol = QStringLiteral("/resimcoklu.ashx?id=1&resim=%1").arg(no);
        QCOMPARE(srv_.webGet(yol, &govde, &tip), 200);
        QCOMPARE(tip, QString::fromLatin1(tipler[no]));
        const QImage img = QImage::fromData(govde, bicimler[no]);
        QVERIFY2(!img.isNull(), bicimler[no]);
        QCOMPARE(img.size(), QSize(640, 480));
        QByteArray ikinci;
        QCOMPARE(srv_.webGet(yol, &ikinci), 200);
        QCOMPARE(ikinci, govde);   // the same picture every time
        farkli.insert(govde);
    }
    QCOMPARE(farkli.size(), 4);   // four views, not one picture four times
    QByteArray baska;
    QCOMPARE(srv_.webGet(QStringLiteral("/resimcoklu.ashx?id=5&resim=1"), &baska), 404);   // item 5 has none
    QCOMPARE(srv_.webGet(QStringLiteral("/resimcoklu.ashx?id=4&resim=1"), &baska), 200);
    QVERIFY(!farkli.contains(baska));

    for (const char *yol : {"/resimcoklu.ashx?id=2&resim=3",   // item 2 has two
                            "/resimcoklu.ashx?id=1&resim=5", "/resimcoklu.ashx?id=1&resim=0",
                            "/resimcoklu.ashx?id=99999&resim=1", "/resimcoklu.ashx?id=abc&resim=1",
                            "/resimcoklu.ashx?id=-1&resim=1", "/resimcoklu.ashx?id=1&resim=1x",
                            "/resimcoklu.ashx?id=1", "/resimcoklu.ashx?resim=1", "/resimcoklu.ashx",
                            "/resimcoklu.ashx?id=99999999999999999999&resim=1"})
        QVERIFY2(srv_.webGet(QString::fromLatin1(yol), &baska) == 404, yol);
    QCOMPARE(srv_.webGet(QStringLiteral("/resimcoklu.ashx?id=2&resim=2"), &baska), 200);
}

void TstKatalog::stokHareketleri()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    const kw::Tablo t = p.StokHareketVer(kAbc, 1);
    QCOMPARE(t.satirSayisi(), 1);   // XYZ's invoice of the same item stays out
    auto h = [&](const char *k) { return t.hucre(0, QString::fromLatin1(k)); };
    QCOMPARE(h("TARIH").toDate(), QDate(2026, 11, 1));
    QCOMPARE(h("TURU").toString(), QStringLiteral("Satış Faturası"));
    QCOMPARE(h("EVRAKSERI").toString(), QStringLiteral("A"));
    QCOMPARE(h("EVRAKSIRA").toInt(), 123);
    QCOMPARE(h("MIKTAR").toDouble(), 3.0);
    QCOMPARE(h("TLBIRIMFIYAT").toDouble(), 100.0);
    QCOMPARE(h("TLTUTAR").toDouble(), 300.0);
    QCOMPARE(h("TOPLAMINDIRIM").toDouble(), 43.5);
    QCOMPARE(h("NETTLTUTAR").toDouble(), 256.5);
    QCOMPARE(h("NETBIRIMFIYAT").toDouble(), 85.5);
    QCOMPARE(h("TLVERGI").toDouble(), 51.3);
    QCOMPARE(h("KDVDAHILBIRIMFIYAT").toDouble(), 102.6);
    QCOMPARE(h("KDVDAHILTUTAR").toDouble(), 307.8);
    QCOMPARE(h("INDIRIM1").toDouble(), 10.0);
    QCOMPARE(h("INDIRIM2").toDouble(), 5.0);
    QCOMPARE(h("INDIRIM8").toDouble(), 0.0);
    QCOMPARE(h("MASRAF1").toDouble(), 2.5);
    QCOMPARE(h("TOPLAMMASRAF").toDouble(), 2.5);
    QCOMPARE(h("VADE").toDate(), QDate(2026, 12, 31));
    QCOMPARE(h("BARKOD").toString(), QStringLiteral("1K0 615 301 AA"));

    QCOMPARE(p.StokHareketVer(kAbc, 2).satirSayisi(), 0);
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.StokHareketVer(kAbc, 99999));
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.StokHareketVer(999, 1));
}

QTEST_MAIN(TstKatalog)
#include "tst_katalog.moc"
