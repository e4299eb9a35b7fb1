// The picture control of the line entry dialog: loads its picture from an
// address in the background and decodes it by the answer's content type.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

class QNetworkAccessManager;
class QNetworkReply;

namespace katalog {

// The decoder for a content type: the text after its first six characters
// ("image/"), lower-cased, must be exactly "png", "bmp", "jpeg" or "jpg".
// Anything else (GIF, a type with parameters, a text page) gives nullptr.
const char *resimBicimi(const QString &icerikTipi);

class TAsyncResim : public QWidget {
    Q_OBJECT
public:
    explicit TAsyncResim(QWidget *parent = nullptr);
    ~TAsyncResim() override;

    QString Url() const { return FUrl; }
    // A different address starts its download; the same address again does
    // nothing. Only the latest address's picture is ever shown.
    void setUrl(const QString &url);

    // The picture shown (null before the first one arrived).
    const QImage &Resim() const { return resim_; }

    // Decodes `veri` as the content type says and shows it. False (and the
    // previous picture stays) when the type is not a picture type of the
    // rule or the data does not decode.
    bool ResimAta(const QString &icerikTipi, const QByteArray &veri);

signals:
    // A download of `url` has ended; `atandi` tells whether it changed the
    // picture. Not emitted for downloads that a newer address replaced.
    void yuklendi(const QString &url, bool atandi);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    void Yukle();
    void IstekBitti(QNetworkReply *cevap);

    QString FUrl;
    QNetworkAccessManager *FHTTPClient;
    QPointer<QNetworkReply> FHTTPRequest;   // the running download of FUrl
    bool iptal = false;
    QImage resim_;
};

}  // namespace katalog
