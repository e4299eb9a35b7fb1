// The switchable animated picture; see gifresim.h.
#include "gifresim.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>

namespace katalog {

TGifResim::TGifResim(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
}

TGifResim::~TGifResim() { filmiBirak(); }

void TGifResim::filmiBirak()
{
    if (film_) {
        film_->stop();
        setMovie(nullptr);
        delete film_;
        film_ = nullptr;
    }
    delete tampon_;
    tampon_ = nullptr;
}

void TGifResim::Temizle()
{
    filmiBirak();
    veri_.clear();
    clear();
}

bool TGifResim::ResimYukle(const QByteArray &veri)
{
    Temizle();
    if (veri.isEmpty())
        return false;
    veri_ = veri;
    QBuffer bak(&veri_);
    bak.open(QIODevice::ReadOnly);
    const QByteArray bicim = QImageReader::imageFormat(&bak);
    if (bicim == "gif") {
        tampon_ = new QBuffer(&veri_);
        tampon_->open(QIODevice::ReadOnly);
        film_ = new QMovie(tampon_, "gif");
        if (!film_->isValid()) {
            Temizle();
            return false;
        }
        film_->setCacheMode(QMovie::CacheAll);
        setMovie(film_);
        film_->jumpToFrame(0);
        if (FAnimate) {
            setAttribute(Qt::WA_TranslucentBackground);
            film_->start();
        }
        return true;
    }
    QPixmap resim;
    if (!resim.loadFromData(veri_)) {
        Temizle();
        return false;
    }
    setPixmap(resim);
    return true;
}

void TGifResim::setAnimate(bool acik)
{
    if (acik == FAnimate)
        return;
    FAnimate = acik;
    if (!film_ || film_->frameCount() == 0)
        return;
    setAttribute(Qt::WA_TranslucentBackground);
    if (acik)
        film_->start();
    else
        film_->setPaused(true);
}

bool TGifResim::Oynuyor() const { return film_ && film_->state() == QMovie::Running; }

void TGifResim::GosterAnim()
{
    setAnimate(true);
    show();
}

void TGifResim::GizleDurdur()
{
    hide();
    setAnimate(false);
}

}  // namespace katalog
