#include "stokresmi.h"

#include "methods/stokarama.h"
#include "store/depo.h"

#include <QBuffer>
#include <QHash>
#include <QLinearGradient>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <list>

namespace ks {

namespace {

enum class Bicim { Disk, Balata, Filtre, Amortisor, Kayis, Lamba, Motor, Bidon, Radyator, Hortum, Aku, Rulman, Disli };

Bicim bicimBul(const StokResmiBilgisi &b)
{
    const QString a = aramaKatla(b.adi);
    const struct { const char *kelime; Bicim bicim; } tablo[] = {
        {"DISK", Bicim::Disk},        {"BALATA", Bicim::Balata},       {"FILTRE", Bicim::Filtre},
        {"AMORTISOR", Bicim::Amortisor}, {"YAY", Bicim::Amortisor},    {"KAYIS", Bicim::Kayis},
        {"SUPURGE", Bicim::Kayis},    {"FAR", Bicim::Lamba},           {"LAMBA", Bicim::Lamba},
        {"BUJI", Bicim::Lamba},       {"SENSOR", Bicim::Lamba},        {"POMPA", Bicim::Motor},
        {"MOTORU", Bicim::Motor},     {"ALTERNATOR", Bicim::Motor},    {"KOMPRESOR", Bicim::Motor},
        {"YAG", Bicim::Bidon},        {"ANTIFRIZ", Bicim::Bidon},      {"RADYATOR", Bicim::Radyator},
        {"HORTUM", Bicim::Hortum},    {"TELI", Bicim::Hortum},         {"AKU", Bicim::Aku},
        {"RULMAN", Bicim::Rulman},
    };
    for (const auto &t : tablo)
        if (a.contains(QLatin1String(t.kelime)))
            return t.bicim;
    return Bicim::Disli;
}

// The part in a 200 × 200 box centred on the origin.
QPainterPath silUet(Bicim b, QRandomGenerator &r)
{
    QPainterPath p;
    p.setFillRule(Qt::OddEvenFill);
    switch (b) {
    case Bicim::Disk: {
        p.addEllipse(QPointF(0, 0), 95, 95);
        p.addEllipse(QPointF(0, 0), 30, 30);
        const int n = 4 + r.bounded(3);
        for (int i = 0; i < n; ++i) {
            const double a = 2 * M_PI * i / n;
            p.addEllipse(QPointF(45 * std::cos(a), 45 * std::sin(a)), 6, 6);
        }
        break;
    }
    case Bicim::Balata: {
        QPainterPath g;
        g.moveTo(-95, -20);
        g.cubicTo(-40, -60, 40, -60, 95, -20);
        g.lineTo(80, 45);
        g.cubicTo(30, 25, -30, 25, -80, 45);
        g.closeSubpath();
        p.addPath(g);
        p.addRect(-10, -70, 20, 18);
        break;
    }
    case Bicim::Filtre:
        p.addRoundedRect(-60, -90, 120, 170, 14, 14);
        p.addRoundedRect(-45, -100, 90, 14, 5, 5);
        break;
    case Bicim::Amortisor:
        p.addRoundedRect(-22, -100, 44, 120, 8, 8);
        p.addRect(-8, 20, 16, 70);
        p.addEllipse(QPointF(0, -100), 16, 16);
        p.addEllipse(QPointF(0, 95), 14, 14);
        break;
    case Bicim::Kayis:
        p.addRoundedRect(-95, -50, 190, 100, 50, 50);
        p.addRoundedRect(-80, -35, 160, 70, 35, 35);
        break;
    case Bicim::Lamba:
        p.addEllipse(QPointF(-10, 0), 70, 60);
        p.addRoundedRect(50, -25, 50, 50, 6, 6);
        break;
    case Bicim::Motor:
        p.addRoundedRect(-80, -55, 130, 110, 18, 18);
        p.addEllipse(QPointF(70, 0), 30, 30);
        p.addEllipse(QPointF(70, 0), 10, 10);
        break;
    case Bicim::Bidon:
        p.addRoundedRect(-60, -70, 120, 160, 12, 12);
        p.addRect(-18, -95, 36, 25);
        break;
    case Bicim::Radyator:
        p.addRect(-95, -65, 190, 130);
        for (int i = -80; i <= 80; i += 14)
            p.addRect(i, -55, 6, 110);
        break;
    case Bicim::Hortum: {
        QPainterPath yol;
        yol.moveTo(-90, 60);
        yol.cubicTo(-40, -90, 40, 90, 90, -60);
        QPainterPathStroker s;
        s.setWidth(26);
        s.setCapStyle(Qt::RoundCap);
        p.addPath(s.createStroke(yol));
        break;
    }
    case Bicim::Aku:
        p.addRoundedRect(-90, -50, 180, 110, 8, 8);
        p.addRect(-65, -68, 24, 18);
        p.addRect(41, -68, 24, 18);
        break;
    case Bicim::Rulman:
        p.addEllipse(QPointF(0, 0), 90, 90);
        p.addEllipse(QPointF(0, 0), 40, 40);
        for (int i = 0; i < 10; ++i) {
            const double a = 2 * M_PI * i / 10;
            p.addEllipse(QPointF(65 * std::cos(a), 65 * std::sin(a)), 11, 11);
        }
        break;
    case Bicim::Disli: {
        const int dis = 10 + r.bounded(8);
        QPolygonF c;
        for (int i = 0; i < dis * 2; ++i) {
            const double a = M_PI * i / dis;
            const double yaricap = i % 2 ? 75 : 92;
            c << QPointF(yaricap * std::cos(a), yaricap * std::sin(a));
        }
        p.addPolygon(c);
        p.closeSubpath();
        p.addEllipse(QPointF(0, 0), 25, 25);
        break;
    }
    }
    return p;
}

QColor parcaRengi(Bicim b, QRandomGenerator &r)
{
    static const QColor renkler[] = {QColor(70, 74, 82), QColor(120, 124, 130), QColor(36, 38, 44),
                                     QColor(178, 34, 34), QColor(30, 90, 160),  QColor(200, 150, 40)};
    if (b == Bicim::Disk || b == Bicim::Rulman)
        return QColor(150, 154, 160);
    return renkler[r.bounded(int(std::size(renkler)))];
}

void yaziYaz(QPainter &p, const QRectF &alan, const QString &metin, int boy, bool kalin, Qt::Alignment h,
             const QColor &renk)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(boy);
    f.setBold(kalin);
    p.setFont(f);
    p.setPen(renk);
    p.drawText(alan, int(h | Qt::AlignVCenter | Qt::TextSingleLine), QFontMetrics(f).elidedText(metin, Qt::ElideRight, int(alan.width())));
}

}  // namespace

QImage stokResmiCiz(const StokResmiBilgisi &b, int no, QSize boyut)
{
    QImage img(boyut, QImage::Format_RGB32);
    QRandomGenerator r(quint32(b.id) * 2654435761u + 17);
    const Bicim bicim = bicimBul(b);
    const QPainterPath sil = silUet(bicim, r);
    const QColor renk = parcaRengi(bicim, r);
    const double w = boyut.width(), h = boyut.height();
    const double serit = h * 0.16;   // the caption bar at the bottom

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient zemin(0, 0, 0, h);
    zemin.setColorAt(0, no == 3 ? QColor(236, 242, 250) : QColor(252, 252, 252));
    zemin.setColorAt(1, no == 3 ? QColor(214, 226, 242) : QColor(222, 224, 228));
    p.fillRect(img.rect(), zemin);

    const double olcek = qMin(w, h - serit) / 260.0;
    const QPointF merkez(w / 2, (h - serit) / 2);

    p.save();
    p.translate(merkez);
    p.scale(olcek, olcek);
    switch (no) {
    case 2: {
        p.rotate(-18);
        p.shear(0.15, 0);
        p.fillPath(sil.translated(10, 14), QColor(0, 0, 0, 60));
        QRadialGradient g(QPointF(-40, -40), 180);
        g.setColorAt(0, renk.lighter(170));
        g.setColorAt(1, renk.darker(130));
        p.fillPath(sil, g);
        p.setPen(QPen(renk.darker(200), 2));
        p.drawPath(sil);
        break;
    }
    case 3: {
        p.setPen(QPen(QColor(20, 60, 140), 2.5));
        p.drawPath(sil);
        const QRectF k = sil.boundingRect();
        p.setPen(QPen(QColor(20, 60, 140), 1, Qt::DashLine));
        p.drawLine(QPointF(k.left(), k.bottom() + 14), QPointF(k.right(), k.bottom() + 14));
        p.drawLine(QPointF(k.right() + 14, k.top()), QPointF(k.right() + 14, k.bottom()));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(11);
        p.setFont(f);
        p.drawText(QPointF(k.center().x() - 20, k.bottom() + 28), QStringLiteral("%1 mm").arg(int(k.width() * 1.1)));
        p.drawText(QPointF(k.right() + 18, k.center().y()), QStringLiteral("%1 mm").arg(int(k.height() * 1.1)));
        break;
    }
    case 4: {
        const QRectF kutu(-120, -105, 240, 210);
        p.fillRect(kutu, QColor(196, 160, 110));
        p.setPen(QPen(QColor(120, 90, 50), 2));
        p.drawRect(kutu);
        p.fillRect(QRectF(-110, -95, 220, 40), QColor(255, 255, 255));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRectF(-110, -95, 220, 40), Qt::AlignCenter, b.marka.isEmpty() ? b.barkod : b.marka);
        p.translate(0, 30);
        p.scale(0.55, 0.55);
        p.fillPath(sil, renk);
        break;
    }
    default: {
        QLinearGradient g(-100, -100, 100, 100);
        g.setColorAt(0, renk.lighter(150));
        g.setColorAt(1, renk.darker(120));
        p.fillPath(sil, g);
        p.setPen(QPen(renk.darker(180), 2));
        p.drawPath(sil);
        break;
    }
    }
    p.restore();

    // Caption: code and make, then the description.
    const QRectF bar(0, h - serit, w, serit);
    p.fillRect(bar, QColor(61, 65, 74));
    const double pay = w * 0.03;
    yaziYaz(p, QRectF(pay, h - serit, w * 0.6, serit / 2), b.barkod, int(serit * 0.3), true, Qt::AlignLeft, Qt::white);
    yaziYaz(p, QRectF(w * 0.6, h - serit, w * 0.4 - pay, serit / 2), b.marka, int(serit * 0.3), true, Qt::AlignRight,
            QColor(251, 184, 36));
    yaziYaz(p, QRectF(pay, h - serit / 2, w - 2 * pay, serit / 2), (b.adi + QStringLiteral("  ") + b.model).trimmed(),
            int(serit * 0.24), false, Qt::AlignLeft, QColor(230, 230, 230));
    yaziYaz(p, QRectF(pay, pay * 0.5, w - 2 * pay, serit * 0.35), QStringLiteral("%1 / 4").arg(no), int(serit * 0.2),
            false, Qt::AlignRight, QColor(120, 120, 120));
    p.end();
    return img;
}

namespace {

// A small LRU of encoded pictures. The key holds everything the drawing
// depends on, so a changed item never gets a stale picture.
class ResimOnbellegi {
public:
    std::optional<KodlanmisResim> al(const QString &anahtar)
    {
        QMutexLocker l(&m_);
        auto it = indeks_.find(anahtar);
        if (it == indeks_.end())
            return std::nullopt;
        liste_.splice(liste_.begin(), liste_, it.value());
        return liste_.front().second;
    }

    void koy(const QString &anahtar, const KodlanmisResim &r)
    {
        QMutexLocker l(&m_);
        if (indeks_.contains(anahtar))
            return;
        liste_.emplace_front(anahtar, r);
        indeks_.insert(anahtar, liste_.begin());
        bayt_ += r.veri.size();
        while (bayt_ > kEnCokBayt && liste_.size() > 1) {
            bayt_ -= liste_.back().second.veri.size();
            indeks_.remove(liste_.back().first);
            liste_.pop_back();
        }
    }

private:
    static constexpr qint64 kEnCokBayt = 24 * 1024 * 1024;
    QMutex m_;
    std::list<std::pair<QString, KodlanmisResim>> liste_;
    QHash<QString, std::list<std::pair<QString, KodlanmisResim>>::iterator> indeks_;
    qint64 bayt_ = 0;
};

ResimOnbellegi &onbellek()
{
    static ResimOnbellegi o;
    return o;
}

struct Kayit {
    StokResmiBilgisi b;
    int resimSayisi = 0;
};

std::optional<Kayit> stokBul(const Depo &d, int id)
{
    Sorgu s(d, QStringLiteral("SELECT barkod, adi, marka, model, anagrup, resim_sayisi FROM stok WHERE id = ?"));
    s.bagla(id).calistir();
    if (!s.sonraki())
        return std::nullopt;
    Kayit k;
    k.b = {id, s.deger(0).toString(), s.deger(1).toString(), s.deger(2).toString(), s.deger(3).toString(),
           s.deger(4).toString()};
    k.resimSayisi = s.deger(5).toInt();
    return k;
}

KodlanmisResim kodla(const QImage &img, const char *bicim, const char *tip)
{
    KodlanmisResim r;
    QBuffer buf(&r.veri);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, bicim, qstrcmp(bicim, "JPEG") == 0 ? 88 : -1);
    r.icerikTipi = tip;
    return r;
}

std::optional<KodlanmisResim> hazirla(const Depo &d, int id, int no, bool buyuk)
{
    const std::optional<Kayit> k = stokBul(d, id);
    if (!k || no < 1 || no > k->resimSayisi)
        return std::nullopt;
    const StokResmiBilgisi &b = k->b;
    const QString anahtar = QStringList{QString::number(id), QString::number(no), buyuk ? QStringLiteral("B") : QString(),
                                        b.barkod, b.adi, b.marka, b.model, b.anagrup}
                                .join(QChar(0x1f));
    if (auto r = onbellek().al(anahtar))
        return r;
    KodlanmisResim r;
    if (buyuk) {
        r = kodla(stokResmiCiz(b, no, QSize(1024, 768)), "JPEG", "image/jpeg");
    } else {
        const QImage img = stokResmiCiz(b, no, QSize(640, 480));
        switch (no) {
        case 2: r = kodla(img, "PNG", "image/png"); break;
        case 3: r = kodla(img, "BMP", "image/bmp"); break;
        default: r = kodla(img, "JPEG", "image/jpeg"); break;
        }
    }
    onbellek().koy(anahtar, r);
    return r;
}

}  // namespace

std::optional<KodlanmisResim> stokResmi(const Depo &d, int id, int no) { return hazirla(d, id, no, false); }

QByteArray stokBuyukResmi(const Depo &d, int id)
{
    const std::optional<KodlanmisResim> r = hazirla(d, id, 1, true);
    return r ? r->veri : QByteArray();
}

}  // namespace ks
