// Footer row painting; see izgaraalt.h.
#include "izgaraalt.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace kt {

IzgaraAltBilgi::IzgaraAltBilgi(QTableView *tablo, const IzgaraStili *stil, QWidget *parent)
    : QWidget(parent), tablo_(tablo), stil_(stil)
{
    auto yenile = [this]() { update(); };
    connect(tablo_->horizontalHeader(), &QHeaderView::sectionResized, this, yenile);
    connect(tablo_->horizontalHeader(), &QHeaderView::geometriesChanged, this, yenile);
    connect(tablo_->horizontalScrollBar(), &QScrollBar::valueChanged, this, yenile);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void IzgaraAltBilgi::metinleriAyarla(const QStringList &metinler)
{
    if (metinler == metinler_)
        return;
    metinler_ = metinler;
    update();
}

QSize IzgaraAltBilgi::sizeHint() const
{
    QFont f = stil_->font;
    f.setPixelSize(stil_->fontPx);
    return {0, QFontMetrics(f).height() + 14};
}

void IzgaraAltBilgi::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), stil_->altBilgiRengi);
    p.setPen(stil_->cizgi.darker(110));
    p.drawLine(rect().topLeft(), rect().topRight());
    QFont f = stil_->font;
    f.setPixelSize(stil_->fontPx);
    f.setBold(true);
    p.setFont(f);
    const QHeaderView *h = tablo_->horizontalHeader();
    const int x0 = tablo_->viewport()->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    p.setClipRect(QRect(x0, 0, tablo_->viewport()->width(), height()));
    for (int c = 0; c < h->count() && c < metinler_.size(); ++c) {
        if (h->isSectionHidden(c) || metinler_[c].isEmpty())
            continue;
        const QRect hucre(x0 + h->sectionViewportPosition(c), 3, h->sectionSize(c), height() - 6);
        if (hucre.right() < x0 || hucre.left() > x0 + tablo_->viewport()->width())
            continue;
        p.setPen(stil_->cizgi.darker(115));
        p.setBrush(Qt::white);
        p.drawRect(hucre.adjusted(1, 0, -2, -1));
        p.setPen(stil_->yazi);
        p.drawText(hucre.adjusted(5, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, metinler_[c]);
    }
}

}  // namespace kt
