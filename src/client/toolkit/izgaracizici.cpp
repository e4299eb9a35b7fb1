// Cell painting; see izgaracizici.h.
#include "izgaracizici.h"

#include "simgeler.h"
#include "verimodeli.h"
#include "veriseti.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolTip>

namespace kt {

namespace {
constexpr int kBosluk = 5;   // text padding left and right
}

QVariant IzgaraHucresi::deger(const QString &alan) const
{
    return veri ? veri->deger(satir, veri->alanNo(alan)) : QVariant();
}

QString IzgaraHucresi::gosterim(const QString &alan) const
{
    return veri ? veri->gosterim(satir, veri->alanNo(alan)) : QString();
}

IzgaraCizici::IzgaraCizici(const QVector<IzgaraKolonu> *kolonlar, const IzgaraStili *stil, QObject *parent)
    : QAbstractItemDelegate(parent), kolonlar_(kolonlar), stil_(stil)
{
}

const QPixmap *IzgaraCizici::simge(const IzgaraKolonu &k, const QVariant &ham)
{
    int indeks = k.digerSimge;
    if (ham.isValid() && !ham.isNull()) {
        bool tamam = false;
        const double d = ham.toDouble(&tamam);
        if (tamam && d == double(int(d)))
            indeks = k.simgeHaritasi.value(int(d), k.digerSimge);
    }
    if (indeks < 0)
        return nullptr;
    const QVector<QPixmap> *liste = k.simgeler;
    if (!liste) {
        switch (k.cizim) {
        case Cizim::Durum: liste = &durumSimgeleri(); break;
        case Cizim::EvetHayir: liste = &evetHayirSimgeleri(); break;
        case Cizim::ResimIsareti: liste = &resimSimgeleri(); break;
        default: return nullptr;
        }
    }
    return indeks < liste->size() ? &liste->at(indeks) : nullptr;
}

void IzgaraCizici::grupBasligiCiz(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &index) const
{
    const bool secili = o.state & QStyle::State_Selected;
    const QRect r = o.rect;
    p->fillRect(r, secili ? stil_->secili : stil_->grupBasligi);
    // Expander: a small triangle pointing right (closed) or down (open).
    const bool acik = index.data(GrupAcikRolu).toBool();
    const QPointF m(r.left() + 14, r.center().y() + 0.5);
    QPainterPath ucgen;
    if (acik) {
        ucgen.moveTo(m.x() - 5, m.y() - 3);
        ucgen.lineTo(m.x() + 5, m.y() - 3);
        ucgen.lineTo(m.x(), m.y() + 3.5);
    } else {
        ucgen.moveTo(m.x() - 3, m.y() - 5);
        ucgen.lineTo(m.x() - 3, m.y() + 5);
        ucgen.lineTo(m.x() + 3.5, m.y());
    }
    ucgen.closeSubpath();
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->fillPath(ucgen, stil_->baslik);
    p->restore();
    QFont f = o.font;
    f.setBold(true);
    p->setFont(f);
    p->setPen(secili ? stil_->seciliYazi : stil_->yazi);
    p->drawText(r.adjusted(28, 0, -kBosluk, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    p->setPen(stil_->cizgi);
    p->drawLine(r.bottomLeft(), r.bottomRight());
}

void IzgaraCizici::paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &index) const
{
    const int tur = index.data(SatirTuruRolu).toInt();
    if (tur == GrupBasligi) {
        grupBasligiCiz(p, o, index);
        return;
    }
    const QRect r = o.rect;
    const int gorunumSatiri = index.row();
    // With cell focus the focused row is still marked; its focused cell a
    // shade deeper.
    bool secili = o.state & QStyle::State_Selected;
    bool odakHucre = false;
    if (!stil_->satirSecimi) {
        if (const auto *v = qobject_cast<const QAbstractItemView *>(o.widget)) {
            const QModelIndex odak = v->currentIndex();
            odakHucre = odak == index;
            secili = odak.isValid() && odak.row() == index.row();
        }
    }
    const QColor arka = odakHucre ? stil_->secili.darker(112)
                        : secili ? stil_->secili
                        : tur == GrupAltligi ? stil_->grupAltligi
                        : (gorunumSatiri % 2 == 0 ? stil_->ciftSatir : stil_->tekSatir);
    const QColor yazi = secili ? stil_->seciliYazi : stil_->yazi;
    const int kolon = index.column();
    const IzgaraKolonu *k = kolon < kolonlar_->size() ? &kolonlar_->at(kolon) : nullptr;
    Qt::Alignment yatay = k ? (k->hiza & Qt::AlignHorizontal_Mask) : Qt::Alignment();
    if (!yatay)
        yatay = otoHiza_.value(kolon, Qt::AlignLeft);

    if (k && k->cizim == Cizim::Sahibi && tur == VeriSatiri && k->ciz) {
        IzgaraHucresi h;
        h.painter = p;
        h.rect = r;
        h.satir = index.data(VeriSatiriRolu).toInt();
        h.gorunumSatiri = gorunumSatiri;
        h.secili = secili;
        h.ciftSatir = gorunumSatiri % 2 == 0;
        h.arkaPlan = arka;
        h.yazi = yazi;
        h.font = o.font;
        h.veri = ds_;
        p->save();
        p->setClipRect(r);
        p->setFont(o.font);
        p->setPen(yazi);
        k->ciz(h);
        p->restore();
    } else {
        p->fillRect(r, arka);
        const QRect ic = r.adjusted(kBosluk, 1, -kBosluk, -1);
        if (tur == GrupAltligi) {
            const QString s = index.data().toString();
            if (!s.isEmpty()) {
                QFont f = o.font;
                f.setBold(true);
                p->setFont(f);
                p->setPen(yazi);
                p->drawText(ic, Qt::AlignRight | Qt::AlignVCenter, s);
            }
        } else if (!k || k->cizim == Cizim::Metin || k->cizim == Cizim::Memo || k->cizim == Cizim::Sahibi) {
            QString s;
            if (k && k->alan.isEmpty())
                s = k->metin ? k->metin(index.data(VeriSatiriRolu).toInt()) : QString();
            else
                s = index.data().toString();
            if (!s.isEmpty()) {
                p->setPen(yazi);
                p->setFont(o.font);
                int bayrak = int(yatay);
                if (k && k->cizim == Cizim::Memo)
                    bayrak |= Qt::AlignTop | Qt::TextWordWrap;
                else
                    bayrak |= Qt::AlignVCenter | (stil_->metinKaydir ? Qt::TextWordWrap : 0);
                if (!stil_->metinKaydir && o.fontMetrics.horizontalAdvance(s) > ic.width())
                    s = o.fontMetrics.elidedText(s, Qt::ElideRight, ic.width());
                p->drawText(ic, bayrak, s);
            }
        } else if (k->cizim == Cizim::OnayKutusu) {
            const QVariant v = index.data(HamDegerRolu);
            const bool isaretli = v.typeId() == QMetaType::Bool ? v.toBool() : v.toDouble() == 1.0;
            QStyleOptionButton b;
            const int boy = 16;
            int x = r.center().x() - boy / 2;
            if (yatay & Qt::AlignLeft)
                x = r.left() + kBosluk;
            else if (yatay & Qt::AlignRight)
                x = r.right() - kBosluk - boy;
            b.rect = QRect(x, r.center().y() - boy / 2, boy, boy);
            b.state = QStyle::State_Enabled | (isaretli ? QStyle::State_On : QStyle::State_Off);
            QStyle *st = o.widget ? o.widget->style() : QApplication::style();
            st->drawPrimitive(QStyle::PE_IndicatorCheckBox, &b, p, o.widget);
        } else if (const QPixmap *px = simge(*k, index.data(HamDegerRolu))) {
            const QSize boy = px->deviceIndependentSize().toSize();
            int x = r.center().x() - boy.width() / 2;
            if (yatay & Qt::AlignLeft)
                x = r.left() + kBosluk;
            else if (yatay & Qt::AlignRight)
                x = r.right() - kBosluk - boy.width();
            p->drawPixmap(QPoint(x, r.center().y() - boy.height() / 2 + 1), *px);
        }
    }
    p->setPen(stil_->cizgi);
    p->drawLine(r.bottomLeft(), r.bottomRight());
    p->drawLine(r.topRight(), r.bottomRight());
    if (stil_->odakCercevesi && (o.state & QStyle::State_HasFocus)) {
        QPen kalem(stil_->vurgu, 1, Qt::DotLine);
        p->setPen(kalem);
        p->drawRect(r.adjusted(1, 1, -2, -2));
    }
}

QSize IzgaraCizici::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString s = index.data().toString();
    return {option.fontMetrics.horizontalAdvance(s) + 2 * kBosluk, stil_->satirYuksekligi};
}

bool IzgaraCizici::helpEvent(QHelpEvent *e, QAbstractItemView *view, const QStyleOptionViewItem &option,
                             const QModelIndex &index)
{
    const int kolon = index.column();
    if (e->type() == QEvent::ToolTip && kolon >= 0 && kolon < kolonlar_->size()) {
        const IzgaraKolonu &k = kolonlar_->at(kolon);
        if (!k.aciklamalar.isEmpty() && index.data(SatirTuruRolu).toInt() == VeriSatiri) {
            const QVariant v = index.data(HamDegerRolu);
            const QString s = v.isValid() ? k.aciklamalar.value(v.toInt()) : QString();
            if (!s.isEmpty()) {
                QToolTip::showText(e->globalPos(), s, view);
                return true;
            }
        }
    }
    return QAbstractItemDelegate::helpEvent(e, view, option, index);
}

}  // namespace kt
