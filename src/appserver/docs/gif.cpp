#include "gif.h"

#include <QHash>
#include <QPainter>

namespace ks::belge {

namespace {

void kelime(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

// Codes are packed least significant bit first.
class BitYazici {
public:
    explicit BitYazici(QByteArray &hedef) : b_(hedef) {}
    void yaz(int kod, int boy)
    {
        birikim_ |= quint32(kod) << dolu_;
        dolu_ += boy;
        while (dolu_ >= 8) {
            b_.append(char(birikim_ & 0xFF));
            birikim_ >>= 8;
            dolu_ -= 8;
        }
    }
    void bitir()
    {
        if (dolu_ > 0)
            b_.append(char(birikim_ & 0xFF));
        birikim_ = 0;
        dolu_ = 0;
    }

private:
    QByteArray &b_;
    quint32 birikim_ = 0;
    int dolu_ = 0;
};

// Opaque 8-bit indexed copy of the picture, at most 256 colours.
QImage indeksli(const QImage &kaynak, const QSize &boy)
{
    QImage r(boy, QImage::Format_RGB32);
    r.fill(Qt::white);
    {
        QPainter p(&r);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(0, 0), boy), kaynak);
    }
    return r.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
}

// Local colour table (padded to 256 entries), image descriptor and data of one frame.
void kareYaz(QByteArray &b, const QImage &ind)
{
    b.append(char(0x2C));
    kelime(b, 0);
    kelime(b, 0);
    kelime(b, ind.width());
    kelime(b, ind.height());
    b.append(char(0x80 | 0x07));   // local table of 2^(7+1) entries, not interlaced
    const QList<QRgb> renkler = ind.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < renkler.size() ? renkler[i] : qRgb(0, 0, 0);
        b.append(char(qRed(c)));
        b.append(char(qGreen(c)));
        b.append(char(qBlue(c)));
    }
    QByteArray indeksler;
    indeksler.reserve(ind.width() * ind.height());
    for (int y = 0; y < ind.height(); ++y)
        indeksler.append(reinterpret_cast<const char *>(ind.constScanLine(y)), ind.width());
    const int enKucuk = 8;
    b.append(char(enKucuk));
    const QByteArray veri = gifLzw(indeksler, enKucuk);
    for (qsizetype i = 0; i < veri.size(); i += 255) {
        const qsizetype n = qMin<qsizetype>(255, veri.size() - i);
        b.append(char(n));
        b.append(veri.constData() + i, n);
    }
    b.append(char(0));
}

QByteArray basYaz(const QSize &boy)
{
    QByteArray b("GIF89a");
    kelime(b, boy.width());
    kelime(b, boy.height());
    b.append(char(0x70));   // no global table, 8 bits of colour resolution
    b.append(char(0));      // background index
    b.append(char(0));      // square pixels
    return b;
}

QSize gecerliBoy(const QImage &r)
{
    // The format stores 16-bit sizes.
    return QSize(qBound(1, r.width(), 0xFFFF), qBound(1, r.height(), 0xFFFF));
}

}  // namespace

QByteArray gifLzw(const QByteArray &indeksler, int enKucuk)
{
    QByteArray cikti;
    BitYazici bit(cikti);
    const int temizle = 1 << enKucuk;
    const int son = temizle + 1;
    int boy = enKucuk + 1;
    int sonraki = son + 1;
    QHash<quint32, int> sozluk;   // (prefix code << 8 | byte) → code
    sozluk.reserve(4096);

    bit.yaz(temizle, boy);
    if (indeksler.isEmpty()) {
        bit.yaz(son, boy);
        bit.bitir();
        return cikti;
    }
    // The decoder adds one entry per code read and widens its codes when its
    // next free code reaches 2^boy; emitting with the same rule keeps both
    // sides in step.
    auto gonder = [&](int kod) {
        bit.yaz(kod, boy);
        if (sonraki >= (1 << boy) && boy < 12)
            ++boy;
    };
    int onek = quint8(indeksler[0]);
    for (qsizetype i = 1; i < indeksler.size(); ++i) {
        const int k = quint8(indeksler[i]);
        const quint32 anahtar = (quint32(onek) << 8) | quint32(k);
        const auto it = sozluk.constFind(anahtar);
        if (it != sozluk.constEnd()) {
            onek = it.value();
            continue;
        }
        gonder(onek);
        if (sonraki < 4096) {
            sozluk.insert(anahtar, sonraki++);
        } else {
            // Table full: start over with a clear code at the full width.
            bit.yaz(temizle, boy);
            sozluk.clear();
            boy = enKucuk + 1;
            sonraki = son + 1;
        }
        onek = k;
    }
    gonder(onek);
    bit.yaz(son, boy);
    bit.bitir();
    return cikti;
}

QByteArray gifYaz(const QImage &resim)
{
    const QSize boy = gecerliBoy(resim);
    QByteArray b = basYaz(boy);
    kareYaz(b, indeksli(resim, boy));
    b.append(char(0x3B));
    return b;
}

QByteArray gifAnimasyonYaz(const QVector<QImage> &kareler, int gecikmeMs)
{
    if (kareler.isEmpty())
        return {};
    if (kareler.size() == 1)
        return gifYaz(kareler.first());
    const QSize boy = gecerliBoy(kareler.first());
    QByteArray b = basYaz(boy);
    // NETSCAPE2.0 application block: loop forever.
    b.append(char(0x21));
    b.append(char(0xFF));
    b.append(char(11));
    b.append("NETSCAPE2.0");
    b.append(char(3));
    b.append(char(1));
    kelime(b, 0);
    b.append(char(0));
    const int yuzde = qBound(1, (gecikmeMs + 5) / 10, 0xFFFF);
    for (const QImage &k : kareler) {
        b.append(char(0x21));
        b.append(char(0xF9));
        b.append(char(4));
        b.append(char(0x04));   // each frame replaces the previous one whole
        kelime(b, yuzde);
        b.append(char(0));
        b.append(char(0));
        kareYaz(b, indeksli(k, boy));
    }
    b.append(char(0x3B));
    return b;
}

}  // namespace ks::belge
