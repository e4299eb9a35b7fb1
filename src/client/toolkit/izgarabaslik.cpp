// Header painting and the filter button; see izgarabaslik.h.
#include "izgarabaslik.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kt {

IzgaraBasligi::IzgaraBasligi(const IzgaraStili *stil, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), stil_(stil)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumSectionSize(20);
    setMouseTracking(true);
}

void IzgaraBasligi::mouseMoveEvent(QMouseEvent *e)
{
    const int k = logicalIndexAt(e->position().toPoint());
    if (k != uzerinde_) {
        uzerinde_ = k;
        viewport()->update();
    }
    QHeaderView::mouseMoveEvent(e);
}

void IzgaraBasligi::leaveEvent(QEvent *e)
{
    if (uzerinde_ != -1) {
        uzerinde_ = -1;
        viewport()->update();
    }
    QHeaderView::leaveEvent(e);
}

void IzgaraBasligi::filtreliKolonlar(const QSet<int> &kolonlar)
{
    filtreli_ = kolonlar;
    viewport()->update();
}

void IzgaraBasligi::siralamaGoster(int kolon, Qt::SortOrder yon)
{
    siraKolonu_ = kolon;
    siraYonu_ = yon;
    viewport()->update();
}

QSize IzgaraBasligi::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    s.setHeight(stil_->baslikYuksekligi);
    return s;
}

QRect IzgaraBasligi::dugmeAlani(const QRect &bolum) const
{
    return QRect(bolum.right() - 19, bolum.center().y() - 8, 16, 16);
}

QRect IzgaraBasligi::filtreDugmesi(int kolon) const
{
    if (!stil_->filtreDugmeleri || isSectionHidden(kolon))
        return {};
    const QRect bolum(sectionViewportPosition(kolon), 0, sectionSize(kolon), height());
    return bolum.width() < 40 ? QRect() : dugmeAlani(bolum);
}

void IzgaraBasligi::paintSection(QPainter *p, const QRect &rect, int kolon) const
{
    p->save();
    p->fillRect(rect, stil_->baslik);
    p->setPen(stil_->baslik.lighter(135));
    p->drawLine(rect.topRight(), rect.bottomRight());

    QRect metin = rect.adjusted(6, 2, -4, -2);
    const bool dugme = stil_->filtreDugmeleri && rect.width() >= 40 && (kolon == uzerinde_ || filtreli_.contains(kolon));
    if (dugme) {
        const QRect d = dugmeAlani(rect);
        metin.setRight(d.left() - 3);
        const bool etkin = filtreli_.contains(kolon);
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(etkin ? stil_->vurgu : stil_->baslik.lighter(130));
        p->drawRoundedRect(QRectF(d).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        QPainterPath ok;
        const QPointF m = QRectF(d).center();
        ok.moveTo(m.x() - 4, m.y() - 2);
        ok.lineTo(m.x() + 4, m.y() - 2);
        ok.lineTo(m.x(), m.y() + 2.5);
        ok.closeSubpath();
        p->fillPath(ok, stil_->baslikYazi);
    }
    if (kolon == siraKolonu_ && rect.width() >= 30) {
        const QPointF m(metin.right() - 4, rect.center().y());
        QPainterPath ucgen;
        if (siraYonu_ == Qt::AscendingOrder) {
            ucgen.moveTo(m.x() - 4, m.y() + 2);
            ucgen.lineTo(m.x() + 4, m.y() + 2);
            ucgen.lineTo(m.x(), m.y() - 3);
        } else {
            ucgen.moveTo(m.x() - 4, m.y() - 2);
            ucgen.lineTo(m.x() + 4, m.y() - 2);
            ucgen.lineTo(m.x(), m.y() + 3);
        }
        ucgen.closeSubpath();
        p->setRenderHint(QPainter::Antialiasing);
        p->fillPath(ucgen, stil_->baslikYazi);
        metin.setRight(metin.right() - 12);
    }
    QFont f = stil_->baslikFont;
    f.setPixelSize(stil_->baslikFontPx);
    f.setBold(stil_->baslikKalin);
    p->setFont(f);
    p->setPen(stil_->baslikYazi);
    const QString s = model() ? model()->headerData(kolon, Qt::Horizontal).toString() : QString();
    p->drawText(metin, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, s);
    p->restore();
}

void IzgaraBasligi::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        const int kolon = logicalIndexAt(e->position().toPoint());
        if (kolon >= 0 && filtreDugmesi(kolon).contains(e->position().toPoint())) {
            const QRect d = filtreDugmesi(kolon);
            emit filtreTiklandi(kolon, mapToGlobal(QPoint(sectionViewportPosition(kolon), d.bottom() + 8)));
            e->accept();
            return;
        }
    }
    QHeaderView::mousePressEvent(e);
}

SatirGostergesi::SatirGostergesi(const IzgaraStili *stil, QWidget *parent)
    : QHeaderView(Qt::Vertical, parent), stil_(stil)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
    setFixedWidth(12);
}

void SatirGostergesi::odakSatiri(int satir)
{
    if (satir == odak_)
        return;
    odak_ = satir;
    viewport()->update();
}

void SatirGostergesi::paintSection(QPainter *p, const QRect &rect, int satir) const
{
    p->fillRect(rect, stil_->gostergeRengi);
    p->setPen(stil_->gostergeRengi.lighter(125));
    p->drawLine(rect.bottomLeft(), rect.bottomRight());
    if (satir != odak_)
        return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    QPainterPath ucgen;
    const QPointF m(rect.center().x() + 0.5, rect.center().y() + 0.5);
    ucgen.moveTo(m.x() - 2.5, m.y() - 4.5);
    ucgen.lineTo(m.x() + 3, m.y());
    ucgen.lineTo(m.x() - 2.5, m.y() + 4.5);
    ucgen.closeSubpath();
    p->fillPath(ucgen, Qt::white);
    p->restore();
}

}  // namespace kt
