// The smaller platform pieces: style and font mapping, currency and date
// edits in the Turkish locale, the radio group, the animated picture and the
// image lists.
#include "animasyonluresim.h"
#include "paraedit.h"
#include "radyogrubu.h"
#include "simgeler.h"
#include "stil.h"
#include "tarihsecici.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QMovie>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QtTest>

using namespace kt;

namespace {

// A 1×1 GIF with two frames (white, then black), 100 ms each, looping.
QByteArray ikiKareliGif()
{
    QByteArray g("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00", 19);
    g += QByteArray("!\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int kare = 0; kare < 2; ++kare) {
        g += QByteArray("!\xf9\x04\x00\x0a\x00\x00\x00", 8);
        g += QByteArray(",\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
        g += kare == 0 ? QByteArray("\x02\x02\x44\x01\x00", 5) : QByteArray("\x02\x02\x4c\x01\x00", 5);
    }
    g += ';';
    return g;
}

}  // namespace

class TstBilesenler : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void stilVeYaziTipleri();
    void paraEdit();
    void tarihSecici();
    void radyoGrubu();
    void animasyonluResim();
    void simgeListeleri();
};

void TstBilesenler::stilVeYaziTipleri()
{
    QVERIFY(StilUygula(*qApp));
    QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(46, 125, 154));
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("QTabBar::tab")));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Tahoma"))).family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
}

void TstBilesenler::paraEdit()
{
    ParaEdit e;
    e.SetValue(1234.5);
    QCOMPARE(e.text(), QStringLiteral("1.234,50"));
    QCOMPARE(e.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    e.selectAll();
    QTest::keyClicks(&e, "2500");
    // The keypad's decimal key gives the Turkish comma.
    QTest::keyClick(&e, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(&e, "75");
    QTest::keyClick(&e, Qt::Key_Return);
    QCOMPARE(e.Value(), 2500.75);
    QCOMPARE(e.text(), QStringLiteral("2.500,75"));
    e.SetValue(-0.004);
    QCOMPARE(e.text(), QStringLiteral("0,00"));
}

void TstBilesenler::tarihSecici()
{
    TarihSecici t;
    QCOMPARE(t.Date(), QDate::currentDate());
    QVERIFY(t.calendarPopup());
    t.SetDate(QDate(2024, 3, 1));
    QCOMPARE(t.text(), QStringLiteral("01.03.2024"));
    QCOMPARE(t.calendarWidget()->firstDayOfWeek(), Qt::Monday);
}

void TstBilesenler::radyoGrubu()
{
    RadyoGrubu r(QStringLiteral("Kargo Türleri"));
    QSignalSpy tik(&r, &RadyoGrubu::tiklandi);
    r.SetItems({QStringLiteral("Alıcı Ödemeli"), QStringLiteral("Gönderici Ödemeli"), QStringLiteral("Elden")});
    QCOMPARE(r.ItemIndex(), -1);
    r.SetItemIndex(1);
    QCOMPARE(r.ItemIndex(), 1);
    QCOMPARE(tik.count(), 1);
    QCOMPARE(tik.last().at(0).toInt(), 1);
    r.findChildren<QRadioButton *>().at(2)->click();
    QCOMPARE(r.ItemIndex(), 2);
    QCOMPARE(tik.last().at(0).toInt(), 2);
    r.SetItemIndex(-1);
    QCOMPARE(r.ItemIndex(), -1);
    r.SetItems({"A"});
    QCOMPARE(r.ItemIndex(), -1);
    QCOMPARE(r.findChildren<QRadioButton *>().size(), 1);
}

void TstBilesenler::animasyonluResim()
{
    AnimasyonluResim a;
    QVERIFY(!a.ResimVar());
    QVERIFY(a.VeriYukle(ikiKareliGif()));
    QVERIFY(a.ResimVar());
    QCOMPARE(a.ResimBoyutu(), QSize(1, 1));
    QCOMPARE(a.movie()->frameCount(), 2);
    QVERIFY(a.movie()->state() != QMovie::Running);   // hidden: no animation
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QCOMPARE(a.movie()->state(), QMovie::Running);
    a.SetAnimate(false);
    QVERIFY(a.movie()->state() != QMovie::Running);

    // Bytes that are not a picture leave the shown picture alone.
    QVERIFY(!a.VeriYukle(QByteArray("bozuk veri")));
    QVERIFY(!a.VeriYukle({}));
    QVERIFY(a.ResimVar());
    QCOMPARE(a.movie()->frameCount(), 2);

    a.Yukleniyor(32);
    QVERIFY(!a.ResimVar());
    QCOMPARE(a.sizeHint(), QSize(32, 32));
    a.Temizle();
    QVERIFY(!a.ResimVar());
}

void TstBilesenler::simgeListeleri()
{
    QCOMPARE(durumSimgeleri().size(), 11);
    QCOMPARE(evetHayirSimgeleri().size(), 3);
    QCOMPARE(resimSimgeleri().size(), 1);
    for (const QPixmap &p : durumSimgeleri())
        QCOMPARE(p.deviceIndependentSize().toSize(), QSize(24, 24));
    // The icons that codes use are all different from each other.
    const QList<int> kullanilan{0, 1, 2, 4, 5, 8, 10};
    for (int i : kullanilan)
        for (int j : kullanilan)
            if (i < j)
                QVERIFY2(durumSimgeleri()[i].toImage() != durumSimgeleri()[j].toImage(),
                         qPrintable(QStringLiteral("%1 ve %2 aynı").arg(i).arg(j)));
    QVERIFY(evetHayirSimgeleri()[0].toImage() != evetHayirSimgeleri()[1].toImage());

    const QHash<int, int> h1 = durumSimgeHaritasi();
    QCOMPARE(h1.value(0), 4);
    QCOMPARE(h1.value(1), 0);
    QCOMPARE(h1.value(2), 8);
    QCOMPARE(h1.value(3), 2);
    QCOMPARE(h1.value(4), 1);
    QCOMPARE(h1.value(5), 5);
    QCOMPARE(h1.value(6), 10);
    QVERIFY(!durumSimgeHaritasi(true).contains(6));
    QCOMPARE(durumAciklamalari(true).value(5), QStringLiteral("Tedarik"));
    QCOMPARE(durumAciklamalari().value(5), QStringLiteral("Tedarik Sürecinde"));
}

QTEST_MAIN(TstBilesenler)
#include "tst_bilesenler.moc"
