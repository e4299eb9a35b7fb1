// The shell's pure rules: rounding, the settings file and what the user
// type changes.
#include "ayarini.h"
#include "kullanicitipi.h"
#include "testyardim.h"
#include "utils.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

class TstYardimcilar : public QObject {
    Q_OBJECT
private slots:
    void yuvarla_data();
    void yuvarla();
    void iniOkumaHosgorulu_data();
    void iniOkumaHosgorulu();
    void iniYazmaDigerleriniKorur();
    void ayarDosyasi_data();
    void ayarDosyasi();
    void kullaniciTipi_data();
    void kullaniciTipi();
    void guncellemeNotu();
};

void TstYardimcilar::yuvarla_data()
{
    QTest::addColumn<double>("deger");
    QTest::addColumn<double>("beklenen");
    // Halves decided on the decimal the value was written as, not on its
    // binary neighbour (2.675 is held as 2.67499999…).
    QTest::newRow("2.675") << 2.675 << 2.68;
    QTest::newRow("1.005") << 1.005 << 1.01;
    QTest::newRow("0.285") << 0.285 << 0.29;
    QTest::newRow("eksi yarım uzaklaşır") << -2.675 << -2.68;
    QTest::newRow("eksi küçük yarım") << -0.005 << -0.01;
    QTest::newRow("yarımın altı") << 2.674999 << 2.67;
    QTest::newRow("taşma") << 99.995 << 100.0;
    QTest::newRow("büyük") << 123456.785 << 123456.79;
    QTest::newRow("toplam hatası") << 0.1 + 0.2 << 0.3;
    QTest::newRow("iki basamak") << 12.34 << 12.34;
    QTest::newRow("tam") << 7.0 << 7.0;
    QTest::newRow("sıfır") << 0.0 << 0.0;
    QTest::newRow("çok küçük") << 1e-7 << 0.0;
    QTest::newRow("çok büyük") << 1e20 << 1e20;
}

void TstYardimcilar::yuvarla()
{
    QFETCH(double, deger);
    QFETCH(double, beklenen);
    QCOMPARE(Yuvarla(deger), beklenen);
}

void TstYardimcilar::iniOkumaHosgorulu_data()
{
    QTest::addColumn<QByteArray>("veri");
    QTest::addColumn<QString>("isim");
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<bool>("hatirla");
    QTest::newRow("UTF-8, BOM, CRLF") << QByteArray("\xEF\xBB\xBF[kullanici]\r\nisim=AHMET\r\nsifre=12 34\r\nhat\xC4\xB1rla=0\r\n")
                                      << "AHMET" << "12 34" << false;
    QTest::newRow("Windows-1254") << QByteArray("[kullanici]\nisim=\xDE\xDD\xD0" "ER\nhat\xFD" "rla=1\n")
                                  << QString::fromUtf8("ŞİĞER") << "" << true;
    QTest::newRow("büyük harf, boşluklar") << QByteArray("[ KULLANICI ]\n ISIM = VELI \nSifre=X=Y\n")
                                           << "VELI" << "X=Y" << true;
    QTest::newRow("hatırla sayı değil") << QByteArray("[kullanici]\nhat\xC4\xB1rla=evet\nisim=A\n") << "A" << ""
                                        << true;
    QTest::newRow("başka bölümdeki anahtar") << QByteArray("[baska]\nisim=B\n[kullanici]\n; isim=C\n") << ""
                                             << "" << true;
    QTest::newRow("boş dosya") << QByteArray() << "" << "" << true;
}

void TstYardimcilar::iniOkumaHosgorulu()
{
    QFETCH(QByteArray, veri);
    QTemporaryDir dir;
    const QString yol = dir.filePath("ayar.ini");
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(veri);
    f.close();
    GirisAyari a;
    QVERIFY(AyarDosyasiOku(yol, &a));
    QTEST(a.isim, "isim");
    QTEST(a.sifre, "sifre");
    QTEST(a.hatirla, "hatirla");
    QVERIFY(!AyarDosyasiOku(dir.filePath("yok.ini"), &a));
}

void TstYardimcilar::iniYazmaDigerleriniKorur()
{
    QTemporaryDir dir;
    const QString yol = dir.filePath("ayar.ini");
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("; korvel\n[diger]\na=1\n\n[kullanici]\nisim=ESKI\nnot=kalsin\n\n[son]\nb=2\n");
    f.close();
    QVERIFY(AyarDosyasiYaz(yol, {QStringLiteral("YENİ"), QStringLiteral("S1"), true}));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString metin = QString::fromUtf8(f.readAll());
    QCOMPARE(metin, QStringLiteral("; korvel\n[diger]\na=1\n\n[kullanici]\nisim=YENİ\nnot=kalsin\nsifre=S1\n"
                                   "hatırla=1\n\n[son]\nb=2\n"));
}

void TstYardimcilar::ayarDosyasi_data()
{
    QTest::addColumn<bool>("hatirla");
    QTest::newRow("Beni hatırla işaretli") << true;
    QTest::newRow("Beni hatırla işaretsiz") << false;
}

void TstYardimcilar::ayarDosyasi()
{
    QFETCH(bool, hatirla);
    QTemporaryDir dir;
    const QString yol = dir.filePath("ayar.ini");
    // An earlier run remembered a password; unchecking the box must drop it.
    QVERIFY(AyarDosyasiYaz(yol, {QStringLiteral("BAYİ3"), QStringLiteral("ESKİ"), true}));
    QVERIFY(AyarDosyasiYaz(yol, {QStringLiteral("BAYİ3"), QStringLiteral("1234"), hatirla}));

    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(yol).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0600);
    QVERIFY(!QFile::exists(yol + ".yeni"));

    // Any INI reader gets the three keys, "hatırla" with its dotless i.
    int cikis = -1;
    const QJsonObject o = iniOku(yol, &cikis);
    QCOMPARE(cikis, 0);
    QCOMPARE(o.size(), 3);
    QCOMPARE(o.value("isim").toString(), QStringLiteral("BAYİ3"));
    QCOMPARE(o.value("sifre").toString(), hatirla ? QStringLiteral("1234") : QString());
    QCOMPARE(o.value(QStringLiteral("hatırla")).toString(), hatirla ? QStringLiteral("1") : QStringLiteral("0"));

    GirisAyari a;
    QVERIFY(AyarDosyasiOku(yol, &a));
    QCOMPARE(a.hatirla, hatirla);
    QCOMPARE(a.isim, QStringLiteral("BAYİ3"));
    QCOMPARE(a.sifre, hatirla ? QStringLiteral("1234") : QString());
}

namespace {

// The designed column tables of the four lists: the representatives'
// columns hidden, "DURUM", "K" and the new-stock "KAMPFIYAT" shown.
QVector<kt::IzgaraKolonu> tasarim(KullaniciListesi l)
{
    using K = kt::IzgaraKolonu;
    switch (l) {
    case KullaniciListesi::StokListesi:
        return {K("ADI"), K("KALAN").Gizli().SecicideYok(), K("ALINANSIPARIS").Gizli().SecicideYok(),
                K("VERILENSIPARIS").Gizli().SecicideYok(), K("KAMPFIYAT").Gizli(), K("K")};
    case KullaniciListesi::Sepet:
        return {K("ADI"), K("KALAN").Gizli().SecicideYok(), K("DURUM")};
    case KullaniciListesi::Yeniler:
        return {K("ADI"), K("KALAN").Gizli().SecicideYok(), K("ALINANSIPARIS").Gizli().SecicideYok(),
                K("VERILENSIPARIS").Gizli().SecicideYok(), K("KAMPFIYAT"), K("K")};
    case KullaniciListesi::Kampanyali:
        return {K("ADI"), K("KALAN").Gizli().SecicideYok(), K("ALINANSIPARIS").Gizli().SecicideYok(),
                K("VERILENSIPARIS").Gizli().SecicideYok()};
    }
    return {};
}

// "ALAN" shown, "(ALAN)" hidden but offered, "-ALAN" hidden and not offered.
QString durum(const QVector<kt::IzgaraKolonu> &kolonlar)
{
    QStringList s;
    for (const auto &k : kolonlar)
        s << (k.gorunur ? k.alan : k.secicide ? '(' + k.alan + ')' : '-' + k.alan);
    return s.join(' ');
}

}  // namespace

void TstYardimcilar::kullaniciTipi_data()
{
    QTest::addColumn<int>("tip");
    QTest::addColumn<bool>("musteriTusu");
    QTest::addColumn<bool>("raporlar");
    QTest::addColumn<bool>("kampanyaSekmesi");
    QTest::addColumn<QStringList>("listeler");   // stock, basket, new, campaign
    const QStringList tasarlanan{"ADI -KALAN -ALINANSIPARIS -VERILENSIPARIS (KAMPFIYAT) K", "ADI -KALAN DURUM",
                                 "ADI -KALAN -ALINANSIPARIS -VERILENSIPARIS KAMPFIYAT K",
                                 "ADI -KALAN -ALINANSIPARIS -VERILENSIPARIS"};
    const QStringList temsilci{"ADI KALAN ALINANSIPARIS VERILENSIPARIS (KAMPFIYAT) K", "ADI KALAN DURUM",
                               "ADI KALAN ALINANSIPARIS VERILENSIPARIS KAMPFIYAT K",
                               "ADI KALAN ALINANSIPARIS VERILENSIPARIS"};
    QTest::newRow("1 temsilci") << 1 << true << true << true << temsilci;
    QTest::newRow("2 temsilci") << 2 << true << true << true << temsilci;
    QTest::newRow("3 bayi") << 3 << false << false << true
                            << QStringList{tasarlanan[0], "ADI -KALAN -DURUM", tasarlanan[2], tasarlanan[3]};
    QTest::newRow("4 kampanyasız bayi")
        << 4 << false << false << false
        << QStringList{"ADI -KALAN -ALINANSIPARIS -VERILENSIPARIS -KAMPFIYAT -K", tasarlanan[1],
                       "ADI -KALAN -ALINANSIPARIS -VERILENSIPARIS -KAMPFIYAT -K", tasarlanan[3]};
    QTest::newRow("bilinmeyen tip") << 7 << false << false << true << tasarlanan;
}

void TstYardimcilar::kullaniciTipi()
{
    QFETCH(int, tip);
    QFETCH(QStringList, listeler);
    const PencereUyarlamasi u = PencereUyarlamasiAl(tip);
    QTEST(u.musteriTusu, "musteriTusu");
    QTEST(u.raporlar, "raporlar");
    QTEST(u.kampanyaSekmesi, "kampanyaSekmesi");
    const KullaniciListesi sira[] = {KullaniciListesi::StokListesi, KullaniciListesi::Sepet, KullaniciListesi::Yeniler,
                                     KullaniciListesi::Kampanyali};
    for (int i = 0; i < 4; ++i) {
        QVector<kt::IzgaraKolonu> k = tasarim(sira[i]);
        KolonlariUyarla(k, sira[i], tip);
        QCOMPARE(durum(k), listeler[i]);
    }
}

void TstYardimcilar::guncellemeNotu()
{
    QCOMPARE(GuncellemeNotu(6), QStringLiteral("Korvel Otomotiv B2B Programının\nYeni versiyonu indirilecektir\n"
                                               "Lütfen Bekleyiniz...!\nVersion: 6-5"));
}

QTEST_GUILESS_MAIN(TstYardimcilar)
#include "tst_yardimcilar.moc"
