// The picture control: which content types it shows, that a failed or
// non-picture answer keeps the picture, and that of two overlapping
// downloads only the latest address's picture is shown. A small local web
// server answers with the types under test.
#include "asyncresimu.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <httplib.h>
#include <thread>

namespace {

QByteArray resimVerisi(QColor renk, const char *bicim)
{
    QImage i(8, 6, QImage::Format_RGB32);
    i.fill(renk);
    QByteArray b;
    QBuffer tampon(&b);
    tampon.open(QIODevice::WriteOnly);
    i.save(&tampon, bicim);
    return b;
}

}  // namespace

class TstResim : public QObject {
    Q_OBJECT

    httplib::Server sunucu;
    std::thread is;
    int port = 0;
    std::atomic<int> istekler{0};

    QString adres(const char *yol) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(QLatin1String(yol)); }
    // Sets the address and waits for its download to end.
    static bool yukle(katalog::TAsyncResim &r, const QString &url, bool *atandi = nullptr)
    {
        QSignalSpy bitti(&r, &katalog::TAsyncResim::yuklendi);
        r.setUrl(url);
        if (!bitti.wait(10000))
            return false;
        if (atandi)
            *atandi = bitti.at(0).at(1).toBool();
        return bitti.at(0).at(0).toString() == url;
    }
    static QColor renk(const katalog::TAsyncResim &r) { return r.Resim().pixelColor(0, 0); }

private slots:
    void initTestCase()
    {
        const auto ver = [this](const char *yol, QByteArray veri, std::string tip, int bekle = 0) {
            sunucu.Get(yol, [this, veri, tip, bekle](const httplib::Request &, httplib::Response &res) {
                ++istekler;
                if (bekle)
                    std::this_thread::sleep_for(std::chrono::milliseconds(bekle));
                res.set_content(veri.toStdString(), tip);
            });
        };
        ver("/png", resimVerisi(Qt::red, "PNG"), "image/png");
        ver("/jpeg", resimVerisi(Qt::blue, "JPEG"), "image/jpeg");
        ver("/jpg", resimVerisi(Qt::blue, "JPEG"), "image/jpg");
        ver("/bmp", resimVerisi(Qt::green, "BMP"), "image/bmp");
        ver("/gif", resimVerisi(Qt::yellow, "PNG"), "image/gif");
        ver("/parametreli", resimVerisi(Qt::yellow, "PNG"), "image/png; charset=binary");
        ver("/sayfa", "<html>yok</html>", "text/html");
        ver("/bozuk", "not a picture", "image/png");
        ver("/yavas", resimVerisi(Qt::cyan, "PNG"), "image/png", 700);
        sunucu.Get("/yok", [](const httplib::Request &, httplib::Response &res) {
            res.status = 404;
            res.set_content(resimVerisi(Qt::magenta, "PNG").toStdString(), "image/png");
        });
        port = sunucu.bind_to_any_port("127.0.0.1");
        QVERIFY(port > 0);
        is = std::thread([this] { sunucu.listen_after_bind(); });
    }
    void cleanupTestCase()
    {
        sunucu.stop();
        is.join();
    }

    void icerikTuru_data()
    {
        QTest::addColumn<QString>("yol");
        QTest::addColumn<bool>("gosterilir");
        QTest::addColumn<QColor>("renk");   // the colour shown afterwards
        QTest::newRow("png") << "/png" << true << QColor(Qt::red);
        QTest::newRow("jpeg") << "/jpeg" << true << QColor(Qt::blue);
        QTest::newRow("jpg") << "/jpg" << true << QColor(Qt::blue);
        QTest::newRow("bmp") << "/bmp" << true << QColor(Qt::green);
        QTest::newRow("gif yok sayılır") << "/gif" << false << QColor(Qt::white);
        QTest::newRow("parametreli tür yok sayılır") << "/parametreli" << false << QColor(Qt::white);
        QTest::newRow("sayfa") << "/sayfa" << false << QColor(Qt::white);
        QTest::newRow("çözülemeyen veri") << "/bozuk" << false << QColor(Qt::white);
        QTest::newRow("hata cevabı") << "/yok" << false << QColor(Qt::white);
    }
    // Each answer arrives over a white picture already shown.
    void icerikTuru()
    {
        QFETCH(QString, yol);
        QFETCH(bool, gosterilir);
        QFETCH(QColor, renk);
        katalog::TAsyncResim r;
        QImage beyaz(4, 4, QImage::Format_RGB32);
        beyaz.fill(Qt::white);
        QByteArray b;
        QBuffer tampon(&b);
        tampon.open(QIODevice::WriteOnly);
        beyaz.save(&tampon, "PNG");
        QVERIFY(r.ResimAta(QStringLiteral("image/png"), b));

        bool atandi = false;
        QVERIFY(yukle(r, adres(qPrintable(yol)), &atandi));
        QCOMPARE(atandi, gosterilir);
        // JPEG is lossy: near enough is the same colour.
        const QColor c = TstResim::renk(r);
        QVERIFY2(qAbs(c.red() - renk.red()) + qAbs(c.green() - renk.green()) + qAbs(c.blue() - renk.blue()) < 12,
                 qPrintable(c.name()));
    }

    // The same address again starts no download.
    void ayniAdres()
    {
        katalog::TAsyncResim r;
        QVERIFY(yukle(r, adres("/png")));
        const int once = istekler;
        QSignalSpy bitti(&r, &katalog::TAsyncResim::yuklendi);
        r.setUrl(adres("/png"));
        QVERIFY(!bitti.wait(300));
        QCOMPARE(int(istekler), once);
    }

    // A slow first address overtaken by a quick second one: the second
    // picture stays, also after the first answer has arrived.
    void sonAdresKazanir()
    {
        katalog::TAsyncResim r;
        QSignalSpy bitti(&r, &katalog::TAsyncResim::yuklendi);
        r.setUrl(adres("/yavas"));
        QTest::qWait(100);
        r.setUrl(adres("/png"));
        QVERIFY(bitti.wait(5000));
        QCOMPARE(TstResim::renk(r), QColor(Qt::red));
        QTest::qWait(1200);   // the slow answer has come and gone by now
        QCOMPARE(TstResim::renk(r), QColor(Qt::red));
        QCOMPARE(bitti.count(), 1);
        QCOMPARE(r.Url(), adres("/png"));
    }
};

QTEST_MAIN(TstResim)
#include "tst_resim.moc"
