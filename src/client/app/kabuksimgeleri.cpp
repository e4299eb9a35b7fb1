// The shell's pictures; see kabuksimgeleri.h. Glyphs are drawn on a 32-unit
// grid and scaled.
#include "kabuksimgeleri.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace kabuk {

namespace {

QPixmap tuval(QSize boy, qreal olcek)
{
    QPixmap p(boy * olcek);
    p.setDevicePixelRatio(olcek);
    p.fill(Qt::transparent);
    return p;
}

QColor sekmeRengi(Sekme s)
{
    switch (s) {
    case Sekme::Stok: return QColor(41, 128, 185);
    case Sekme::Sepet: return QColor(230, 126, 34);
    case Sekme::Onceki: return QColor(142, 68, 173);
    case Sekme::Ekstre: return QColor(22, 160, 133);
    case Sekme::Yeniler: return QColor(39, 174, 96);
    case Sekme::Kampanyali: return QColor(231, 76, 60);
    case Sekme::Duyuru: return QColor(243, 156, 18);
    case Sekme::Bakiye: return QColor(93, 109, 126);
    case Sekme::SanalPos: return QColor(52, 73, 94);
    case Sekme::Iletisim: return QColor(26, 188, 156);
    }
    return QColor(93, 109, 126);
}

void zemin(QPainter &p, const QColor &renk)
{
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, renk.lighter(118));
    g.setColorAt(1, renk.darker(112));
    QPainterPath yol;
    yol.addRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    p.fillPath(yol, g);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawPath(yol);
}

QPolygonF cokgen(std::initializer_list<QPointF> n) { return QPolygonF(QVector<QPointF>(n)); }

void beyaz(QPainter &p, qreal alfa = 1.0)
{
    QColor c(Qt::white);
    c.setAlphaF(float(alfa));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

QPen beyazKalem(qreal kalinlik, qreal alfa = 1.0)
{
    QColor c(Qt::white);
    c.setAlphaF(float(alfa));
    QPen k(c, kalinlik);
    k.setCapStyle(Qt::RoundCap);
    k.setJoinStyle(Qt::RoundJoin);
    return k;
}

void yildiz(QPainter &p, QPointF m, qreal dis, qreal ic, int uc)
{
    QPolygonF y;
    for (int i = 0; i < 2 * uc; ++i) {
        const qreal r = (i % 2) ? ic : dis;
        const qreal a = M_PI * i / uc - M_PI / 2;
        y << QPointF(m.x() + r * std::cos(a), m.y() + r * std::sin(a));
    }
    p.drawPolygon(y);
}

void glif(QPainter &p, Sekme s, const QColor &renk)
{
    switch (s) {
    case Sekme::Stok:   // a box
        beyaz(p);
        p.drawPolygon(cokgen({{16, 5.5}, {26.5, 10.5}, {16, 15.5}, {5.5, 10.5}}));
        beyaz(p, 0.85);
        p.drawPolygon(cokgen({{5.5, 12}, {15.2, 16.8}, {15.2, 27.5}, {5.5, 22.5}}));
        beyaz(p, 0.65);
        p.drawPolygon(cokgen({{26.5, 12}, {16.8, 16.8}, {16.8, 27.5}, {26.5, 22.5}}));
        p.setPen(QPen(renk, 1.6));
        p.drawLine(QPointF(10.8, 8), QPointF(21.2, 13));
        break;
    case Sekme::Sepet: {   // a cart
        p.setPen(beyazKalem(2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(cokgen({{4.5, 7.5}, {8.5, 7.5}, {12, 20.5}, {24.5, 20.5}}));
        beyaz(p);
        p.drawPolygon(cokgen({{9.6, 10.5}, {27.5, 10.5}, {25.2, 18}, {11.6, 18}}));
        p.drawEllipse(QPointF(13.5, 25), 2.4, 2.4);
        p.drawEllipse(QPointF(23, 25), 2.4, 2.4);
        break;
    }
    case Sekme::Onceki: {   // a clipboard with ticks
        beyaz(p);
        QPainterPath pano;
        pano.addRoundedRect(QRectF(7.5, 6.5, 17, 21), 2.5, 2.5);
        p.drawPath(pano);
        p.setBrush(renk.darker(120));
        p.drawRoundedRect(QRectF(12, 4.5, 8, 4.5), 1.5, 1.5);
        p.setPen(QPen(renk, 1.7, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const qreal y = 13 + i * 4.5;
            p.drawLine(QPointF(10.5, y), QPointF(12, y + 1.3));
            p.drawLine(QPointF(12, y + 1.3), QPointF(14, y - 1));
            p.drawLine(QPointF(15.8, y), QPointF(21.5, y));
        }
        break;
    }
    case Sekme::Ekstre: {   // a page with lines and a folded corner
        beyaz(p);
        p.drawPolygon(cokgen({{8, 4.5}, {19.5, 4.5}, {25, 10}, {25, 27.5}, {8, 27.5}}));
        p.setBrush(renk.lighter(150));
        p.drawPolygon(cokgen({{19.5, 4.5}, {25, 10}, {19.5, 10}}));
        p.setPen(QPen(renk, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(11, 13.5 + i * 3.6), QPointF(i == 3 ? 17 : 22, 13.5 + i * 3.6));
        break;
    }
    case Sekme::Yeniler:   // a star
        beyaz(p);
        yildiz(p, QPointF(16, 16.8), 11.5, 5, 5);
        break;
    case Sekme::Kampanyali: {   // a price tag with "%"
        p.save();
        p.translate(16, 16);
        p.rotate(-45);
        beyaz(p);
        p.drawPolygon(cokgen({{-12, -6.5}, {6, -6.5}, {12, 0}, {6, 6.5}, {-12, 6.5}}));
        p.setBrush(renk);
        p.drawEllipse(QPointF(6.2, 0), 1.7, 1.7);
        p.rotate(45);
        p.setPen(QPen(renk, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-4.8, 2.8), QPointF(1, -3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(-4.5, -2.8), 1.4, 1.4);
        p.drawEllipse(QPointF(0.8, 2.6), 1.4, 1.4);
        p.restore();
        break;
    }
    case Sekme::Duyuru:   // a megaphone
        beyaz(p);
        p.drawPolygon(cokgen({{6, 12.5}, {12, 12.5}, {23.5, 6.5}, {23.5, 25.5}, {12, 19.5}, {6, 19.5}}));
        p.drawRoundedRect(QRectF(9.5, 19, 4, 7.5), 1.5, 1.5);
        p.setPen(beyazKalem(1.8, 0.9));
        p.drawLine(QPointF(26, 13), QPointF(28, 12));
        p.drawLine(QPointF(26, 16), QPointF(28.5, 16));
        p.drawLine(QPointF(26, 19), QPointF(28, 20));
        break;
    case Sekme::Bakiye: {   // an hourglass: orders still waiting
        beyaz(p);
        p.drawRoundedRect(QRectF(8, 4.5, 16, 3), 1.2, 1.2);
        p.drawRoundedRect(QRectF(8, 24.5, 16, 3), 1.2, 1.2);
        p.setPen(beyazKalem(2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(cokgen({{10, 7.5}, {10, 10}, {15, 16}, {10, 22}, {10, 24.5}}));
        p.drawPolyline(cokgen({{22, 7.5}, {22, 10}, {17, 16}, {22, 22}, {22, 24.5}}));
        beyaz(p, 0.9);
        p.drawPolygon(cokgen({{12, 10}, {20, 10}, {16, 14.5}}));
        p.drawPolygon(cokgen({{16, 19}, {20.5, 23.5}, {11.5, 23.5}}));
        break;
    }
    case Sekme::SanalPos: {   // a card
        beyaz(p);
        p.drawRoundedRect(QRectF(4.5, 8, 23, 16), 2.5, 2.5);
        p.setBrush(renk);
        p.drawRect(QRectF(4.5, 11.5, 23, 3.2));
        p.setBrush(QColor(243, 156, 18));
        p.drawRoundedRect(QRectF(7.5, 17, 5, 4), 1, 1);
        break;
    }
    case Sekme::Iletisim: {   // an envelope
        beyaz(p);
        p.drawRoundedRect(QRectF(4.5, 8.5, 23, 15.5), 2, 2);
        p.setPen(QPen(renk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(cokgen({{6, 10.5}, {16, 18}, {26, 10.5}}));
        break;
    }
    }
}

}  // namespace

QPixmap sekmeResmi(Sekme s, int boy, qreal olcek)
{
    QPixmap pm = tuval(QSize(boy, boy), olcek);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(boy / 32.0, boy / 32.0);
    const QColor renk = sekmeRengi(s);
    zemin(p, renk);
    glif(p, s, renk);
    return pm;
}

QIcon sekmeSimgesi(Sekme s, int boy)
{
    QIcon i;
    i.addPixmap(sekmeResmi(s, boy, 1.0));
    i.addPixmap(sekmeResmi(s, boy, 2.0));
    return i;
}

QPixmap amblem(int boy, qreal olcek)
{
    QPixmap pm = tuval(QSize(boy, boy), olcek);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(boy / 32.0, boy / 32.0);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, turuncu().lighter(112));
    g.setColorAt(1, QColor(232, 150, 18));
    QPainterPath yol;
    yol.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
    p.fillPath(yol, g);
    // A "K" whose arms run into a road.
    QPen k(Qt::white, 4.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(k);
    p.drawLine(QPointF(11, 7), QPointF(11, 25));
    p.drawLine(QPointF(23.5, 7), QPointF(13.5, 16));
    p.drawLine(QPointF(13.5, 16), QPointF(24, 25));
    return pm;
}

QPixmap logo(int yukseklik, qreal olcek)
{
    const int amb = yukseklik;
    QFont buyuk(QStringLiteral("Tahoma"));
    buyuk.setPixelSize(int(yukseklik * 0.46));
    buyuk.setBold(true);
    buyuk.setLetterSpacing(QFont::PercentageSpacing, 108);
    QFont kucuk(QStringLiteral("Tahoma"));
    kucuk.setPixelSize(std::max(9, int(yukseklik * 0.2)));
    kucuk.setBold(true);
    kucuk.setLetterSpacing(QFont::PercentageSpacing, 125);
    const QString ad = QStringLiteral("KORVEL");
    const QString alt = QStringLiteral("OTOMOTİV  B2B");
    const int genislik = amb + 12
                         + std::max(QFontMetrics(buyuk).horizontalAdvance(ad), QFontMetrics(kucuk).horizontalAdvance(alt))
                         + 4;
    QPixmap pm = tuval(QSize(genislik, yukseklik), olcek);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawPixmap(0, 0, amblem(amb, olcek));
    p.setPen(Qt::white);
    p.setFont(buyuk);
    p.drawText(QRect(amb + 12, 0, genislik, int(yukseklik * 0.62)), Qt::AlignLeft | Qt::AlignBottom, ad);
    p.setPen(turuncu());
    p.setFont(kucuk);
    p.drawText(QRect(amb + 13, int(yukseklik * 0.64), genislik, int(yukseklik * 0.36)), Qt::AlignLeft | Qt::AlignTop,
               alt);
    return pm;
}

namespace {

QIcon cizimSimgesi(int boy, const std::function<void(QPainter &)> &ciz)
{
    QIcon i;
    for (qreal olcek : {1.0, 2.0}) {
        QPixmap pm = tuval(QSize(boy, boy), olcek);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(boy / 32.0, boy / 32.0);
        ciz(p);
        p.end();
        i.addPixmap(pm);
    }
    return i;
}

}  // namespace

QIcon araSimgesi()
{
    return cizimSimgesi(28, [](QPainter &p) {
        QPainterPath yol;
        yol.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
        p.fillPath(yol, vurguRenk());
        p.setPen(beyazKalem(3.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(14, 14), 7, 7);
        p.drawLine(QPointF(19.2, 19.2), QPointF(25, 25));
    });
}

QIcon temizleSimgesi()
{
    return cizimSimgesi(28, [](QPainter &p) {
        QPainterPath yol;
        yol.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
        p.fillPath(yol, QColor(149, 165, 176));
        p.setPen(beyazKalem(3.2));
        p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    });
}

QIcon menuSimgesi()
{
    return cizimSimgesi(48, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawEllipse(QRectF(1, 1, 30, 30));
        beyaz(p);
        p.drawEllipse(QPointF(16, 12), 5, 5);
        QPainterPath govde;
        govde.moveTo(6.5, 25.5);
        govde.cubicTo(7.5, 18.5, 24.5, 18.5, 25.5, 25.5);
        govde.closeSubpath();
        p.drawPath(govde);
    });
}

QIcon musteriSimgesi()
{
    return cizimSimgesi(20, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(vurguRenk());
        p.drawEllipse(QPointF(12, 10), 5, 5);
        QPainterPath govde;
        govde.moveTo(3, 27);
        govde.cubicTo(4, 17, 20, 17, 21, 27);
        govde.closeSubpath();
        p.drawPath(govde);
        p.setPen(QPen(vurguRenk(), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(23, 9), QPointF(30, 9));
        p.drawPolyline(cokgen({{27, 5.5}, {30.5, 9}, {27, 12.5}}));
        p.drawLine(QPointF(30, 19), QPointF(23, 19));
        p.drawPolyline(cokgen({{26, 15.5}, {22.5, 19}, {26, 22.5}}));
    });
}

QPixmap girisArkaPlani(QSize boy, qreal olcek)
{
    QPixmap pm = tuval(boy, olcek);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = boy.width(), h = boy.height();
    QLinearGradient alt(0, 0, 0, h);
    alt.setColorAt(0, QColor(246, 248, 250));
    alt.setColorAt(1, QColor(228, 234, 239));
    p.fillRect(QRect(0, 0, w, h), alt);

    // The dark band with the logo, closed by a gentle curve.
    const int bant = 178;
    QLinearGradient ust(0, 0, w, bant);
    ust.setColorAt(0, koyuRenk().lighter(125));
    ust.setColorAt(1, koyuRenk());
    QPainterPath yol;
    yol.moveTo(0, 0);
    yol.lineTo(w, 0);
    yol.lineTo(w, bant - 26);
    yol.quadTo(w / 2.0, bant + 22, 0, bant - 26);
    yol.closeSubpath();
    p.fillPath(yol, ust);
    // Faint road stripes across the band.
    p.setPen(QPen(QColor(255, 255, 255, 18), 14));
    for (int i = -2; i < 6; ++i)
        p.drawLine(QPointF(i * 90, bant + 10), QPointF(i * 90 + 160, -20));
    p.setPen(QPen(turuncu(), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath cizgi;
    cizgi.moveTo(w, bant - 26);
    cizgi.quadTo(w / 2.0, bant + 22, 0, bant - 26);
    p.drawPath(cizgi);

    const QPixmap l = logo(58, olcek);
    const QSizeF ls = l.deviceIndependentSize();
    p.drawPixmap(QPointF((w - ls.width()) / 2.0, 42), l);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRect(0, 108, w, 22), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Bayi Sipariş Sistemi"));
    return pm;
}

}  // namespace kabuk
