// Animated picture; see animasyonluresim.h. Animations run only while the
// control is visible, so hidden loading pictures cost nothing.
#include "animasyonluresim.h"

#include <QMovie>
#include <QPainter>

namespace kt {

AnimasyonluResim::AnimasyonluResim(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    donme_.setInterval(80);
    connect(&donme_, &QTimer::timeout, this, [this]() {
        aci_ = (aci_ + 30) % 360;
        update();
    });
}

AnimasyonluResim::~AnimasyonluResim()
{
    setMovie(nullptr);
}

bool AnimasyonluResim::kur(std::unique_ptr<QMovie> film, std::unique_ptr<QBuffer> tampon)
{
    if (!film->isValid() || film->frameCount() == 0)
        return false;
    if (!film->jumpToFrame(0))
        return false;
    donen_ = false;
    donme_.stop();
    setMovie(nullptr);
    film_ = std::move(film);
    tampon_ = std::move(tampon);
    setMovie(film_.get());
    updateGeometry();
    oynatmayiAyarla();
    return true;
}

bool AnimasyonluResim::VeriYukle(const QByteArray &veri)
{
    if (veri.isEmpty())
        return false;
    auto tampon = std::make_unique<QBuffer>();
    tampon->setData(veri);
    if (!tampon->open(QIODevice::ReadOnly))
        return false;
    auto film = std::make_unique<QMovie>(tampon.get());
    film->setCacheMode(QMovie::CacheAll);
    return kur(std::move(film), std::move(tampon));
}

bool AnimasyonluResim::DosyaYukle(const QString &yol)
{
    auto film = std::make_unique<QMovie>(yol);
    film->setCacheMode(QMovie::CacheAll);
    return kur(std::move(film), nullptr);
}

void AnimasyonluResim::Temizle()
{
    setMovie(nullptr);
    film_.reset();
    tampon_.reset();
    donen_ = false;
    donme_.stop();
    clear();
    updateGeometry();
}

void AnimasyonluResim::Yukleniyor(int boy)
{
    Temizle();
    donen_ = true;
    donenBoy_ = boy;
    setMinimumSize(boy, boy);
    updateGeometry();
    oynatmayiAyarla();
}

void AnimasyonluResim::SetAnimate(bool a)
{
    animasyon_ = a;
    oynatmayiAyarla();
}

bool AnimasyonluResim::ResimVar() const { return film_ != nullptr; }

QSize AnimasyonluResim::ResimBoyutu() const
{
    if (!film_)
        return {};
    return film_->currentImage().size();
}

QSize AnimasyonluResim::sizeHint() const
{
    if (donen_)
        return {donenBoy_, donenBoy_};
    if (film_)
        return ResimBoyutu();
    return QLabel::sizeHint();
}

void AnimasyonluResim::oynatmayiAyarla()
{
    const bool oyna = animasyon_ && isVisible();
    if (film_) {
        if (oyna && film_->frameCount() != 1)
            film_->start();
        else if (film_->state() == QMovie::Running)
            film_->setPaused(true);
    }
    if (donen_ && oyna)
        donme_.start();
    else
        donme_.stop();
}

void AnimasyonluResim::showEvent(QShowEvent *e)
{
    QLabel::showEvent(e);
    oynatmayiAyarla();
}

void AnimasyonluResim::hideEvent(QHideEvent *e)
{
    QLabel::hideEvent(e);
    oynatmayiAyarla();
}

void AnimasyonluResim::paintEvent(QPaintEvent *e)
{
    if (!donen_) {
        QLabel::paintEvent(e);
        return;
    }
    // Twelve spokes fading behind the leading one.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int boy = std::min({donenBoy_, width(), height()});
    p.translate(width() / 2.0, height() / 2.0);
    p.rotate(aci_);
    const double r = boy / 2.0;
    for (int i = 0; i < 12; ++i) {
        QColor c(46, 125, 154);
        c.setAlphaF(0.15 + 0.85 * (i / 11.0));
        p.setPen(QPen(c, std::max(1.5, boy / 10.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -r * 0.45), QPointF(0, -r * 0.9));
        p.rotate(30);
    }
}

}  // namespace kt
