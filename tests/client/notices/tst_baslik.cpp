// Counter captions: parsing, and what the tab painter puts on the screen.
#include "baslik.h"
#include "sekmecizici.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

bool kirmiziMi(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }

// Pure-red pixels in a part of an image.
int kirmizilar(const QImage &img, const QRect &alan)
{
    int n = 0;
    for (int y = alan.top(); y <= alan.bottom(); ++y)
        for (int x = alan.left(); x <= alan.right(); ++x)
            n += kirmiziMi(img.pixel(x, y));
    return n;
}

int yaziPikselleri(const QImage &img, const QRect &alan)
{
    int n = 0;
    for (int y = alan.top(); y <= alan.bottom(); ++y)
        for (int x = alan.left(); x <= alan.right(); ++x)
            n += qGray(img.pixel(x, y)) > 180 && !kirmiziMi(img.pixel(x, y));
    return n;
}

// A caption drawn as in a 120×45 tab whose text area starts right of a
// 32-pixel picture, on a dark tab colour.
QImage ciz(const QString &baslik)
{
    QImage img(120, 45, QImage::Format_RGB32);
    img.fill(QColor(24, 62, 84));
    QPainter p(&img);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    BaslikCiz(p, BaslikAyir(baslik), QRect(36, 0, 84, 45), Qt::white, f);
    return img;
}

}  // namespace

class TstBaslik : public QObject {
    Q_OBJECT
private slots:
    void ayir_data();
    void ayir();
    void rozet_data();
    void rozet();
    void sekmeCubugu();
};

void TstBaslik::ayir_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("sayi");
    QTest::addColumn<QString>("baslik");
    QTest::newRow("sayaç") << "5=Sepet" << 5 << "Sepet";
    QTest::newRow("sıfır") << "0=Stok Listesi" << 0 << "Stok Listesi";
    QTest::newRow("düz başlık") << "Sepet" << 0 << "Sepet";
    QTest::newRow("kampanya başlığı değişir") << "12=Kampanyalı" << 12 << "Kampanyalı";
    QTest::newRow("ilk eşittir") << "3=a=b" << 3 << "a=b";
    QTest::newRow("kesirli bakiye") << "3,5=Bakiyeler" << 0 << "Bakiyeler";
    QTest::newRow("noktalı bakiye") << "2.75=Bakiyeler" << 0 << "Bakiyeler";
    QTest::newRow("sayı değil") << "abc=Duyurular" << 0 << "Duyurular";
    QTest::newRow("boş sayı") << "=Sepet" << 0 << "Sepet";
    QTest::newRow("taşan sayı") << "99999999999=Sepet" << 0 << "Sepet";
    QTest::newRow("boşluklu") << " 7 =Sepet" << 7 << "Sepet";
    QTest::newRow("eksi") << "-2=Sepet" << -2 << "Sepet";
    QTest::newRow("100 karakter") << "1=" + QString(150, u'x') << 1 << QString(100, u'x');
    QTest::newRow("boş") << "" << 0 << "";
}

void TstBaslik::ayir()
{
    QFETCH(QString, caption);
    const TSonuc s = BaslikAyir(caption);
    QTEST(s.sayi, "sayi");
    QTEST(s.baslik, "baslik");
}

void TstBaslik::rozet_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("rozet");
    QTest::newRow("5=Sepet") << "5=Sepet" << true;
    QTest::newRow("3=Bakiyeler") << "3=Bakiyeler" << true;
    QTest::newRow("0=Stok Listesi") << "0=Stok Listesi" << false;
    QTest::newRow("Sepet") << "Sepet" << false;
    QTest::newRow("-2=Sepet") << "-2=Sepet" << false;
    QTest::newRow("3,5=Bakiyeler") << "3,5=Bakiyeler" << false;
}

void TstBaslik::rozet()
{
    QFETCH(QString, caption);
    QFETCH(bool, rozet);
    const QImage img = ciz(caption);
    // The badge sits in the top-right corner, the title in the middle.
    const QRect sagUst(84, 0, 36, 20);
    QCOMPARE(kirmizilar(img, sagUst) > 10, rozet);
    QCOMPARE(kirmizilar(img, QRect(0, 22, 120, 23)), 0);
    QVERIFY(yaziPikselleri(img, QRect(36, 5, 84, 35)) > 20);
}

void TstBaslik::sekmeCubugu()
{
    TSekmeKontrol k;
    k.setStyleSheet(QStringLiteral("QTabBar::tab { background: rgb(24,62,84); }"));
    auto *a = new QWidget;
    auto *b = new QWidget;
    auto *c = new QWidget;
    k.addTab(a, QStringLiteral("0=Stok Listesi"));
    k.addTab(b, QStringLiteral("5=Sepet"));
    k.addTab(c, QStringLiteral("Gizli"));
    k.setTabVisible(2, false);
    k.resize(600, 200);
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QCOMPARE(k.sekmeCubugu()->tabRect(0).size(), QSize(120, 45));
    const QImage img = k.sekmeCubugu()->grab().toImage();
    const QRect r0 = k.sekmeCubugu()->tabRect(0), r1 = k.sekmeCubugu()->tabRect(1);
    QCOMPARE(kirmizilar(img, r0), 0);
    QVERIFY(kirmizilar(img, QRect(r1.right() - 30, r1.top(), 30, 20)) > 10);

    // A new count repaints the badge; a plain caption removes it.
    k.setTabText(1, QStringLiteral("Sepet"));
    QCOMPARE(kirmizilar(k.sekmeCubugu()->grab().toImage(), k.sekmeCubugu()->tabRect(1)), 0);
}

QTEST_MAIN(TstBaslik)
#include "tst_baslik.moc"
