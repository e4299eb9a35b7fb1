// The login against a real korvel-server: each outcome, what the main window
// becomes for each user type, "ayar.ini", Enter handling and one attempt at
// a time.
#include "Unit1.h"
#include "ayarini.h"
#include "beklesinu.h"
#include "demosunucu.h"
#include "girisformu.h"
#include "mesajgoster.h"
#include "sekmecizici.h"
#include "testyardim.h"
#include "utils.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <sys/stat.h>

namespace {


// Runs `eylem` on the login dialog once it shows (also inside exec()).
void giriseUygula(std::function<void(Tgirisform *)> eylem)
{
    auto *zaman = new QTimer;
    zaman->setInterval(20);
    QObject::connect(zaman, &QTimer::timeout, [zaman, eylem]() {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *g = qobject_cast<Tgirisform *>(w); g && g->isVisible()) {
                zaman->stop();
                zaman->deleteLater();
                eylem(g);
                return;
            }
    });
    zaman->start();
}

// Types as a user does: the edits turn the letters into capitals.
void yaz(Tgirisform *g, const QString &ad, const QString &sifre)
{
    g->adi->clear();
    g->sifre->clear();
    QTest::keyClicks(g->adi, ad);
    QTest::keyClicks(g->sifre, sifre);
}


int bosPort()
{
    QTcpServer t;
    t.listen(QHostAddress::LocalHost, 0);
    return t.serverPort();
}

}  // namespace

class TstGiris : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void basariliGiris_data();
    void basariliGiris();
    void beniHatirla();
    void hataliGiris_data();
    void hataliGiris();
    void enterTusu();
    void sunucuYokkenTekDeneme();
    void cikisSorusu();

private:
    QTemporaryDir ayarKoku_;
    DemoSunucu sunucu_;
    QString id_;
    int bitirme_ = 0;
};

void TstGiris::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ayarKoku_.path()));
    QString hata;
    QVERIFY2(sunucu_.baslat(&hata), qPrintable(hata));
    qputenv("KORVEL_SERVER", sunucu_.adres().toUtf8());
    id_ = BilgisayarIdAl();
    ProgramBitirmeKancasiKur([this]() { ++bitirme_; });
}

void TstGiris::init()
{
    bitirme_ = 0;
    QFile::remove(AyarDosyasiYolu());
}

void TstGiris::cleanup() { QTRY_COMPARE_WITH_TIMEOUT(CalisanGorevSayisi(), 0, 30000); }

void TstGiris::basariliGiris_data()
{
    QTest::addColumn<QString>("kullanici");
    QTest::addColumn<int>("tip");
    QTest::addColumn<bool>("musteriTusu");
    QTest::addColumn<bool>("raporlar");
    QTest::addColumn<bool>("kampanya");
    QTest::newRow("temsilci1") << "temsilci1" << 1 << true << true << true;
    QTest::newRow("temsilci2") << "temsilci2" << 2 << true << true << true;
    QTest::newRow("bayi3") << "bayi3" << 3 << false << false << true;
    QTest::newRow("bayi4") << "bayi4" << 4 << false << false << false;
}

void TstGiris::basariliGiris()
{
    QFETCH(QString, kullanici);
    QFETCH(int, tip);
    QVERIFY(sunucu_.kaydet(kullanici.toUpper(), id_));
    Mesajlar m;

    TForm1 f;
    bool pencereGorundu = true;
    giriseUygula([&](Tgirisform *g) {
        pencereGorundu = f.isVisible();
        yaz(g, kullanici, QStringLiteral("1234"));
        QCOMPARE(g->adi->text(), kullanici.toUpper());
        QTest::keyClick(g->sifre, Qt::Key_Return);
    });
    QVERIFY(f.FormCreate());
    QVERIFY(!pencereGorundu);   // never shown before the login
    QCOMPARE(bitirme_, 0);
    QVERIFY(m.liste.isEmpty());

    const TSonucBilgisi &b = f.sbilgi();
    QCOMPARE(b.ADI(), kullanici.toUpper());
    QCOMPARE(b.MusteriTipi(), tip);
    QVERIFY(b.CARINO() > 0);
    QCOMPARE(b.BILGISAYARID(), id_);
    QCOMPARE(b.Disip(), QStringLiteral("127.0.0.1"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Korvel Otomotiv B2B Programı"));

    // What the user type changes in the window.
    QTEST(!f.musteritus->isHidden(), "musteriTusu");
    QTEST(f.Raporlar1->isVisible(), "raporlar");
    QTEST(f.PageControl1->isTabVisible(f.PageControl1->indexOf(f.skampanyali)), "kampanya");
    QVERIFY(!f.PageControl1->isTabVisible(f.PageControl1->indexOf(f.ss)));
    QCOMPARE(f.PageControl1->currentWidget(), f.sstoklistesi);
    for (QAction *a : {f.M1, f.N4, f.WebSitesi1, f.G1})
        QVERIFY(a->isVisible());

    // The header, written by the start-up task.
    QTRY_COMPARE(f.kullanicilbl->text(), b.ADI());
    QCOMPARE(f.cariadilbl->text(), b.CariAdi());
    QCOMPARE(f.saticilbl->text(),
             b.SaticiAdi() + " Telefonu: " + b.SaticiTelefon() + " email: " + b.SaticiMail());
    QVERIFY(!b.SaticiAdi().isEmpty());

    const QJsonObject ini = iniOku(AyarDosyasiYolu());
    QCOMPARE(ini.value("isim").toString(), kullanici.toUpper());
    QCOMPARE(ini.value("sifre").toString(), QStringLiteral("1234"));
    QCOMPARE(ini.value(QStringLiteral("hatırla")).toString(), QStringLiteral("1"));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(AyarDosyasiYolu()).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0600);
}

void TstGiris::beniHatirla()
{
    QVERIFY(sunucu_.kaydet(QStringLiteral("BAYI3"), id_));
    Mesajlar m;
    TBaglanti bag;
    TSonucBilgisi bilgi;
    {
        // First start: empty edits, the box checked.
        Tgirisform g;
        QVERIFY(g.adi->text().isEmpty() && g.sifre->text().isEmpty());
        QVERIFY(g.benihatirla->isChecked());
        g.bagim = &bag;
        g.Bilgim = &bilgi;
        g.show();
        yaz(&g, "bayi3", "1234");
        g.benihatirla->setChecked(false);
        g.Button1->click();
        QTRY_COMPARE(g.result(), int(QDialog::Accepted));
    }
    // The name may stay, the password does not.
    const QJsonObject ini = iniOku(AyarDosyasiYolu());
    QCOMPARE(ini.size(), 3);
    QCOMPARE(ini.value("isim").toString(), QStringLiteral("BAYI3"));
    QCOMPARE(ini.value("sifre").toString(), QString());
    QCOMPARE(ini.value(QStringLiteral("hatırla")).toString(), QStringLiteral("0"));
    {
        Tgirisform g;   // next start: nothing filled in, the box unchecked
        QVERIFY(!g.benihatirla->isChecked());
        QVERIFY(g.adi->text().isEmpty() && g.sifre->text().isEmpty());
        g.bagim = &bag;
        g.Bilgim = &bilgi;
        g.show();
        yaz(&g, "bayi3", "1234");
        g.benihatirla->setChecked(true);
        QTest::keyClick(g.sifre, Qt::Key_Enter);
        QTRY_COMPARE(g.result(), int(QDialog::Accepted));
    }
    Tgirisform g;   // remembered
    QVERIFY(g.benihatirla->isChecked());
    QCOMPARE(g.adi->text(), QStringLiteral("BAYI3"));
    QCOMPARE(g.sifre->text(), QStringLiteral("1234"));
    QCOMPARE(g.sifre->displayText(), QStringLiteral("****"));
    QVERIFY(m.liste.isEmpty());
}

void TstGiris::hataliGiris_data()
{
    QTest::addColumn<QString>("kayitli");
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<bool>("iniYazilir");
    QTest::newRow("yanlış şifre") << "BAYI3" << "bayi3" << "4321" << false;
    QTest::newRow("başka kullanıcı adı") << "BAYI3" << "bayi4" << "1234" << false;
    QTest::newRow("boş alanlar") << "BAYI3" << "" << "" << false;
    // Right name and password of an inactive user: remembered all the same.
    QTest::newRow("pasif kullanıcı") << "PASIF" << "pasif" << "1234" << true;
}

void TstGiris::hataliGiris()
{
    QFETCH(QString, kayitli);
    QFETCH(QString, ad);
    QFETCH(QString, sifre);
    QFETCH(bool, iniYazilir);
    QVERIFY(sunucu_.kaydet(kayitli, id_));
    Mesajlar m;
    TBaglanti bag;
    TSonucBilgisi bilgi;
    Tgirisform g;
    g.bagim = &bag;
    g.Bilgim = &bilgi;
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.activateWindow();
    yaz(&g, ad, sifre);
    g.Button1->click();   // the button itself does not check for empty fields
    QVERIFY(!g.Button1->isEnabled());
    QTRY_COMPARE(m.liste.size(), 1);
    QCOMPARE(m.liste[0].metin, QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"));
    QCOMPARE(m.liste[0].tip, kt::MesajTipi::Uyari);
    QVERIFY(g.isVisible());
    QCOMPARE(g.result(), 0);
    QVERIFY(g.Button1->isEnabled());
    QVERIFY(!g.Calisiyor());
    QCOMPARE(g.adi->selectedText(), g.adi->text());
    QCOMPARE(QFile::exists(AyarDosyasiYolu()), iniYazilir);
    QCOMPARE(bitirme_, 0);
}

void TstGiris::enterTusu()
{
    Mesajlar m;
    TBaglanti bag;
    TSonucBilgisi bilgi;
    Tgirisform g;
    g.bagim = &bag;
    g.Bilgim = &bilgi;
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.activateWindow();
    QTRY_VERIFY(g.adi->hasFocus());

    QTest::keyClicks(g.adi, "   ");
    QTest::keyClick(g.adi, Qt::Key_Return);
    QCOMPARE(m.metinler(), QStringList{"Lütfen kullanıcı adını giriniz !"});
    QCOMPARE(m.liste[0].tip, kt::MesajTipi::Uyari);
    QVERIFY(g.adi->hasFocus());

    g.adi->clear();
    QTest::keyClicks(g.adi, "bayi3");
    QTest::keyClick(g.adi, Qt::Key_Return);
    QVERIFY(g.sifre->hasFocus());

    QTest::keyClick(g.sifre, Qt::Key_Enter);
    QCOMPARE(m.liste.size(), 2);
    QCOMPARE(m.liste[1].metin, QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
    QVERIFY(g.sifre->hasFocus());
    QVERIFY(!g.Calisiyor());
    QVERIFY(g.isVisible());
}

void TstGiris::sunucuYokkenTekDeneme()
{
    // Nothing listens: each retry shows its error, then one failure message.
    // Enter and "Giriş" while the attempt runs start nothing more.
    qputenv("KORVEL_SERVER", QStringLiteral("127.0.0.1:%1").arg(bosPort()).toUtf8());
    Mesajlar m;
    TBaglanti bag;
    TSonucBilgisi bilgi;
    Tgirisform g;
    g.bagim = &bag;
    g.Bilgim = &bilgi;
    g.show();
    yaz(&g, "bayi3", "1234");
    QTest::keyClick(g.sifre, Qt::Key_Return);
    QVERIFY(g.Calisiyor());
    QTest::keyClick(g.sifre, Qt::Key_Return);
    g.Button1Click();
    QTRY_VERIFY_WITH_TIMEOUT(!g.Calisiyor(), 30000);
    qputenv("KORVEL_SERVER", sunucu_.adres().toUtf8());
    QCOMPARE(m.liste.size(), 12);
    for (int i = 0; i < 11; ++i)
        QCOMPARE(m.liste[i].tip, kt::MesajTipi::Ozel);
    QCOMPARE(m.liste[11].metin, QStringLiteral("Bağlantı Kurulamadı !"));
    QCOMPARE(m.liste[11].tip, kt::MesajTipi::Hata);
    QVERIFY(g.Button1->isEnabled());
    QCOMPARE(g.Button1->text(), QStringLiteral("Giriş!"));
}

void TstGiris::cikisSorusu()
{
    QVERIFY(sunucu_.kaydet(QStringLiteral("BAYI3"), id_));
    Mesajlar m;
    TForm1 f;
    giriseUygula([](Tgirisform *g) {
        yaz(g, "bayi3", "1234");
        g->Button1->click();
    });
    QVERIFY(f.FormCreate());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.PageControl1->setCurrentWidget(f.ssepet);

    // "Hayır" keeps the window as it was.
    kt::MesajKancasiKur([&](const kt::MesajBilgisi &b) {
        m.liste << b;
        return int(kt::mrNo);
    });
    f.G1->trigger();
    QCOMPARE(m.liste.size(), 1);
    QCOMPARE(m.liste[0].metin, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
    QCOMPARE(m.liste[0].tip, kt::MesajTipi::Soru);
    QCOMPARE(m.liste[0].dugmeler, (QList<kt::Dugme>{kt::Dugme::Evet, kt::Dugme::Hayir}));
    QCOMPARE(m.liste[0].varsayilan, kt::Dugme::Evet);
    QVERIFY(f.isVisible());
    QCOMPARE(f.PageControl1->currentWidget(), f.ssepet);
    QCOMPARE(bitirme_, 0);

    // Closing the window asks the same; "Evet" ends the process.
    kt::MesajKancasiKur([&](const kt::MesajBilgisi &b) {
        m.liste << b;
        return int(kt::mrYes);
    });
    f.close();
    QCOMPARE(m.liste.size(), 2);
    QCOMPARE(bitirme_, 1);
}

QTEST_MAIN(TstGiris)
#include "tst_giris.moc"
