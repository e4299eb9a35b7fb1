// The loading picture; see yukleniyor.h.
#include "yukleniyor.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int kNokta = 10;
}

TYukleniyor::TYukleniyor(int boy, QColor renk, QWidget *parent) : QWidget(parent), renk_(renk)
{
    setFixedSize(boy, boy);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    zaman_.setInterval(80);
    connect(&zaman_, &QTimer::timeout, this, [this]() {
        adim_ = (adim_ + 1) % kNokta;
        update();
    });
}

void TYukleniyor::Animate(bool calis)
{
    setVisible(calis);
}

void TYukleniyor::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    zaman_.start();
}

void TYukleniyor::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    zaman_.stop();
}

void TYukleniyor::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF merkez = QRectF(rect()).center();
    const double r = std::min(width(), height()) / 2.0;
    const double nokta = r * 0.22;
    const double yaricap = r - nokta - 1;
    for (int i = 0; i < kNokta; ++i) {
        // The head of the ring is the brightest; the tail fades.
        const int uzaklik = (adim_ - i + kNokta) % kNokta;
        QColor c = renk_;
        c.setAlphaF(1.0 - 0.8 * uzaklik / double(kNokta - 1));
        const double aci = 2 * M_PI * i / kNokta - M_PI / 2;
        const QPointF m(merkez.x() + yaricap * std::cos(aci), merkez.y() + yaricap * std::sin(aci));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(m, nokta * (1.0 - 0.35 * uzaklik / double(kNokta)), nokta * (1.0 - 0.35 * uzaklik / double(kNokta)));
    }
}
