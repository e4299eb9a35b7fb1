// The ways the program ends, run as a child process: every one ends with
// exit code 0. The program's environment hooks answer its messages
// (KORVEL_MESAJ_CEVAP, which also writes each message to stderr), fill the
// login (KORVEL_GIRIS) and choose "Çıkış" (KORVEL_CIKIS_MS).
#include "demosunucu.h"
#include "utils.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Sonuc {
    int kod = -1;
    QProcess::ExitStatus durum = QProcess::CrashExit;
    QString hata;
};

Sonuc calistir(const QMap<QString, QString> &ortam)
{
    QTemporaryDir ayar;
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    e.insert(QStringLiteral("XDG_CONFIG_HOME"), ayar.path());
    e.insert(QStringLiteral("KORVEL_MESAJ_CEVAP"), QStringLiteral("varsayilan"));
    for (auto i = ortam.begin(); i != ortam.end(); ++i)
        e.insert(i.key(), i.value());
    p.setProcessEnvironment(e);
    p.start(QStringLiteral(KORVEL_ISTEMCI), {});
    Sonuc s;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        s.hata = QStringLiteral("bitmedi");
        return s;
    }
    s.kod = p.exitCode();
    s.durum = p.exitStatus();
    s.hata = QString::fromUtf8(p.readAllStandardError());
    return s;
}

}  // namespace

class TstSurec : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void vazgec();
    void kayitsizIstasyon();
    void farkliSurum();
    void cikisEvet();

private:
    DemoSunucu sunucu_;
};

void TstSurec::initTestCase()
{
    QString hata;
    QVERIFY2(sunucu_.baslat(&hata), qPrintable(hata));
}

void TstSurec::vazgec()
{
    const Sonuc s = calistir({{"KORVEL_GIRIS", "-"}, {"KORVEL_SERVER", sunucu_.adres()}});
    QCOMPARE(s.durum, QProcess::NormalExit);
    QCOMPARE(s.kod, 0);
    QVERIFY2(!s.hata.contains("MESAJ"), qPrintable(s.hata));
}

void TstSurec::kayitsizIstasyon()
{
    const Sonuc s = calistir({{"KORVEL_GIRIS", "BAYI3:1234"}, {"KORVEL_SERVER", sunucu_.adres()}});
    QCOMPARE(s.durum, QProcess::NormalExit);
    QCOMPARE(s.kod, 0);
    QVERIFY2(s.hata.contains("Bu bilgisayar sistemde kayıtlı değil"), qPrintable(s.hata));
    QVERIFY(s.hata.contains("formmailgonder.aspx?carino=0&kullanici= &id="));
    QVERIFY(!s.hata.contains("Programdan"));
}

void TstSurec::farkliSurum()
{
    // The version is checked before the registration.
    QCOMPARE(sunucu_.s.yonetim({"surum", "6"}), 0);
    const Sonuc s = calistir({{"KORVEL_GIRIS", "BAYI3:1234"}, {"KORVEL_SERVER", sunucu_.adres()}});
    QCOMPARE(sunucu_.s.yonetim({"surum", "5"}), 0);
    QCOMPARE(s.durum, QProcess::NormalExit);
    QCOMPARE(s.kod, 0);
    QVERIFY2(s.hata.contains("Yeni versiyonu indirilecektir"), qPrintable(s.hata));
    QVERIFY(s.hata.contains("Version: 6-5"));
    QVERIFY(!s.hata.contains("kayıtlı değil"));
}

void TstSurec::cikisEvet()
{
    // Registered, logged in, the window shown, then "Çıkış" and "Evet".
    QProcess kimlik;
    kimlik.start(QStringLiteral(KORVEL_KIMLIK), {});
    QVERIFY(kimlik.waitForFinished(30000));
    const QString id = QString::fromUtf8(kimlik.readAllStandardOutput()).trimmed();
    QCOMPARE(id, BilgisayarIdAl());
    QVERIFY(sunucu_.kaydet("BAYI4", id));
    const Sonuc s = calistir(
        {{"KORVEL_GIRIS", "bayi4:1234"}, {"KORVEL_SERVER", sunucu_.adres()}, {"KORVEL_CIKIS_MS", "300"}});
    QCOMPARE(s.durum, QProcess::NormalExit);
    QCOMPARE(s.kod, 0);
    QVERIFY2(s.hata.contains("MESAJ 3: Programdan Çıkmak İstiyor musunuz ?"), qPrintable(s.hata));
    QCOMPARE(s.hata.count("MESAJ"), 1);
}

QTEST_GUILESS_MAIN(TstSurec)
#include "tst_surec.moc"
