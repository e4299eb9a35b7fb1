// A picture whose GIF animation can be switched on and off (the header
// banner). Other pictures show still.
#pragma once

#include <QByteArray>
#include <QLabel>

class QBuffer;
class QMovie;

namespace katalog {

class TGifResim : public QLabel {
    Q_OBJECT
public:
    explicit TGifResim(QWidget *parent = nullptr);
    ~TGifResim() override;

    // The picture's data: a GIF becomes an animation (running when Animate
    // is on), anything else a still picture. False when it does not decode;
    // the control is then empty.
    bool ResimYukle(const QByteArray &veri);
    void Temizle();
    bool GifMi() const { return film_ != nullptr; }

    bool Animate() const { return FAnimate; }
    void setAnimate(bool acik);
    bool Oynuyor() const;

    void GosterAnim();    // Animate on, then show
    void GizleDurdur();   // hide, then Animate off

private:
    void filmiBirak();

    bool FAnimate = false;
    QMovie *film_ = nullptr;
    QBuffer *tampon_ = nullptr;
    QByteArray veri_;
};

}  // namespace katalog
