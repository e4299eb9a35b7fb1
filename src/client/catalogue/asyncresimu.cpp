// The background-loading picture control; see asyncresimu.h.
#include "asyncresimu.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>

namespace katalog {

const char *resimBicimi(const QString &icerikTipi)
{
    const QString tur = icerikTipi.mid(6).toLower();
    if (tur == QLatin1String("png"))
        return "PNG";
    if (tur == QLatin1String("bmp"))
        return "BMP";
    if (tur == QLatin1String("jpeg") || tur == QLatin1String("jpg"))
        return "JPEG";
    return nullptr;
}

TAsyncResim::TAsyncResim(QWidget *parent) : QWidget(parent), FHTTPClient(new QNetworkAccessManager(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

TAsyncResim::~TAsyncResim()
{
    iptal = true;
    if (FHTTPRequest) {
        FHTTPRequest->disconnect(this);
        FHTTPRequest->abort();
    }
}

void TAsyncResim::setUrl(const QString &url)
{
    if (url == FUrl)
        return;
    FUrl = url;
    Yukle();
}

void TAsyncResim::Yukle()
{
    // A download of an older address is dropped: its answer must never
    // replace the picture of the newer one.
    if (FHTTPRequest) {
        FHTTPRequest->disconnect(this);
        FHTTPRequest->abort();
        FHTTPRequest->deleteLater();
        FHTTPRequest = nullptr;
    }
    if (FUrl.isEmpty())
        return;
    QNetworkRequest istek{QUrl(FUrl)};
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *cevap = FHTTPClient->get(istek);
    FHTTPRequest = cevap;
    connect(cevap, &QNetworkReply::finished, this, [this, cevap] { IstekBitti(cevap); });
}

void TAsyncResim::IstekBitti(QNetworkReply *cevap)
{
    cevap->deleteLater();
    if (cevap != FHTTPRequest || iptal)
        return;
    FHTTPRequest = nullptr;
    const QString url = FUrl;
    bool atandi = false;
    if (cevap->error() == QNetworkReply::NoError) {
        const QByteArray veri = cevap->readAll();
        if (!veri.isEmpty())
            atandi = ResimAta(QString::fromLatin1(cevap->rawHeader("Content-Type")), veri);
    }
    emit yuklendi(url, atandi);
}

bool TAsyncResim::ResimAta(const QString &icerikTipi, const QByteArray &veri)
{
    const char *bicim = resimBicimi(icerikTipi);
    if (!bicim)
        return false;
    QImage yeni;
    if (!yeni.loadFromData(veri, bicim) || yeni.isNull())
        return false;
    resim_ = std::move(yeni);
    update();
    return true;
}

void TAsyncResim::paintEvent(QPaintEvent *)
{
    if (resim_.isNull())
        return;
    // Stretched proportionally, centred.
    QSize boy = resim_.size();
    boy.scale(size(), Qt::KeepAspectRatio);
    const QRect hedef(QPoint((width() - boy.width()) / 2, (height() - boy.height()) / 2), boy);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(hedef, resim_);
}

}  // namespace katalog
