// Animated picture: shows a GIF (or any still picture) from a file or from
// bytes received from the server, animating it while visible; or the
// built-in "loading" spinner used by the search bar's loading pictures.
#pragma once

#include <QBuffer>
#include <QLabel>
#include <QTimer>
#include <memory>

class QMovie;

namespace kt {

class AnimasyonluResim : public QLabel {
    Q_OBJECT
public:
    explicit AnimasyonluResim(QWidget *parent = nullptr);
    ~AnimasyonluResim() override;

    // False (and the picture unchanged) when the data is not a picture.
    bool VeriYukle(const QByteArray &veri);
    bool DosyaYukle(const QString &yol);
    void Temizle();                 // no picture
    void Yukleniyor(int boy = 24);  // the built-in spinner, `boy` pixels square

    bool Animate() const { return animasyon_; }
    void SetAnimate(bool a);        // start/stop the animation
    bool ResimVar() const;
    QSize ResimBoyutu() const;      // the picture's own size (0×0 without one)

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    bool kur(std::unique_ptr<QMovie> film, std::unique_ptr<QBuffer> tampon);
    void oynatmayiAyarla();
    std::unique_ptr<QBuffer> tampon_;
    std::unique_ptr<QMovie> film_;
    QByteArray veri_;
    bool animasyon_ = true;
    bool donen_ = false;
    int donenBoy_ = 24;
    int aci_ = 0;
    QTimer donme_;
};

}  // namespace kt
