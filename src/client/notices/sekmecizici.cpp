// The tab painter; see sekmecizici.h.
#include "sekmecizici.h"

#include "baslik.h"

#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>

TTabColorControlStyleHook::TTabColorControlStyleHook(QWidget *parent) : QTabBar(parent)
{
    setAttribute(Qt::WA_Hover);
    setDrawBase(true);
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setIconSize(QSize(32, 32));
}

void TTabColorControlStyleHook::sekmeBoyutu(const QSize &boy)
{
    boy_ = boy;
    updateGeometry();
    update();
}

QSize TTabColorControlStyleHook::tabSizeHint(int index) const
{
    Q_UNUSED(index);
    const bool dikey = shape() == RoundedWest || shape() == RoundedEast || shape() == TriangularWest
                       || shape() == TriangularEast;
    return dikey ? boy_.transposed() : boy_;
}

void TTabColorControlStyleHook::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    if (drawBase()) {
        QStyleOptionTabBarBase taban;
        taban.initFrom(this);
        taban.shape = shape();
        taban.documentMode = documentMode();
        taban.rect = rect();
        if (currentIndex() >= 0)
            taban.selectedTabRect = tabRect(currentIndex());
        p.drawPrimitive(QStyle::PE_FrameTabBarBase, taban);
    }
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex())
            sekmeCiz(p, i);
    // The selected tab last: its shape may overlap its neighbours.
    if (currentIndex() >= 0)
        sekmeCiz(p, currentIndex());
}

void TTabColorControlStyleHook::sekmeCiz(QPainter &p, int i)
{
    if (!isTabVisible(i))
        return;
    QStyleOptionTab opt;
    initStyleOption(&opt, i);
    if (!opt.rect.isValid() || !opt.rect.intersects(rect()))
        return;
    const bool secili = opt.state & QStyle::State_Selected;
    const bool sicak = (opt.state & QStyle::State_MouseOver) && !secili;

    // Background and frame as the style draws this tab's state.
    style()->drawControl(QStyle::CE_TabBarTabShape, &opt, &p, this);

    const bool dikey = shape() == RoundedWest || shape() == RoundedEast || shape() == TriangularWest
                       || shape() == TriangularEast;
    QRect metin = opt.rect;
    const QIcon simge = tabIcon(i);
    if (!simge.isNull()) {
        const QSize is = iconSize();
        if (dikey) {
            const QRect ir(opt.rect.left() + (opt.rect.width() - is.width()) / 2, opt.rect.bottom() - 3 - is.height(),
                           is.width(), is.height());
            simge.paint(&p, ir, Qt::AlignCenter, isTabEnabled(i) ? QIcon::Normal : QIcon::Disabled);
            metin.setBottom(ir.top() - 1);
        } else {
            const QRect ir(opt.rect.left() + 3, opt.rect.top() + (opt.rect.height() - is.height()) / 2, is.width(),
                           is.height());
            simge.paint(&p, ir, Qt::AlignCenter, isTabEnabled(i) ? QIcon::Normal : QIcon::Disabled);
            metin.setLeft(ir.right() + 1);
        }
    }
    const QColor renk = secili ? seciliYazi_ : sicak ? sicakYazi_ : yazi_;
    BaslikCiz(p, BaslikAyir(tabText(i)), metin, renk, font(), dikey);
}

TSekmeKontrol::TSekmeKontrol(QWidget *parent) : QTabWidget(parent), cubuk_(new TTabColorControlStyleHook)
{
    setTabBar(cubuk_);
    setIconSize(QSize(32, 32));
    setUsesScrollButtons(true);
}
