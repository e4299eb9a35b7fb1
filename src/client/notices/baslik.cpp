// Counter captions; see baslik.h.
#include "baslik.h"

#include <QPainter>
#include <QPainterPath>

TSonuc BaslikAyir(const QString &caption)
{
    TSonuc s;
    s.baslik = caption;
    const qsizetype esit = caption.indexOf(u'=');
    if (esit < 0)
        return s;
    s.baslik = caption.mid(esit + 1, 100);
    bool ok = false;
    const int n = caption.left(esit).trimmed().toInt(&ok, 10);
    s.sayi = ok ? n : 0;
    return s;
}

QString RozetMetni(int sayi) { return sayi > 0 ? u'(' + QString::number(sayi) + u')' : QString(); }

void BaslikCiz(QPainter &p, const TSonuc &s, const QRect &metinAlani, const QColor &yazi, const QFont &font,
               bool dikey)
{
    p.save();
    p.setFont(font);
    p.setPen(yazi);
    if (dikey) {
        // Rotated a quarter turn about the rectangle's centre; no badge.
        const QPointF merkez = QRectF(metinAlani).center();
        p.translate(merkez);
        p.rotate(-90);
        const QRectF r(-metinAlani.height() / 2.0, -metinAlani.width() / 2.0, metinAlani.height(), metinAlani.width());
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, s.baslik);
        p.restore();
        return;
    }

    const QRect r = metinAlani.adjusted(0, 5, 0, -5);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, s.baslik);

    if (s.sayi > 0) {
        const QRect rozet = r.adjusted(2, -3, -2, 3);
        const QString metin = RozetMetni(s.sayi);
        QFont rf = font;
        rf.setBold(true);
        p.setFont(rf);
        // A light backing keeps the red count readable on any tab colour.
        const QRect sinir = p.fontMetrics().boundingRect(rozet, Qt::AlignRight | Qt::AlignTop, metin);
        QPainterPath yol;
        yol.addRoundedRect(QRectF(sinir).adjusted(-2, 0, 2, 0), 5, 5);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(yol, QColor(255, 255, 255, 235));
        p.setPen(rozetRengi());
        p.drawText(rozet, Qt::AlignRight | Qt::AlignTop, metin);
    }
    p.restore();
}
