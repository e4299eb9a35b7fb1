// BaglantiAc against a real loopback port: nothing listening, and a server
// that starts while the retries run.
#include "baglanti.h"
#include "beklesinu.h"
#include "mesajgoster.h"
#include "sunucusureci.h"
#include "utils.h"

#include <QTcpServer>
#include <QtTest>
#include <atomic>

namespace {

int bosPort()
{
    QTcpServer t;
    t.listen(QHostAddress::LocalHost, 0);
    return t.serverPort();
}

struct Kutu {
    kt::MesajBilgisi m;
    bool arayuzde;
};

}  // namespace

class TstBaglantiAc : public QObject {
    Q_OBJECT
private slots:
    void kapaliPort_data();
    void kapaliPort();
    void gecBaslayanSunucu();
};

void TstBaglantiAc::kapaliPort_data()
{
    QTest::addColumn<int>("sonMesaj");
    QTest::addColumn<bool>("isciden");
    QTest::newRow("son mesajla, işçiden") << 1 << true;
    QTest::newRow("son mesajsız, arayüzden") << 0 << false;
}

void TstBaglantiAc::kapaliPort()
{
    QFETCH(int, sonMesaj);
    QFETCH(bool, isciden);
    QThread *ui = QThread::currentThread();
    QList<Kutu> kutular;
    kt::MesajKancasiKur([&](const kt::MesajBilgisi &m) {
        kutular << Kutu{m, QThread::currentThread() == ui};
        return int(kt::mrOk);
    });
    TBaglanti bag;
    bag.Params["HostName"] = "127.0.0.1";
    bag.Params["Port"] = QString::number(bosPort());
    std::atomic<int> sonuc{-1};
    if (isciden) {
        AsyncBaslat([&]() { sonuc = BaglantiAc(bag, sonMesaj); })->Await([]() {});
        QTRY_VERIFY_WITH_TIMEOUT(sonuc != -1, 30000);
    } else {
        sonuc = BaglantiAc(bag, sonMesaj);
    }
    kt::MesajKancasiKur({});
    QCOMPARE(sonuc.load(), 0);
    QVERIFY(!bag.Connected());
    QCOMPARE(kutular.size(), 11 + sonMesaj);
    for (int i = 0; i < 11; ++i) {
        // Plain boxes with the failure's own text, always on the UI thread.
        QCOMPARE(kutular[i].m.tip, kt::MesajTipi::Ozel);
        QCOMPARE(kutular[i].m.dugmeler, QList<kt::Dugme>{kt::Dugme::Tamam});
        QVERIFY(!kutular[i].m.metin.isEmpty());
        QVERIFY(kutular[i].arayuzde);
    }
    if (sonMesaj == 1) {
        QCOMPARE(kutular[11].m.metin, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
        QCOMPARE(kutular[11].m.tip, kt::MesajTipi::Hata);
    }
}

void TstBaglantiAc::gecBaslayanSunucu()
{
    // The server comes up while the second failure box is open: the third
    // attempt connects.
    const int port = bosPort();
    kt::SunucuSureci sunucu(0, {QStringLiteral("--port"), QString::number(port)});
    int kutu = 0;
    bool basladi = false;
    kt::MesajKancasiKur([&](const kt::MesajBilgisi &) {
        if (++kutu == 2)
            basladi = sunucu.baslat();
        return int(kt::mrOk);
    });
    TBaglanti bag;
    bag.Params["HostName"] = "127.0.0.1";
    bag.Params["Port"] = QString::number(port);
    std::atomic<int> sonuc{-1};
    AsyncBaslat([&]() { sonuc = BaglantiAc(bag, 1); })->Await([]() {});
    QTRY_VERIFY_WITH_TIMEOUT(sonuc != -1, 60000);
    kt::MesajKancasiKur({});
    QVERIFY2(basladi, qPrintable(sunucu.hata()));
    QCOMPARE(sunucu.port(), port);
    QCOMPARE(sonuc.load(), 1);
    QCOMPARE(kutu, 2);
    QVERIFY(bag.Connected());
}

QTEST_MAIN(TstBaglantiAc)
#include "tst_baglantiac.moc"
