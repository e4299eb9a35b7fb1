// Round trips of every record and every value type through the JSON form.
#include "baglantiu.h"
#include "kodlayici.h"
#include "mobilstokunit.h"
#include "tarih.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class TstKodlayici : public QObject {
    Q_OBJECT

private slots:
    void katalogElliMetot();
    void sonucBilgisiVarsayilanVeSira();
    void kayitlarGidipGelir();
    void eksikAlanVarsayilanKalir();
    void yanlisTipReddedilir();
    void tabloHerKolonTipi();
    void istekVeCevap();
    void bozukIstekler_data();
    void bozukIstekler();
    void oleTarih();
};

void TstKodlayici::katalogElliMetot()
{
    QCOMPARE(int(kw::metotlar().size()), 50);
    QSet<QString> adlar;
    for (const auto &m : kw::metotlar())
        adlar.insert(QString::fromLatin1(m.ad));
    QCOMPARE(adlar.size(), 50);
    const kw::Metot *r = kw::metotBul(u"RaporGetir");
    QVERIFY(r);
    QCOMPARE(r->girdiSayisi(), 7);
    QCOMPARE(r->ciktiSayisi(), 1);
    QVERIFY(!kw::metotBul(u"Yok"));
}

void TstKodlayici::sonucBilgisiVarsayilanVeSira()
{
    TSonucBilgisi b;
    QCOMPARE(b.MusteriTipi(), 1);
    QCOMPARE(b.Version(), 1);
    QCOMPARE(b.Varmi(), false);
    b.setCariAdi(QStringLiteral("Çınar Oto Yedek Parça"));
    kw::JsonYazici y;
    kw::kayitYaz(y, &b);
    const QByteArray j = y.sonuc();
    QVERIFY(j.startsWith(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"","FSaticiMail":"","FSirano":0,)"));
    QVERIFY(j.contains(R"("Fcarikod":"","FVarmi":false,)"));
    QVERIFY(j.endsWith(R"("FMusteriTipi":1,"FVersion":1}})"));
    // Text survives as UTF-8 and reads back.
    auto geri = kw::kayitOku<TSonucBilgisi>(QJsonDocument::fromJson(j).object());
    QCOMPARE(geri->CariAdi(), b.CariAdi());
}

void TstKodlayici::kayitlarGidipGelir()
{
    auto gidipGel = [](const kw::Kayit &k, const char *tip) {
        kw::JsonYazici y;
        kw::kayitYaz(y, &k);
        return kw::kayitOku(QJsonDocument::fromJson(y.sonuc()).object(), tip);
    };

    TSonucBilgisi s;
    s.setBILGISAYARID(QStringLiteral("WD-WCC4E1234567"));
    s.setSirano(42); s.setCARINO(-7); s.setAKTIF(1); s.setVarmi(true); s.setMusteriTipi(3);
    s.setVersion(5); s.setcarikod(QStringLiteral("120.01.ş\"\\\n"));
    QVERIFY(*static_cast<TSonucBilgisi *>(gidipGel(s, TSonucBilgisi::TIP).get()) == s);

    TSiparisDipAyrinti d;
    d.setSizinMesaj(QStringLiteral("Acil, öğleden önce"));
    d.setSaticiNotu(QStringLiteral("İskonto onaylı"));
    QVERIFY(*static_cast<TSiparisDipAyrinti *>(gidipGel(d, TSiparisDipAyrinti::TIP).get()) == d);

    TTusSonuclari t;
    t.setAlindi(3); t.setGoruldu(2147483647); t.setSevkEdildi(-2147483647 - 1);
    QVERIFY(*static_cast<TTusSonuclari *>(gidipGel(t, TTusSonuclari::TIP).get()) == t);

    TMobilCariBilgisi m;
    m.setCARIADI(QStringLiteral("Güneş Otomotiv")); m.setCARINO(12); m.setTLBORC(1234.56);
    m.setTLBAKIYE(-0.1); m.setILCE(QStringLiteral("Üsküdar"));
    QVERIFY(*static_cast<TMobilCariBilgisi *>(gidipGel(m, TMobilCariBilgisi::TIP).get()) == m);

    TAcilisEkranlariki l;
    QVERIFY(*static_cast<TAcilisEkranlariki *>(gidipGel(l, TAcilisEkranlariki::TIP).get()) == l);
    TAcilisEkran e1, e2;
    e1.setSiraNo(1); e1.setResim(QStringLiteral("FFD8FFE0")); e1.setArama(QStringLiteral("#YENİ#"));
    e2.setSiraNo(2); e2.setBaslik(QStringLiteral("Fren"));
    l.setEkranlar({e1, e2});
    auto geri = gidipGel(l, TAcilisEkranlariki::TIP);
    QVERIFY(*static_cast<TAcilisEkranlariki *>(geri.get()) == l);

    // Nested objects get their own ids within one value.
    kw::JsonYazici y;
    kw::kayitYaz(y, &l);
    QVERIFY(y.sonuc().contains(R"("FEkranlar":[{"type":"mobilstokunit.TAcilisEkran","id":2,)"));

    // nil both ways
    kw::JsonYazici bos;
    kw::kayitYaz(bos, nullptr);
    QCOMPARE(bos.sonuc(), QByteArray("null"));
    QVERIFY(!kw::kayitOku(QJsonValue(QJsonValue::Null), TSonucBilgisi::TIP));
}

void TstKodlayici::eksikAlanVarsayilanKalir()
{
    const QByteArray j = R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":"ali","FBilinmeyen":3}})";
    auto k = kw::kayitOku<TSonucBilgisi>(QJsonDocument::fromJson(j).object());
    QCOMPARE(k->ADI(), QStringLiteral("ali"));
    QCOMPARE(k->MusteriTipi(), 1);
    QCOMPARE(k->Version(), 1);
}

void TstKodlayici::yanlisTipReddedilir()
{
    const char *bozuklar[] = {
        R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})",           // wrong class
        R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"7"}})",  // text for Integer
        R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":1.5}})",
        R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":3000000000}})",
        R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":1}})",
        R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":[]})",
    };
    for (const char *b : bozuklar)
        QVERIFY_THROWS_EXCEPTION(kw::KodlamaHatasi,
                                 kw::kayitOku(QJsonDocument::fromJson(b).object(), TSonucBilgisi::TIP));
}

void TstKodlayici::tabloHerKolonTipi()
{
    kw::Tablo t;
    t.kolonEkle(QStringLiteral("I"), kw::KolonTipi::Int32);
    t.kolonEkle(QStringLiteral("L"), kw::KolonTipi::Int64);
    t.kolonEkle(QStringLiteral("D"), kw::KolonTipi::Double);
    t.kolonEkle(QStringLiteral("C"), kw::KolonTipi::Currency);
    t.kolonEkle(QStringLiteral("B"), kw::KolonTipi::Bool);
    t.kolonEkle(QStringLiteral("S"), kw::KolonTipi::String);
    t.kolonEkle(QStringLiteral("T"), kw::KolonTipi::Date);
    t.kolonEkle(QStringLiteral("Z"), kw::KolonTipi::DateTime);
    t.kolonEkle(QStringLiteral("X"), kw::KolonTipi::Blob);
    t.satirEkle({-5, qlonglong(1) << 40, 0.1 + 0.2, 1234.5, true, QStringLiteral("Işık \"q\""),
                 QDate(2026, 2, 28), QDateTime(QDate(2026, 12, 11), QTime(23, 59, 58, 120)),
                 QByteArray("\x00\xff\x10", 3)});
    t.satirEkle(QVector<QVariant>(9));   // every cell null

    kw::JsonYazici y;
    kw::tabloYaz(y, t);
    const kw::Tablo geri = kw::tabloOku(QJsonDocument::fromJson(y.sonuc()).object());
    QVERIFY(geri == t);
    QCOMPARE(geri.hucre(0, QStringLiteral("D")).toDouble(), 0.1 + 0.2);   // no digits lost
    QVERIFY(geri.hucre(1, QStringLiteral("S")).isNull());
    QCOMPARE(geri.kolonNo(QStringLiteral("X")), 8);
}

void TstKodlayici::istekVeCevap()
{
    const kw::Metot &m = *kw::metotBul(u"ResimVer5");
    const QByteArray istek = kw::istekYaz(m, {qint32(17)});
    QCOMPARE(istek, QByteArray(R"({"_parameters":[17]})"));
    QCOMPARE(std::get<qint32>(kw::istekOku(m, istek).at(0)), 17);

    const QByteArray cevap = kw::cevapYaz(m, {qint64(3), QByteArray("abc")});
    QCOMPARE(cevap, QByteArray(R"({"result":[3,"YWJj"]})"));
    const auto c = kw::cevapOku(m, cevap);
    QCOMPARE(std::get<qint64>(c[0]), 3);
    QCOMPARE(std::get<QByteArray>(c[1]), QByteArray("abc"));

    // A procedure answers an empty array; a nil record argument is null.
    const kw::Metot &secim = *kw::metotBul(u"SepetSecimGuncelle");
    QCOMPARE(kw::cevapYaz(secim, {}), QByteArray(R"({"result":[]})"));
    const kw::Metot &hepsi = *kw::metotBul(u"SepetHepsiniSil");
    QCOMPARE(kw::istekYaz(hepsi, {kw::Nesne()}), QByteArray(R"({"_parameters":[null]})"));
    QVERIFY(!std::get<kw::Nesne>(kw::istekOku(hepsi, R"({"_parameters":[null]})")[0]));

    QCOMPARE(kw::hataOku(kw::hataYaz(QStringLiteral("Stok bulunamadı"))), QStringLiteral("Stok bulunamadı"));
}

void TstKodlayici::bozukIstekler_data()
{
    QTest::addColumn<QString>("metot");
    QTest::addColumn<QByteArray>("govde");
    QTest::newRow("json degil") << "ResimVer5" << QByteArray("{\"_parameters\":[1");
    QTest::newRow("dizi yok") << "ResimVer5" << QByteArray("{\"p\":[1]}");
    QTest::newRow("eksik") << "SepetSecimGuncelle" << QByteArray("{\"_parameters\":[1]}");
    QTest::newRow("fazla") << "ResimVer5" << QByteArray("{\"_parameters\":[1,2]}");
    QTest::newRow("metin yerine sayi") << "BuyukGetir" << QByteArray("{\"_parameters\":[5]}");
    QTest::newRow("kesirli tamsayi") << "ResimVer5" << QByteArray("{\"_parameters\":[1.5]}");
    QTest::newRow("32 biti asan") << "ResimVer5" << QByteArray("{\"_parameters\":[2147483648]}");
    QTest::newRow("ondalik yerine metin") << "SepetEkle2"
        << QByteArray(R"({"_parameters":[null,1,1,"a","b","3",18,1,0,1,0,0,0,0]})");
    QTest::newRow("yanlis nesne") << "SepetHepsiniSil"
        << QByteArray(R"({"_parameters":[{"type":"mobilstokunit.TAcilisEkran","id":1,"fields":{}}]})");
    QTest::newRow("govde dizi") << "KargoVer" << QByteArray("[]");
}

void TstKodlayici::bozukIstekler()
{
    QFETCH(QString, metot);
    QFETCH(QByteArray, govde);
    QVERIFY_THROWS_EXCEPTION(kw::IstekHatasi, kw::istekOku(*kw::metotBul(metot), govde));
}

void TstKodlayici::oleTarih()
{
    QCOMPARE(kw::oleTarih(QDate(1899, 12, 30)), 0.0);
    QCOMPARE(kw::oleTarih(QDate(2026, 12, 11)), 46367.0);
    QCOMPARE(kw::oleTarih(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    QCOMPARE(kw::oleGun(46367.75), QDate(2026, 12, 11));
    QCOMPARE(kw::oleZaman(2.75), QDateTime(QDate(1900, 1, 1), QTime(18, 0)));
}

QTEST_GUILESS_MAIN(TstKodlayici)
#include "tst_kodlayici.moc"
