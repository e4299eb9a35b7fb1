// The basket with its selection and amounts, order submission, refused
// requests and two simultaneous submissions: through the client's proxy
// (and raw calls for malformed requests) against a real server.
#include "katalogverisi.h"
#include "kodlayici.h"

#include <QtTest>
#include <atomic>
#include <thread>

using namespace kv;

class TstSepet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sepetVeSiparis();
    void sepetKolonlari();
    void hepsiniSilYalnizBuCari();
    void hataliIstekler_data();
    void hataliIstekler();
    void secimVeSiparisHatalari();
    void ayniAndaIkiSiparis();

private:
    std::unique_ptr<TSonucBilgisi> bilgi(const QString &istasyon = QStringLiteral("WS-BAYI3"))
    {
        return kv::oturum(srv_, istasyon);
    }
    int ekle(TServerMethods1Client &p, int carino, int stokno, double miktar, double fiyat, double ind1 = 0,
             double ind2 = 0);
    int sayi(const QString &sql);

    kt::SunucuSureci srv_{0};
};

void TstSepet::initTestCase()
{
    QVERIFY2(srv_.baslat(), qPrintable(srv_.hata()));
    yaz(srv_.dbYolu());
}

void TstSepet::init()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    for (const char *ist : {"WS-BAYI3", "WS-BAYI4"})
        p.SepetHepsiniSil(bilgi(QString::fromLatin1(ist)));
}

int TstSepet::ekle(TServerMethods1Client &p, int carino, int stokno, double miktar, double fiyat, double ind1, double ind2)
{
    return p.SepetEkle2(bilgi(), carino, stokno, QString(), QString(), miktar, 20, fiyat, ind1, kBayi3, 0, ind2, 0, 0);
}

int TstSepet::sayi(const QString &sql)
{
    const QString ad = QUuid::createUuid().toString();
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setDatabaseName(srv_.dbYolu());
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                n = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(ad);
    return n;
}

void TstSepet::sepetVeSiparis()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());

    // 3 × 100.00 at 10 % + 5 %: 300.00, discount 43.50, net 256.50 (85.50
    // each), VAT 51.30.
    QCOMPARE(ekle(p, kAbc, 1, 3, 100, 10, 5), 1);
    QCOMPARE(ekle(p, kAbc, 3, 2, 50, 20), 1);
    QCOMPARE(ekle(p, kAbc, 4, 1, 333.33, 10, 5), 1);
    kw::Tablo s = p.SepetVer2(kAbc);
    QCOMPARE(s.satirSayisi(), 3);
    QCOMPARE(sutun(s, QStringLiteral("SEC")), (QList<int>{0, 0, 0}));
    QCOMPARE(sutun(s, QStringLiteral("STOKNO")), (QList<int>{1, 3, 4}));
    const QList<int> satirlar = sutun(s, QStringLiteral("SIRANO"));
    auto h = [&](int stok, const char *k) { return hucre(s, QStringLiteral("STOKNO"), stok, QString::fromLatin1(k)); };
    QCOMPARE(h(1, "TUTAR").toDouble(), 300.0);
    QCOMPARE(h(1, "INDIRIMTUTAR").toDouble(), 43.5);
    QCOMPARE(h(1, "NETTUTAR").toDouble(), 256.5);
    QCOMPARE(h(1, "NETBIRIMFIYAT").toDouble(), 85.5);
    QCOMPARE(h(1, "VERGITUTARI").toDouble(), 51.3);
    QCOMPARE(h(1, "INDIRIMYAZI").toString(), QStringLiteral("10+5"));
    QCOMPARE(h(1, "BARKOD").toString(), QStringLiteral("1K0 615 301 AA"));
    QCOMPARE(h(1, "STOKADI").toString(), QStringLiteral("Ön Fren Diski"));
    QCOMPARE(h(1, "VEREN").toString(), QStringLiteral("BAYI3"));
    QCOMPARE(h(1, "DURUM").toInt(), 1);
    QCOMPARE(h(1, "VERILISTARIHI").toDateTime().date(), QDate::currentDate());
    QCOMPARE(h(1, "SAAT").toString(), h(1, "VERILISTARIHI").toDateTime().toString(QStringLiteral("HH:mm")));
    QCOMPARE(h(1, "TARIH").toDate(), QDate::currentDate());
    // The VAT rate is the item's own (18), whatever the client sent (20).
    QCOMPARE(h(4, "KDV").toDouble(), 18.0);
    QCOMPARE(h(4, "NETTUTAR").toDouble(), 285.0);
    QCOMPARE(h(4, "VERGITUTARI").toDouble(), 51.3);

    // A line is changed by its number alone; the client sends stock 0.
    QCOMPARE(p.SepetGuncelle2(bilgi(), kAbc, 0, QString(), QString(), 2, 20, 100, 10, kBayi3, satirlar[0], 5, 0, 0), 1);
    s = p.SepetVer2(kAbc);
    QCOMPARE(h(1, "MIKTAR").toDouble(), 2.0);
    QCOMPARE(h(1, "TUTAR").toDouble(), 200.0);
    QCOMPARE(h(1, "NETTUTAR").toDouble(), 171.0);

    // Nothing selected: no order, the basket stays.
    QCOMPARE(p.SiparisKaydet(bilgi(), kAbc, 1, 1, QString(), kBayi3, 2), false);
    QCOMPARE(p.SepetVer2(kAbc).satirSayisi(), 3);
    QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM siparis")), 0);

    // Lines 1 and 3 selected: one order of those two, line 2 stays.
    p.SepetSecimGuncelle(satirlar[0], 1);
    p.SepetSecimGuncelle(satirlar[2], 1);
    p.SepetSecimGuncelle(satirlar[1], 1);
    p.SepetSecimGuncelle(satirlar[1], 0);
    QCOMPARE(sutun(p.SepetVer2(kAbc), QStringLiteral("SEC")), (QList<int>{1, 0, 1}));
    const QString not_ = QStringLiteral("Acil,\nöğleden önce lütfen");
    QCOMPARE(p.SiparisKaydet(bilgi(), kAbc, 1, 1, not_, kBayi3, 2), true);
    s = p.SepetVer2(kAbc);
    QCOMPARE(sutun(s, QStringLiteral("SIRANO")), (QList<int>{satirlar[1]}));
    QCOMPARE(sutun(s, QStringLiteral("SEC")), (QList<int>{0}));

    const kw::Tablo *g = p.TumSiparislerVer(kAbc, 0);
    QVERIFY(g);
    QCOMPARE(g->satirSayisi(), 2);
    QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM siparis")), 1);
    const kw::Tablo gecmis = *g;
    auto o = [&](int stok, const char *k) { return hucre(gecmis, QStringLiteral("STOKNO"), stok, QString::fromLatin1(k)); };
    QCOMPARE(o(1, "SIPARISNO"), o(4, "SIPARISNO"));
    QCOMPARE(o(1, "MIKTAR").toDouble(), 2.0);
    QCOMPARE(o(1, "BIRIMFIYAT").toDouble(), 100.0);
    QCOMPARE(o(1, "INDIRIMORANI1").toDouble(), 10.0);
    QCOMPARE(o(1, "NETTUTAR").toDouble(), 171.0);
    QCOMPARE(o(1, "TESLIMEDILEN").toDouble(), 0.0);
    QCOMPARE(o(1, "KALAN").toDouble(), 2.0);
    QCOMPARE(o(1, "ELDEKI").toDouble(), 12.0);
    QCOMPARE(o(1, "ACIKLAMA").toString(), not_);
    QCOMPARE(o(1, "TESLIM").toString(), QStringLiteral("Kargo ile"));
    QCOMPARE(o(1, "KARGO").toString(), QStringLiteral("Aras"));
    QCOMPARE(o(1, "VEREN").toString(), QStringLiteral("BAYI3"));
    QCOMPARE(p.TumSiparislerVer(kAbc, 4)->satirSayisi(), 1);
    QCOMPARE(p.TumSiparislerVer(kAbc, 3)->satirSayisi(), 0);
    QCOMPARE(sayi(QStringLiteral("SELECT alinansiparis FROM stok WHERE id = 1")), 2);

    // A second submission finds nothing selected.
    QCOMPARE(p.SiparisKaydet(bilgi(), kAbc, 1, 1, QString(), kBayi3, 2), false);
    QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM siparis")), 1);

    QCOMPARE(p.SepetSatirSil(bilgi(), satirlar[1], QStringLiteral("W 712/95-Yağ Filtresi")), 1);
    QCOMPARE(p.SepetVer2(kAbc).satirSayisi(), 0);
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.SepetSatirSil(bilgi(), satirlar[1], QString()));
}

void TstSepet::sepetKolonlari()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    QCOMPARE(ekle(p, kAbc, 2, 1, 80), 1);
    const kw::Tablo s = p.SepetVer2(kAbc);
    using T = kw::KolonTipi;
    const QVector<kw::Kolon> gerekli = {
        {"SIRANO", T::Int32}, {"SEC", T::Int32}, {"STOKNO", T::Int32}, {"BARKOD", T::String}, {"STOKADI", T::String},
        {"MARKA", T::String}, {"FINISHKOD", T::String}, {"MODEL", T::String}, {"MIKTAR", T::Double},
        {"BIRIMFIYAT", T::Double}, {"TUTAR", T::Double}, {"INDIRIMORANI1", T::Double}, {"INDIRIMORANI2", T::Double},
        {"INDIRIMORANI3", T::Double}, {"INDIRIMORANI4", T::Double}, {"INDIRIMYAZI", T::String},
        {"INDIRIMTUTAR", T::Double}, {"NETBIRIMFIYAT", T::Double}, {"KDV", T::Double}, {"VERGITUTARI", T::Double},
        {"NETTUTAR", T::Double}, {"VERILISTARIHI", T::DateTime}, {"VEREN", T::String}, {"DURUM", T::Int32},
        {"SIPARISNO", T::Int32}, {"CARINO", T::Int32}, {"TARIH", T::Date}, {"AKTAR", T::Int32}, {"KUR", T::String},
        {"KURTL", T::Double}, {"VERENIDNO", T::Int32}, {"SAAT", T::String}, {"TESLIMID", T::Int32},
        {"KARGOID", T::Int32}, {"ACIKLAMA", T::String}, {"IDNO", T::Int32}, {"VERENSIRANO", T::Int32},
        {"CARIKOD", T::String}, {"CARIADI", T::String}, {"OEM1", T::String}, {"OEM2", T::String}, {"OEM3", T::String},
        {"OEM4", T::String}, {"OEMNO", T::String}, {"STOK_STOKNO", T::Int32}, {"URETICIKODU", T::String},
        {"DIGERADI", T::String}, {"DPKOD", T::String}, {"ANAGRUP", T::String}, {"OZELKOD", T::String},
        {"PKOD", T::String}, {"KALAN", T::Double},
    };
    for (const kw::Kolon &k : gerekli) {
        const int i = s.kolonNo(k.ad);
        QVERIFY2(i >= 0, qPrintable(k.ad));
        QVERIFY2(s.kolonlar[i].tip == k.tip, qPrintable(k.ad));
    }
    QCOMPARE(s.hucre(0, QStringLiteral("CARIKOD")).toString(), QStringLiteral("C001"));
    QCOMPARE(s.hucre(0, QStringLiteral("OEM1")).toString(), QStringLiteral("1K0.698.151"));

    // The choice lists of the order dialog.
    const kw::Tablo teslim = *p.TeslimVer();
    QVERIFY(teslim.kolonlar[0].tip == T::Int32);
    QVERIFY(teslim.kolonlar[1].tip == T::String);
    QCOMPARE(teslim.satirSayisi(), 2);
    QCOMPARE(teslim.satirlar[1][1].toString(), QStringLiteral("Depodan Teslim"));
    QCOMPARE(p.KargoVer()->satirSayisi(), 2);
    const kw::Tablo k1 = *p.KargolarVer(1);
    QCOMPARE(sutun(k1, QStringLiteral("SIRANO")), (QList<int>{1, 2}));
    QCOMPARE(k1.hucre(0, QStringLiteral("ADI")).toString(), QStringLiteral("Yurtiçi"));
    QCOMPARE(k1.hucre(0, QStringLiteral("UYARI")).toString(), QStringLiteral("Saat 17:00'a kadar"));
    QCOMPARE(p.KargolarVer(2)->satirSayisi(), 1);
    QCOMPARE(p.KargolarVer(99)->satirSayisi(), 0);
}

void TstSepet::hepsiniSilYalnizBuCari()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    QCOMPARE(ekle(p, kAbc, 1, 1, 100), 1);
    QCOMPARE(ekle(p, kAbc, 1, 1, 100), 1);   // the same item again: a line of its own
    QCOMPARE(ekle(p, kXyz, 1, 1, 110), 1);
    QCOMPARE(p.SepetVer2(kAbc).satirSayisi(), 2);
    p.SepetHepsiniSil(bilgi());
    QCOMPARE(p.SepetVer2(kAbc).satirSayisi(), 0);
    QCOMPARE(p.SepetVer2(kXyz).satirSayisi(), 1);
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.SepetHepsiniSil(nullptr));
}

// A basket line call with the given values; everything else valid.
static QByteArray sepetEkle(int carino, int stokno, double miktar, double fiyat, double ind1, int veren = kBayi3,
                            double kdv = 20)
{
    return kw::istekYaz(*kw::metotBul(u"SepetEkle2"),
                        {kw::Nesne(std::make_shared<TSonucBilgisi>()), qint32(carino), qint32(stokno), QString(),
                         QString(), miktar, kdv, fiyat, ind1, qint32(veren), qint32(0), 0.0, 0.0, 0.0});
}

void TstSepet::hataliIstekler_data()
{
    QTest::addColumn<QString>("metot");
    QTest::addColumn<QByteArray>("govde");
    QTest::addColumn<int>("durum");
    QTest::addColumn<QString>("mesaj");   // a part of the error message

    auto g = [](const char *s) { return QByteArray(s); };
    QTest::newRow("malformed JSON") << "SepetVer2" << g(R"({"_parameters":[1)") << 400 << "JSON";
    QTest::newRow("not an object") << "SepetVer2" << g("[1]") << 400 << "";
    QTest::newRow("too few parameters") << "SepetVer2" << g(R"({"_parameters":[]})") << 400 << "parametre";
    QTest::newRow("too many parameters") << "SepetVer2" << g(R"({"_parameters":[1,2]})") << 400 << "parametre";
    QTest::newRow("text for an integer") << "SepetVer2" << g(R"({"_parameters":["1"]})") << 400 << "";
    QTest::newRow("integer out of range") << "SepetVer2" << g(R"({"_parameters":[4294967296]})") << 400 << "";
    QTest::newRow("fraction for an integer") << "SepetSecimGuncelle" << g(R"({"_parameters":[1.5,1]})") << 400 << "";
    QTest::newRow("wrong record type") << "SepetHepsiniSil"
                                       << g(R"({"_parameters":[{"type":"x.Y","id":1,"fields":{}}]})") << 400 << "";
    QTest::newRow("unknown method") << "SepetiUcur" << g(R"({"_parameters":[]})") << 404 << "Bilinmeyen metot";
    QTest::newRow("oversized body") << "SepetVer2" << QByteArray(5 * 1024 * 1024, ' ') << 413 << "büyük";
    QTest::newRow("negative quantity") << "SepetEkle2" << sepetEkle(kAbc, 1, -1, 100, 0) << 500 << "Geçersiz miktar";
    QTest::newRow("zero quantity") << "SepetEkle2" << sepetEkle(kAbc, 1, 0, 100, 0) << 500 << "Geçersiz miktar";
    QTest::newRow("absurd quantity") << "SepetEkle2" << sepetEkle(kAbc, 1, 1e12, 100, 0) << 500 << "Geçersiz miktar";
    QTest::newRow("negative price") << "SepetEkle2" << sepetEkle(kAbc, 1, 1, -0.01, 0) << 500 << "birim fiyat";
    QTest::newRow("rate above 100") << "SepetEkle2" << sepetEkle(kAbc, 1, 1, 100, 150) << 500 << "indirim oranı";
    QTest::newRow("VAT above 100") << "SepetEkle2" << sepetEkle(kAbc, 1, 1, 100, 0, kBayi3, 120) << 500 << "KDV";
    QTest::newRow("unknown stock") << "SepetEkle2" << sepetEkle(kAbc, 99999, 1, 100, 0) << 500 << "Stok bulunamadı";
    QTest::newRow("unknown dealer") << "SepetEkle2" << sepetEkle(999, 1, 1, 100, 0) << 500 << "Cari bulunamadı";
    QTest::newRow("unknown giver") << "SepetEkle2" << sepetEkle(kAbc, 1, 1, 100, 0, 999) << 500
                                   << "Kullanıcı bulunamadı";
    QTest::newRow("unknown line to change")
        << "SepetGuncelle2"
        << kw::istekYaz(*kw::metotBul(u"SepetGuncelle2"),
                        {kw::Nesne(), qint32(kAbc), qint32(0), QString(), QString(), 1.0, 20.0, 10.0, 0.0,
                         qint32(kBayi3), qint32(987654), 0.0, 0.0, 0.0})
        << 500 << "Sepet satırı bulunamadı";
    QTest::newRow("unknown line to select") << "SepetSecimGuncelle" << g(R"({"_parameters":[987654,1]})") << 500
                                            << "Sepet satırı bulunamadı";
    QTest::newRow("unknown line to delete") << "SepetSatirSil" << g(R"({"_parameters":[null,987654,""]})") << 500
                                            << "Sepet satırı bulunamadı";
    QTest::newRow("unknown dealer's basket") << "SepetVer2" << g(R"({"_parameters":[999]})") << 500
                                             << "Cari bulunamadı";
    QTest::newRow("search without session") << "StokAraGetirTarvel" << g(R"({"_parameters":["fren",null]})") << 500
                                            << "Oturum";
}

void TstSepet::hataliIstekler()
{
    QFETCH(QString, metot);
    QFETCH(QByteArray, govde);
    QFETCH(int, durum);
    QFETCH(QString, mesaj);
    {
        // One valid line, so that a half-done write would show.
        auto bag = baglanti(srv_);
        TServerMethods1Client p(bag.get());
        QCOMPARE(ekle(p, kAbc, 1, 1, 100), 1);
    }
    const int sepetOnce = sayi(QStringLiteral("SELECT COUNT(*) FROM sepet"));
    const int siparisOnce = sayi(QStringLiteral("SELECT COUNT(*) FROM siparis_satir"));

    QByteArray cevap;
    QCOMPARE(srv_.cagir(metot, govde, &cevap), durum);
    const QString hata = kw::hataOku(cevap);
    QVERIFY2(!hata.isEmpty(), cevap.left(200).constData());
    QVERIFY2(hata.contains(mesaj), qPrintable(hata));

    QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM sepet")), sepetOnce);
    QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM siparis_satir")), siparisOnce);
    // And the server keeps serving.
    QCOMPARE(srv_.cagir(QStringLiteral("SepetVer2"), R"({"_parameters":[1]})", &cevap), 200);
    QVERIFY(srv_.calisiyor());
}

void TstSepet::secimVeSiparisHatalari()
{
    auto bag = baglanti(srv_);
    TServerMethods1Client p(bag.get());
    QCOMPARE(ekle(p, kAbc, 1, 1, 100), 1);
    const int sirano = p.SepetVer2(kAbc).hucre(0, QStringLiteral("SIRANO")).toInt();
    for (int secim : {2, -1})
        QVERIFY_THROWS_EXCEPTION(EUzakHata, p.SepetSecimGuncelle(sirano, secim));
    p.SepetSecimGuncelle(sirano, 1);
    const int siparisOnce = sayi(QStringLiteral("SELECT COUNT(*) FROM siparis"));

    // Refused choices write nothing: the selected line stays in the basket.
    struct Durum {
        int teslim, kargo, firma;
        const char *mesaj;
    };
    const Durum durumlar[] = {{9, 1, 1, "Teslim durumu"}, {1, 9, 1, "Kargo türü"}, {1, 1, 99, "Kargo firması"},
                              {1, 1, 3, "kargo türüne ait değil"}};
    for (const Durum &d : durumlar) {
        try {
            p.SiparisKaydet(bilgi(), kAbc, d.teslim, d.kargo, QString(), kBayi3, d.firma);
            QFAIL(d.mesaj);
        } catch (const EUzakHata &e) {
            QVERIFY2(e.mesaj().contains(QString::fromUtf8(d.mesaj)), qPrintable(e.mesaj()));
        }
    }
    QVERIFY_THROWS_EXCEPTION(EUzakHata,
                             p.SiparisKaydet(bilgi(), kAbc, 1, 1, QString(5000, u'x'), kBayi3, 1));
    QCOMPARE(sutun(p.SepetVer2(kAbc), QStringLiteral("SEC")), (QList<int>{1}));
    QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM siparis")), siparisOnce);
}

void TstSepet::ayniAndaIkiSiparis()
{
    for (int tur = 0; tur < 5; ++tur) {
        {
            auto bag = baglanti(srv_);
            TServerMethods1Client p(bag.get());
            QCOMPARE(ekle(p, kAbc, 1, 2, 100), 1);
            QCOMPARE(ekle(p, kAbc, 3, 1, 50), 1);
            QCOMPARE(ekle(p, kAbc, 5, 1, 90), 1);
            const kw::Tablo s = p.SepetVer2(kAbc);
            const QList<int> n = sutun(s, QStringLiteral("SIRANO"));
            p.SepetSecimGuncelle(n[n.size() - 3], 1);
            p.SepetSecimGuncelle(n[n.size() - 2], 1);
        }
        const int siparisOnce = sayi(QStringLiteral("SELECT COUNT(*) FROM siparis"));
        const int satirOnce = sayi(QStringLiteral("SELECT COUNT(*) FROM siparis_satir"));

        // Two connections, released at the same moment.
        std::atomic<int> hazir{0};
        std::atomic<bool> basla{false};
        bool sonuc[2] = {false, false};
        QString hata[2];
        std::vector<std::thread> is;
        for (int i = 0; i < 2; ++i)
            is.emplace_back([&, i] {
                try {
                    auto bag = baglanti(srv_);
                    TServerMethods1Client p(bag.get());
                    auto b = bilgi();
                    ++hazir;
                    while (!basla)
                        std::this_thread::yield();
                    sonuc[i] = p.SiparisKaydet(std::move(b), kAbc, 1, 1, QString(), kBayi3, 1);
                } catch (const std::exception &e) {
                    hata[i] = QString::fromUtf8(e.what());
                    ++hazir;
                }
            });
        while (hazir < 2)
            std::this_thread::yield();
        basla = true;
        for (std::thread &t : is)
            t.join();
        QVERIFY2(hata[0].isEmpty() && hata[1].isEmpty(), qPrintable(hata[0] + hata[1]));
        QCOMPARE(int(sonuc[0]) + int(sonuc[1]), 1);
        QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM siparis")), siparisOnce + 1);
        QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM siparis_satir")), satirOnce + 2);
        QCOMPARE(sayi(QStringLiteral("SELECT COUNT(*) FROM sepet WHERE cari_id = 1")), 1);
        init();
    }
}

QTEST_MAIN(TstSepet)
#include "tst_sepet.moc"
