// Demo promotions: the scrolling text and installer version settings, the
// three banners and the opening screens, drawn here with QPainter.

#include "demoic.h"
#include "docs/gif.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QVariant>
#include <cmath>

namespace ks::demo {

namespace {

const QColor kLacivert(18, 44, 84);
const QColor kKirmizi(200, 24, 32);
const QColor kSari(255, 196, 0);

QFont yazi(int piksel, bool kalin = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}

QByteArray kaydet(const QImage &resim, const char *bicim, int kalite = -1)
{
    QByteArray veri;
    QBuffer tampon(&veri);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, bicim, kalite);
    return veri;
}

void zemin(QPainter &p, const QRect &r, const QColor &ust, const QColor &alt)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, ust);
    g.setColorAt(1, alt);
    p.fillRect(r, g);
}

// A brake disc, the distributor's sign.
void disk(QPainter &p, const QPointF &merkez, double yaricap)
{
    p.setPen(QPen(QColor(60, 60, 60), yaricap / 20));
    p.setBrush(QColor(190, 190, 195));
    p.drawEllipse(merkez, yaricap, yaricap);
    p.setBrush(QColor(150, 150, 155));
    p.drawEllipse(merkez, yaricap * 0.55, yaricap * 0.55);
    p.setBrush(QColor(90, 90, 95));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        p.drawEllipse(merkez + QPointF(std::cos(a), std::sin(a)) * yaricap * 0.33, yaricap * 0.07, yaricap * 0.07);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(merkez, yaricap * 0.16, yaricap * 0.16);
}

QImage ustBannerKaresi(int kare)
{
    QImage im(409, 100, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    zemin(p, im.rect(), kLacivert, QColor(8, 20, 44));
    disk(p, QPointF(52, 50), 38);
    p.setPen(Qt::white);
    p.setFont(yazi(22));
    static const char *const satirlar[][2] = {
        {"KORVEL OTOMOTİV", "Yedek parçada güvenilir çözüm ortağınız"},
        {"KIŞ KAMPANYASI", "Seçili ürünlerde %20'ye varan indirim"},
        {"YENİ ÜRÜNLER", "Her hafta yüzlerce yeni parça stoklarımızda"},
    };
    p.drawText(QRect(100, 14, 300, 36), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(satirlar[kare][0]));
    p.setPen(kare == 1 ? kSari : QColor(200, 215, 235));
    p.setFont(yazi(12, false));
    p.drawText(QRect(100, 52, 300, 30), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, QString::fromUtf8(satirlar[kare][1]));
    return im;
}

QImage seritBanner()
{
    QImage im(1000, 36, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    zemin(p, im.rect(), kKirmizi, QColor(150, 10, 20));
    p.setPen(Qt::white);
    p.setFont(yazi(17));
    p.drawText(im.rect().adjusted(16, 0, -16, 0), Qt::AlignCenter,
               QStringLiteral("Saat 16:00'ya kadar verilen siparişler aynı gün kargoda  •  Yeni Stoklar sekmesine göz atın"));
    return im;
}

QImage altBanner()
{
    const QString metin = QStringLiteral("Bosch • TRW • Sachs • Valeo • Mann ürünlerinde bayi fiyatları");
    const QFont f = yazi(20);
    QImage im(70 + QFontMetrics(f).horizontalAdvance(metin) + 30, 60, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    zemin(p, im.rect(), QColor(250, 250, 250), QColor(225, 228, 235));
    disk(p, QPointF(32, 30), 24);
    p.setPen(kLacivert);
    p.setFont(f);
    p.drawText(im.rect().adjusted(70, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, metin);
    return im;
}

struct Ekran {
    const char *baslik;
    const char *ust;
    const char *alt;
    const char *arama;
    QColor renk;
};

QImage acilisResmi(const Ekran &e, int sira)
{
    QImage im(600, 400, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    zemin(p, im.rect(), e.renk, e.renk.darker(220));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(460 + 30 * i, -40 + 90 * i), 60 + 8 * i, 60 + 8 * i);
    disk(p, QPointF(470, 250), 95 - 10 * sira);
    p.setPen(Qt::white);
    p.setFont(yazi(40));
    p.drawText(QRect(36, 50, 380, 140), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(e.ust));
    p.setPen(kSari);
    p.setFont(yazi(20, false));
    p.drawText(QRect(36, 210, 360, 110), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(e.alt));
    p.setBrush(kSari);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(36, 330, 190, 42), 8, 8);
    p.setPen(kLacivert);
    p.setFont(yazi(18));
    p.drawText(QRect(36, 330, 190, 42), Qt::AlignCenter, QStringLiteral("İncele »"));
    return im;
}

}  // namespace

void tanitimlariYaz(Baglam &b)
{
    Sorgu ayar(b.db, QStringLiteral("INSERT INTO ayar(anahtar, deger) VALUES(?, ?) "
                                    "ON CONFLICT(anahtar) DO UPDATE SET deger=excluded.deger"));
    ayar.bagla({QStringLiteral("kayan_yazi"),
                QStringLiteral("Yeni <b>kampanya</b> ürünlerimiz için <a href=\"#KAMPANYA#\">tıklayın</a> &bull; "
                               "<font color=\"#C00000\">Saat 16:00'ya kadar</font> verilen siparişler aynı gün kargoda &bull; "
                               "Fren balatalarında <b>%20</b> indirim")})
        .calistir();
    ayar.bagla({QStringLiteral("surum"), QStringLiteral("5")}).calistir();
    const std::pair<const char *, const char *> iletisim[] = {
        {"iletisim_firma", "Korvel Otomotiv Yedek Parça San. ve Tic. A.Ş."},
        {"iletisim_adres", "İkitelli OSB Mah. Atatürk Bulvarı No:12 Başakşehir / İstanbul"},
        {"iletisim_telefon", "0212 555 40 40"},
        {"iletisim_mail", "b2b@korvel.com.tr"},
    };
    for (const auto &[anahtar, deger] : iletisim)
        ayar.bagla({QString::fromLatin1(anahtar), QString::fromUtf8(deger)}).calistir();

    Sorgu banner(b.db, QStringLiteral("INSERT INTO banner(yer, resim, tip) VALUES(?, ?, ?)"));
    QVector<QImage> kareler;
    for (int i = 0; i < 3; ++i)
        kareler << ustBannerKaresi(i);
    banner.bagla({1, belge::gifAnimasyonYaz(kareler, 2500), QStringLiteral("GIF")}).calistir();
    banner.bagla({2, belge::gifYaz(seritBanner()), QStringLiteral("GIF")}).calistir();
    banner.bagla({3, kaydet(altBanner(), "BMP"), QStringLiteral("BMP")}).calistir();

    const Ekran ekranlar[] = {
        {"Kış Kampanyası", "Kış Kampanyası Başladı", "Akü, antifriz ve silecekte kampanyalı fiyatlar", "#KAMPANYA#",
         QColor(20, 70, 140)},
        {"Yeni Ürünler", "Yeni Ürünler Stoklarımızda", "Bu ay eklenen parçaları hemen inceleyin", "#YENİ#",
         QColor(20, 120, 70)},
        {"Fren Balatalarında Fırsat", "Fren Balatalarında Fırsat", "Ön ve arka balatalarda bayilere özel indirim",
         "FREN BALATASI", QColor(170, 30, 30)},
    };
    Sorgu ekran(b.db, QStringLiteral("INSERT INTO acilis_ekrani(sira, baslik, resim, arama, aktif) VALUES(?, ?, ?, ?, 1)"));
    int sira = 0;
    for (const Ekran &e : ekranlar) {
        ekran.bagla({sira + 1, QString::fromUtf8(e.baslik), kaydet(acilisResmi(e, sira), "JPG", 85), QString::fromUtf8(e.arama)})
            .calistir();
        ++sira;
    }
}

}  // namespace ks::demo
