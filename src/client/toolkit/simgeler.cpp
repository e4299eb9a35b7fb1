// Icon drawing; see simgeler.h. Each icon is drawn on a 24-unit canvas and
// scaled, so every size comes from the same drawing.
#include "simgeler.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace kt {

namespace {

const QColor kYesil(46, 160, 67);
const QColor kKirmizi(211, 47, 47);
const QColor kTuruncu(245, 124, 0);
const QColor kMavi(30, 110, 170);
const QColor kTeal(46, 125, 154);
const QColor kAltin(240, 180, 20);
const QColor kKahve(141, 95, 45);
const QColor kGri(176, 181, 188);
const QColor kKoyu(61, 65, 74);

void isaret(QPainter &p, const QColor &renk)
{
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    QPen kalem(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(kalem);
    p.setBrush(Qt::NoBrush);
    QPainterPath yol;
    yol.moveTo(7, 12.5);
    yol.lineTo(10.5, 16);
    yol.lineTo(17, 8.5);
    p.drawPath(yol);
}

void carpi(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kKirmizi);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(16, 16));
    p.drawLine(QPointF(16, 8), QPointF(8, 16));
}

void yildiz(QPainter &p)
{
    QPainterPath yol;
    const QPointF m(12, 12.6);
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 4.6 : 10.5;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF n(m.x() + r * std::cos(a), m.y() + r * std::sin(a));
        i ? yol.lineTo(n) : yol.moveTo(n);
    }
    yol.closeSubpath();
    p.setPen(QPen(QColor(190, 130, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kAltin);
    p.drawPath(yol);
}

void kamyon(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kMavi);
    p.drawRoundedRect(QRectF(1.5, 6, 13, 10), 1.5, 1.5);          // load box
    QPainterPath kabin;
    kabin.moveTo(15.5, 9);
    kabin.lineTo(19.5, 9);
    kabin.lineTo(22.5, 12.5);
    kabin.lineTo(22.5, 16);
    kabin.lineTo(15.5, 16);
    kabin.closeSubpath();
    p.drawPath(kabin);
    p.setBrush(QColor(200, 228, 248));
    p.drawRect(QRectF(16.8, 10.3, 2.6, 2.4));                       // window
    p.setBrush(kKoyu);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawEllipse(QPointF(6, 17.5), 2.6, 2.6);
    p.drawEllipse(QPointF(18.5, 17.5), 2.6, 2.6);
}

void kumSaati(QPainter &p)
{
    p.setPen(QPen(kKahve, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(6, 3), QPointF(18, 3));
    p.drawLine(QPointF(6, 21), QPointF(18, 21));
    QPainterPath cam;
    cam.moveTo(7.5, 3.5);
    cam.cubicTo(7.5, 9, 11, 10, 11, 12);
    cam.cubicTo(11, 14, 7.5, 15, 7.5, 20.5);
    cam.lineTo(16.5, 20.5);
    cam.cubicTo(16.5, 15, 13, 14, 13, 12);
    cam.cubicTo(13, 10, 16.5, 9, 16.5, 3.5);
    cam.closeSubpath();
    p.setBrush(QColor(255, 248, 225));
    p.drawPath(cam);
    p.setPen(Qt::NoPen);
    p.setBrush(kAltin);
    QPainterPath kum;   // sand: a little left above, a heap below
    kum.moveTo(9.3, 7.5);
    kum.lineTo(14.7, 7.5);
    kum.lineTo(12, 11);
    kum.closeSubpath();
    kum.moveTo(8.2, 20.3);
    kum.lineTo(15.8, 20.3);
    kum.lineTo(12, 16.2);
    kum.closeSubpath();
    p.drawPath(kum);
}

void telefon(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    // A handset: two ear pieces joined by a curved grip.
    QPainterPath ahize;
    ahize.moveTo(8.2, 6.2);
    ahize.lineTo(10.3, 8.9);
    ahize.cubicTo(10.6, 9.4, 10.4, 10, 9.9, 10.3);
    ahize.lineTo(9.1, 10.8);
    ahize.cubicTo(9.9, 12.6, 11.4, 14.1, 13.2, 14.9);
    ahize.lineTo(13.7, 14.1);
    ahize.cubicTo(14, 13.6, 14.6, 13.4, 15.1, 13.7);
    ahize.lineTo(17.8, 15.8);
    ahize.cubicTo(18.2, 16.1, 18.3, 16.7, 18, 17.1);
    ahize.lineTo(16.9, 18.3);
    ahize.cubicTo(11.4, 18.6, 5.4, 12.6, 5.7, 7.1);
    ahize.lineTo(6.9, 6);
    ahize.cubicTo(7.3, 5.7, 7.9, 5.8, 8.2, 6.2);
    p.setBrush(Qt::white);
    p.drawPath(ahize);
}

void uyari(QPainter &p)
{
    QPainterPath ucgen;
    ucgen.moveTo(12, 2.5);
    ucgen.lineTo(22.5, 20.5);
    ucgen.lineTo(1.5, 20.5);
    ucgen.closeSubpath();
    p.setPen(QPen(kTuruncu.darker(115), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kTuruncu);
    p.drawPath(ucgen);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 8.5), QPointF(12, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 17.4), 1.4, 1.4);
}

void bosNokta(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kGri);
    p.drawEllipse(QPointF(12, 12), 3, 3);
}

void halka(QPainter &p)
{
    p.setPen(QPen(kGri, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(6, 6, 12, 12));
}

void kamera(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kKoyu);
    p.drawRoundedRect(QRectF(2, 7, 20, 13), 2.5, 2.5);
    p.drawRoundedRect(QRectF(8, 4.5, 8, 4), 1.2, 1.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 13.5), 4.6, 4.6);
    p.setBrush(kTeal);
    p.drawEllipse(QPointF(12, 13.5), 3, 3);
    p.setBrush(kAltin);
    p.drawEllipse(QPointF(18.6, 9.6), 1.1, 1.1);
}

using Cizici = void (*)(QPainter &);

QPixmap ciz(Cizici c, int boy)
{
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap px(QSize(boy, boy) * dpr);
    px.setDevicePixelRatio(dpr);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(boy / 24.0, boy / 24.0);
    c(p);
    return px;
}

void yesilIsaret(QPainter &p) { isaret(p, kYesil); }

const Cizici kDurum[11] = {yesilIsaret, yildiz, kamyon, bosNokta, carpi, kumSaati,
                           bosNokta, bosNokta, telefon, bosNokta, uyari};

}  // namespace

QPixmap durumSimgesi(int indeks, int boy)
{
    if (indeks < 0 || indeks >= 11)
        return {};
    return ciz(kDurum[indeks], boy);
}

const QVector<QPixmap> &durumSimgeleri()
{
    static const QVector<QPixmap> liste = [] {
        QVector<QPixmap> l;
        for (int i = 0; i < 11; ++i)
            l.push_back(durumSimgesi(i, 24));
        return l;
    }();
    return liste;
}

const QVector<QPixmap> &evetHayirSimgeleri()
{
    static const QVector<QPixmap> liste = {ciz(halka, 24), ciz(yesilIsaret, 24), ciz(bosNokta, 24)};
    return liste;
}

const QVector<QPixmap> &resimSimgeleri()
{
    static const QVector<QPixmap> liste = {ciz(kamera, 24)};
    return liste;
}

QHash<int, int> durumSimgeHaritasi(bool ikinciDepo)
{
    QHash<int, int> h{{0, 4}, {1, 0}, {2, 8}, {3, 2}, {4, 1}, {5, 5}};
    if (!ikinciDepo)
        h.insert(6, 10);
    return h;
}

QHash<int, QString> durumAciklamalari(bool ikinciDepo)
{
    QHash<int, QString> h{{0, QStringLiteral("Yok")},
                          {1, QStringLiteral("Var")},
                          {2, QStringLiteral("Telefon Açınız")},
                          {3, QStringLiteral("Yolda")},
                          {4, QStringLiteral("Özel Sipariş")},
                          {5, ikinciDepo ? QStringLiteral("Tedarik") : QStringLiteral("Tedarik Sürecinde")}};
    if (!ikinciDepo)
        h.insert(6, QStringLiteral("Kritik Seviye"));
    return h;
}

}  // namespace kt
