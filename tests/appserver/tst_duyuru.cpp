// Promotions, account warnings, requests and the web pages, against a real
// server; the pictures are published with the admin commands.
#include "docs/gif.h"
#include "hesapverisi.h"
#include "methods/duyuru.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <httplib.h>

using namespace hv;

class TstDuyuru : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void gifKodlayici_data();
    void gifKodlayici();
    void gifAnimasyon();
    void kayanYaziDenetimi_data();
    void kayanYaziDenetimi();
    void baglantilar_data();
    void baglantilar();
    void bannerlar();
    void acilisEkranlari();
    void kayanYazi();
    void balonlarVeUyarilar();
    void mobilCariBilgisi();
    void postaIstekleri();
    void kurulumDosyasi();
    void istekFormuVeIletisim();

private:
    QString resimDosyasi(const QString &ad, const QSize &boy, QColor renk);
    QVariantList postaSatiri(const QString &kosul) const;
    kt::SunucuSureci srv_{0};
    QTemporaryDir klasor_;
};

void TstDuyuru::initTestCase()
{
    QVERIFY2(srv_.baslat(), qPrintable(srv_.hata()));
    yaz(srv_.dbYolu());
}

QString TstDuyuru::resimDosyasi(const QString &ad, const QSize &boy, QColor renk)
{
    QImage r(boy, QImage::Format_ARGB32);
    r.fill(renk);
    QPainter p(&r);
    p.fillRect(QRect(0, 0, boy.width() / 2, boy.height() / 2), Qt::white);
    p.end();
    const QString yol = klasor_.filePath(ad);
    r.save(yol);
    return yol;
}

QVariantList TstDuyuru::postaSatiri(const QString &kosul) const
{
    return satir(srv_.dbYolu(), QStringLiteral("SELECT tur, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, "
                                               "vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu "
                                               "FROM giden_posta WHERE ") + kosul + QStringLiteral(" ORDER BY id DESC"));
}

// Pictures of at most 256 colours come back pixel for pixel, also where the
// LZW table fills up and starts over.
void TstDuyuru::gifKodlayici_data()
{
    QTest::addColumn<QSize>("boy");
    QTest::addColumn<int>("renk");
    QTest::newRow("one pixel") << QSize(1, 1) << 1;
    QTest::newRow("two colours, wide") << QSize(409, 3) << 2;
    QTest::newRow("noise of 256 colours (table resets)") << QSize(640, 300) << 256;
    QTest::newRow("noise of 17 colours") << QSize(123, 77) << 17;
}

void TstDuyuru::gifKodlayici()
{
    QFETCH(QSize, boy);
    QFETCH(int, renk);
    QRandomGenerator r(boy.width() * 31 + renk);
    QVector<QRgb> palet;
    for (int i = 0; i < renk; ++i)
        palet << qRgb(i, (i * 37) % 256, 255 - i);
    QImage kaynak(boy, QImage::Format_RGB32);
    for (int y = 0; y < boy.height(); ++y)
        for (int x = 0; x < boy.width(); ++x)
            kaynak.setPixel(x, y, palet[int(r.bounded(renk))]);
    const QByteArray gif = ks::belge::gifYaz(kaynak);
    QVERIFY(gif.startsWith("GIF89a"));
    QVERIFY(gif.endsWith(';'));
    QImage geri;
    QVERIFY(geri.loadFromData(gif, "GIF"));
    QCOMPARE(geri.size(), boy);
    geri = geri.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < boy.height(); ++y)
        for (int x = 0; x < boy.width(); ++x)
            if (geri.pixel(x, y) != kaynak.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
}

void TstDuyuru::gifAnimasyon()
{
    QVector<QImage> kareler;
    for (QColor c : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        QImage k(60, 20, QImage::Format_RGB32);
        k.fill(c);
        kareler << k;
    }
    kareler[2] = kareler[2].scaled(120, 40);   // frames take the first one's size
    const QByteArray gif = ks::belge::gifAnimasyonYaz(kareler, 500);
    QBuffer b;
    b.setData(gif);
    QImageReader r(&b, "GIF");
    QVERIFY(r.supportsAnimation());
    QCOMPARE(r.imageCount(), 3);
    QCOMPARE(r.loopCount(), -1);   // forever
    for (QColor c : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        const QImage k = r.read();
        QCOMPARE(k.size(), QSize(60, 20));
        QCOMPARE(QColor(k.pixel(30, 10)), c);
        QCOMPARE(r.nextImageDelay(), 500);
    }
}

void TstDuyuru::kayanYaziDenetimi_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("gecerli");
    QTest::newRow("plain") << "Hoş geldiniz" << true;
    QTest::newRow("bold and link") << "Yeni <b>kampanya</b> <A HREF=\"http://x/?a=1&b=2\">tıklayın</A> &bull;" << true;
    QTest::newRow("empty element and comment") << "<img src='a.png' width=20 /> <!-- not drawn --> x" << true;
    QTest::newRow("unquoted value swallows the slash") << "<img src=a.png width=20/> x" << false;
    QTest::newRow("case of closing tag") << "<B>x</b>" << true;
    QTest::newRow("unclosed element") << "<b>kalın" << false;
    QTest::newRow("mismatched closing") << "<b><i>x</b></i>" << false;
    QTest::newRow("less-than in text") << "fiyat < 100 TL" << false;
    QTest::newRow("unclosed quote") << "<a href=\"x>y</a>" << false;
    QTest::newRow("unclosed comment") << "x <!-- y" << false;
}

void TstDuyuru::kayanYaziDenetimi()
{
    QFETCH(QString, html);
    QFETCH(bool, gecerli);
    QCOMPARE(ks::kayanYaziHatasi(html).isEmpty(), gecerli);
}

void TstDuyuru::baglantilar_data()
{
    QTest::addColumn<QString>("girdi");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("campaign") << "#kampanya#" << "#KAMPANYA#";
    QTest::newRow("new, dotless") << "#YENI#" << "#YENİ#";
    QTest::newRow("new, lower") << " #yeni# " << "#YENİ#";
    QTest::newRow("search") << " FREN BALATASI " << "FREN BALATASI";
    QTest::newRow("none") << "   " << "";
}

void TstDuyuru::baglantilar()
{
    QFETCH(QString, girdi);
    QFETCH(QString, beklenen);
    QCOMPARE(ks::baglantiNormal(girdi), beklenen);
}

void TstDuyuru::bannerlar()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    auto banner = [&p](int yer, qint64 *boy) {
        return yer == 1 ? p.BannerResimVer(*boy) : yer == 2 ? p.BannerResimVer2(*boy) : p.BannerResimVer3(*boy);
    };
    for (int yer = 1; yer <= 3; ++yer) {
        qint64 boy = -1;
        QVERIFY(banner(yer, &boy).isEmpty());
        QCOMPARE(boy, qint64(0));
    }

    const QString a = resimDosyasi("a.png", QSize(409, 100), QColor(20, 40, 120));
    const QString c = resimDosyasi("c.png", QSize(409, 100), QColor(200, 20, 20));
    const QString alt = resimDosyasi("alt.png", QSize(300, 60), QColor(0, 128, 0, 255));
    QCOMPARE(srv_.yonetim({"banner-ayarla", "1", a, c, "--gecikme", "1500"}), 0);
    QCOMPARE(srv_.yonetim({"banner-ayarla", "2", alt}), 0);
    QCOMPARE(srv_.yonetim({"banner-ayarla", "3", alt}), 0);
    QVERIFY(srv_.yonetim({"banner-ayarla", "4", alt}) != 0);
    QVERIFY(srv_.yonetim({"banner-ayarla", "1", klasor_.filePath("yok.png")}) != 0);

    qint64 boy = 0;
    QByteArray r = banner(1, &boy);
    QCOMPARE(boy, qint64(r.size()));
    QVERIFY(r.startsWith("GIF89a"));
    QBuffer tampon(&r);
    QImageReader okuyucu(&tampon, "GIF");
    QCOMPARE(okuyucu.imageCount(), 2);
    QCOMPARE(okuyucu.read().size(), QSize(409, 100));

    r = banner(2, &boy);
    QCOMPARE(boy, qint64(r.size()));
    QVERIFY(r.startsWith("GIF89a"));
    QImage im;
    QVERIFY(im.loadFromData(r));
    QCOMPARE(im.size(), QSize(300, 60));
    QCOMPARE(QColor(im.pixel(299, 59)), QColor(0, 128, 0));

    r = banner(3, &boy);
    QCOMPARE(boy, qint64(r.size()));
    QVERIFY(r.startsWith("BM"));
    QVERIFY(im.loadFromData(r, "BMP"));
    QCOMPARE(im.size(), QSize(300, 60));
    QCOMPARE(QColor(im.pixel(0, 0)), QColor(Qt::white));

    // Clearing one slot leaves the others.
    QCOMPARE(srv_.yonetim({"banner-sil", "2"}), 0);
    QVERIFY(banner(2, &boy).isEmpty());
    QCOMPARE(boy, qint64(0));
    QVERIFY(!banner(3, &boy).isEmpty());
}

void TstDuyuru::acilisEkranlari()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    QCOMPARE(p.AcilisReklamAdet(), 0);
    QVERIFY(p.AcilisREklamVer(0) == nullptr);
    QCOMPARE(p.AcilisEkranlarVer2()->Ekranlar().size(), size_t(0));

    const QString r1 = resimDosyasi("e1.png", QSize(600, 400), QColor(20, 70, 140));
    const QString r2 = resimDosyasi("e2.png", QSize(320, 200), QColor(170, 30, 30));
    QCOMPARE(srv_.yonetim({"acilis-ekle", r1, "Kış Kampanyası", "#kampanya#"}), 0);
    QCOMPARE(srv_.yonetim({"acilis-ekle", r2, "Yeni Ürünler", "#YENI#"}), 0);
    QCOMPARE(srv_.yonetim({"acilis-ekle", r1, "Fren Balatası", "FREN BALATASI"}), 0);
    QCOMPARE(srv_.yonetim({"acilis-ekle", r2, "Bilgi"}), 0);
    QByteArray liste;
    QCOMPARE(srv_.yonetim({"acilis-liste"}, &liste), 0);
    QVERIFY(QString::fromUtf8(liste).contains(QStringLiteral("Kış Kampanyası")));
    QCOMPARE(p.AcilisReklamAdet(), 4);

    const QStringList basliklar = {"Kış Kampanyası", "Yeni Ürünler", "Fren Balatası", "Bilgi"};
    const QStringList aramalar = {"#KAMPANYA#", "#YENİ#", "FREN BALATASI", ""};
    const QSize boylar[] = {QSize(600, 400), QSize(320, 200), QSize(600, 400), QSize(320, 200)};
    static const QRegularExpression hex(QStringLiteral("^([0-9A-F]{2})+$"));
    for (int i = 0; i < 4; ++i) {
        const TAcilisEkran e = *p.AcilisREklamVer(i);
        QCOMPARE(e.Baslik(), basliklar[i]);
        QCOMPARE(e.Arama(), aramalar[i]);
        QVERIFY(hex.match(e.Resim()).hasMatch());
        const QByteArray jpeg = QByteArray::fromHex(e.Resim().toLatin1());
        QVERIFY(jpeg.startsWith("\xFF\xD8"));
        QImage im;
        QVERIFY(im.loadFromData(jpeg, "JPEG"));
        QCOMPARE(im.size(), boylar[i]);
    }
    QVERIFY(p.AcilisREklamVer(4) == nullptr);
    QVERIFY(p.AcilisREklamVer(-1) == nullptr);

    const std::vector<TAcilisEkran> hepsi = p.AcilisEkranlarVer2()->Ekranlar();
    QCOMPARE(hepsi.size(), size_t(4));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(hepsi[size_t(i)].Baslik(), basliklar[i]);

    QCOMPARE(srv_.yonetim({"acilis-sil", QString::number(hepsi[1].SiraNo())}), 0);
    QVERIFY(srv_.yonetim({"acilis-sil", QString::number(hepsi[1].SiraNo())}) != 0);
    QCOMPARE(p.AcilisReklamAdet(), 3);
    QCOMPARE(p.AcilisREklamVer(1)->Baslik(), "Fren Balatası");
}

void TstDuyuru::kayanYazi()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    QCOMPARE(p.KayanYaziGetir(), QString());
    const QString metin = QStringLiteral("Yeni <b>kampanya</b> ürünleri için <a href=\"#KAMPANYA#\">tıklayın</a> &bull; ğüşıöçİ");
    QCOMPARE(srv_.yonetim({"kayan-yazi", metin}), 0);
    QCOMPARE(p.KayanYaziGetir(), metin);
    // A text the client would cut short is refused and the old one stays.
    QVERIFY(srv_.yonetim({"kayan-yazi", "Fren <b>balatası"}) != 0);
    QCOMPARE(p.KayanYaziGetir(), metin);
    QCOMPARE(srv_.yonetim({"kayan-yazi"}), 0);
    QCOMPARE(p.KayanYaziGetir(), QString());
}

void TstDuyuru::balonlarVeUyarilar()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    // Dealer 2: two basket lines, open lines 111 (1) and 141 (1 of 2).
    const kw::Tablo t = *p.BalonGetir(oturum(kAhmet, 1, kSahin));
    QCOMPARE(t.satirSayisi(), 1);
    QCOMPARE(t.kolonlar.size(), 5);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.kolonlar[i].tip, kw::KolonTipi::Int32);
    QCOMPARE(t.kolonlar[4].tip, kw::KolonTipi::Double);
    const int duyuru = p.AcilisReklamAdet();
    QCOMPARE(t.satirlar[0], (QVector<QVariant>{2, 2, 2, duyuru, 2.0}));
    // The counters are the rows the new and campaign tabs list.
    QCOMPARE(t.satirlar[0][1].toInt(), p.YenilerVer2(kSahin).satirSayisi());
    QCOMPARE(t.satirlar[0][2].toInt(), p.KampanyaliVer2(kSahin, 1).satirSayisi());
    // Type 4 sees no campaigns.
    QCOMPARE(p.BalonGetir(oturum(kIsik, 4, kIsikMotor))->satirlar[0][2].toInt(), 0);

    // Dealer 1: 787.59 open, all past due; dealer 2: due in 2099.
    const QString uyari = p.CariVadeGunGecmismiBul(kOzgurOto);
    QVERIFY2(uyari.contains(QStringLiteral("787,59")) && uyari.contains(QStringLiteral("3 belge")), qPrintable(uyari));
    QCOMPARE(p.CariVadeGunGecmismiBul(kSahin), QString());
    QCOMPARE(p.CariVadeGunGecmismiBul(9999), QString());

    const QString durum = p.CariDurumVer(kOzgurOto);
    QVERIFY2(durum.contains(QStringLiteral("KRV001")) && durum.contains(QStringLiteral("787,59 TL Borçlu")), qPrintable(durum));
    QVERIFY(p.CariDurumVer(kSahin).contains(QStringLiteral("120,00")));
    QCOMPARE(p.CariDurumVer(9999), QString());
}

void TstDuyuru::mobilCariBilgisi()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const TMobilCariBilgisi *m = p.MobilCariBilgisiGetir(0, QStringLiteral("IST-OZGUR"));
    QVERIFY(m);
    QCOMPARE(m->CARINO(), int(kOzgurOto));
    QCOMPARE(m->CARIADI(), "ÖZGÜR OTO YEDEK PARÇA");
    QCOMPARE(m->ADRES1(), "Sanayi Sitesi 4. Blok No:12");
    QCOMPARE(m->ADRES2(), "Kat 2");
    QCOMPARE(m->ILCE(), "İkitelli");
    QCOMPARE(m->SEHIR(), "İstanbul");
    QCOMPARE(m->TEL1(), "0212 444 12 12");
    QCOMPARE(m->FAX1(), "0212 444 12 13");
    QCOMPARE(m->VERGIDAIRESI(), "İkitelli");
    QCOMPARE(m->VERGINO(), "1234567890");
    QCOMPARE(m->YETKILI(), "Özgür Şen");
    QCOMPARE(m->KULLANICIADI(), "ozgur");
    QCOMPARE(m->MAIL(), "siparis@ozguroto.com");
    QCOMPARE(m->SATICIADI(), "Ahmet Yılmaz");
    QCOMPARE(m->TLBAKIYE(), kBakiye1);
    QCOMPARE(m->SIFRE(), QString());   // never handed out
    QVERIFY(p.MobilCariBilgisiGetir(0, QStringLiteral("IST-YOK")) == nullptr);
    QVERIFY(p.MobilCariBilgisiGetir(0, QString()) == nullptr);
}

void TstDuyuru::postaIstekleri()
{
    auto b = baglanti(srv_);
    TServerMethods1Client p(b.get());
    const QStringList alanlar = {"IST-OZGUR", "Sipariş hakkında ğüşıöçİ", "ÖZGÜR OTO", "Şişli Cd. 1", "Kat: 2 \"A\"",
                                 "İkitelli", "İstanbul", "0212", "0213", "İkitelli VD", "123", "Özgür Şen", "ozgur",
                                 "", "a@b.c", ""};
    const QString konu = QStringLiteral("Merhaba,\"Fren balatası, ön\",ĞÜŞIÖÇ ğüşıöç");
    p.MailGonserCariNormal(alanlar[0], alanlar[1], alanlar[2], alanlar[3], alanlar[4], alanlar[5], alanlar[6], alanlar[7],
                           alanlar[8], alanlar[9], alanlar[10], alanlar[11], alanlar[12], alanlar[13], alanlar[14],
                           alanlar[15], konu);
    QVariantList beklenen{"mail"};
    for (const QString &a : alanlar)
        beklenen << a;
    beklenen << konu;
    QCOMPARE(postaSatiri("tur='mail'"), beklenen);

    p.MailGonserCari("IST-OZGUR", "Şifre Değiştirme İsteği", "ÖZGÜR OTO", "Şişli", "", "İkitelli", "İstanbul", "0212", "",
                     "", "", "Özgür Şen", "ozgur", "yeniŞifre1", "a@b.c", "Aras Kargo Ümraniye");
    QCOMPARE(postaSatiri("tur='sifre'"),
             (QVariantList{"sifre", "IST-OZGUR", "Şifre Değiştirme İsteği", "ÖZGÜR OTO", "Şişli", "", "İkitelli", "İstanbul",
                           "0212", "", "", "", "Özgür Şen", "ozgur", "yeniŞifre1", "a@b.c", "Aras Kargo Ümraniye", ""}));
}

void TstDuyuru::kurulumDosyasi()
{
    QByteArray govde;
    QCOMPARE(srv_.webGet("/exe/KorvelSetup.exe", &govde), 404);

    // Some 200 kB of every byte value.
    QByteArray kurulum;
    for (int i = 0; i < 200000; ++i)
        kurulum.append(char((i * 7 + i / 256) & 0xFF));
    const QString yol = klasor_.filePath("KorvelSetup-6.exe");
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kurulum);
    f.close();
    QVERIFY(srv_.yonetim({"kurulum-dosyasi", klasor_.filePath("yok.exe")}) != 0);
    QCOMPARE(srv_.yonetim({"kurulum-dosyasi", yol}), 0);
    QString tip;
    QCOMPARE(srv_.webGet("/exe/KorvelSetup.exe", &govde, &tip), 200);
    QCOMPARE(govde.size(), kurulum.size());
    QVERIFY(govde == kurulum);
    QCOMPARE(tip, "application/octet-stream");

    // The published version travels in the session record.
    QCOMPARE(srv_.yonetim({"surum", "6"}), 0);
    QVERIFY(srv_.yonetim({"surum", "altı"}) != 0);
    QCOMPARE(satir(srv_.dbYolu(), "SELECT deger FROM ayar WHERE anahtar='surum'"), (QVariantList{"6"}));

    QCOMPARE(srv_.yonetim({"kurulum-dosyasi", "--kaldir"}), 0);
    QCOMPARE(srv_.webGet("/exe/KorvelSetup.exe", &govde), 404);
}

void TstDuyuru::istekFormuVeIletisim()
{
    QByteArray govde;
    // The query the client's login opens; what comes from it is escaped.
    QCOMPARE(srv_.webGet("/formmailgonder.aspx?carino=0&kullanici=%20&id=IST-YENI%3Cscript%3E", &govde), 200);
    QString sayfa = QString::fromUtf8(govde);
    QVERIFY(sayfa.contains(QStringLiteral("<form")));
    QVERIFY(sayfa.contains(QStringLiteral("IST-YENI&lt;script&gt;")));
    QVERIFY(!sayfa.contains(QStringLiteral("IST-YENI<script>")));

    httplib::Client c("127.0.0.1", srv_.webPort());
    auto gonder = [&c](const QList<QPair<QString, QString>> &alanlar) {
        QStringList parcalar;
        for (const auto &[ad, deger] : alanlar)
            parcalar << QString::fromLatin1(QUrl::toPercentEncoding(ad)) + u'=' +
                            QString::fromLatin1(QUrl::toPercentEncoding(deger)).replace(QStringLiteral("%20"), QStringLiteral("+"));
        return c.Post("/formmailgonder.aspx", parcalar.join(u'&').toStdString(), "application/x-www-form-urlencoded");
    };
    QList<QPair<QString, QString>> alanlar = {
        {"id", "IST-YENI"},         {"carino", "0"},          {"firmaadi", "Çağrı Oto Ltd. Şti."},
        {"adres1", "Gül Sk. 3"},    {"adres2", ""},           {"ilce", "Üsküdar"},
        {"sehir", "İstanbul"},      {"telefon", "0216 1 2"},  {"fax", ""},
        {"vd", "Üsküdar"},          {"vn", "99"},             {"yetkili", "Işıl Öztürk"},
        {"kullaniciadi", "cagri"},  {"mail", "c@d.e"},        {"kargoambar", "Yurtiçi"},
        {"konu", "Kayıt olmak istiyoruz & fiyat listesi + katalog"}};
    // A required field missing: the form again, nothing stored.
    auto eksik = alanlar;
    eksik[11].second = "  ";
    auto r = gonder(eksik);
    QVERIFY(r);
    QCOMPARE(r->status, 400);
    QVERIFY(QString::fromStdString(r->body).contains(QStringLiteral("Yetkili boş olamaz")));
    QVERIFY(postaSatiri("tur='web'").isEmpty());

    r = gonder(alanlar);
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QVERIFY(QString::fromStdString(r->body).contains(QStringLiteral("Teşekkür")));
    QCOMPARE(postaSatiri("tur='web'"),
             (QVariantList{"web", "IST-YENI", "Kayıt İsteği", "Çağrı Oto Ltd. Şti.", "Gül Sk. 3", "", "Üsküdar", "İstanbul",
                           "0216 1 2", "", "Üsküdar", "99", "Işıl Öztürk", "cagri", "", "c@d.e", "Yurtiçi",
                           "Kayıt olmak istiyoruz & fiyat listesi + katalog"}));

    QCOMPARE(srv_.yonetim({"iletisim", "telefon", "0212 555 00 00"}), 0);
    QCOMPARE(srv_.webGet("/", &govde), 200);
    sayfa = QString::fromUtf8(govde);
    QVERIFY(sayfa.contains(QStringLiteral("İletişim")));
    QVERIFY(sayfa.contains(QStringLiteral("0212 555 00 00")));
}

QTEST_GUILESS_MAIN(TstDuyuru)
#include "tst_duyuru.moc"
