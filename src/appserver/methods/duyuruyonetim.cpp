#include "duyuruyonetim.h"

#include "duyuru.h"
#include "store/depo.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstdio>

namespace ks {

namespace {

int hata(const QString &m)
{
    std::fprintf(stderr, "korvel-server: %s\n", qPrintable(m));
    return 1;
}

int kullanim(const char *k)
{
    std::fprintf(stderr, "usage: korvel-server admin %s\n", k);
    return 2;
}

void yaz(const QString &m) { std::printf("%s\n", m.toUtf8().constData()); }

// A null text binds as SQL NULL, which the settings and screens refuse.
QString metin(const QString &s) { return s.isNull() ? QStringLiteral("") : s; }

bool yerOku(const QString &s, int *yer)
{
    bool tamam = false;
    *yer = s.toInt(&tamam);
    return tamam && *yer >= 1 && *yer <= 3;
}

// Every frame of a picture file (an animated GIF gives several).
QVector<QImage> kareleriOku(const QString &yol, QString *neden)
{
    QImageReader r(yol);
    QVector<QImage> kareler;
    QImage k;
    while (r.read(&k)) {
        kareler << k;
        if (!r.supportsAnimation() || r.imageCount() <= int(kareler.size()))
            break;
    }
    if (kareler.isEmpty())
        *neden = QStringLiteral("%1 okunamadı: %2").arg(yol, r.errorString());
    return kareler;
}

}  // namespace

int yonetSurum(Depo &d, const QStringList &a)
{
    bool tamam = false;
    const int v = a.value(0).toInt(&tamam);
    if (a.size() != 1 || !tamam || v < 1)
        return kullanim("surum N   (N: positive whole number)");
    d.ayarYaz(QLatin1String(kAyarSurum), QString::number(v));
    yaz(QStringLiteral("surum=%1").arg(v));
    return 0;
}

int yonetKayanYazi(Depo &d, const QStringList &a)
{
    const QString html = metin(a.join(u' '));
    const QString neden = kayanYaziHatasi(html);
    if (!neden.isEmpty())
        return hata(QStringLiteral("kayan yazı okunamaz: %1").arg(neden));
    d.ayarYaz(QLatin1String(kAyarKayanYazi), html);
    yaz(html.trimmed().isEmpty() ? QStringLiteral("kayan yazı kaldırıldı") : QStringLiteral("kayan yazı: %1").arg(html));
    return 0;
}

int yonetBannerAyarla(Depo &d, const QStringList &a)
{
    int yer = 0;
    int gecikme = 2000;
    QStringList dosyalar;
    for (int i = 1; i < a.size(); ++i) {
        if (a[i] == QLatin1String("--gecikme")) {
            bool tamam = false;
            gecikme = a.value(++i).toInt(&tamam);
            if (!tamam || gecikme < 10)
                return kullanim("banner-ayarla N FILE [FILE…] [--gecikme MS]   (MS ≥ 10)");
        } else {
            dosyalar << a[i];
        }
    }
    if (!yerOku(a.value(0), &yer) || dosyalar.isEmpty())
        return kullanim("banner-ayarla N FILE [FILE…] [--gecikme MS]   (N: 1 header GIF, 2 strip GIF, 3 bottom BMP)");
    QVector<QImage> kareler;
    for (const QString &f : dosyalar) {
        QString neden;
        const QVector<QImage> k = kareleriOku(f, &neden);
        if (k.isEmpty())
            return hata(neden);
        kareler += k;
    }
    QString neden;
    const QByteArray resim = bannerResmi(yer, kareler, gecikme, &neden);
    if (resim.isEmpty())
        return hata(neden);
    Islem t(d);
    calistir(t.db(), QStringLiteral("INSERT INTO banner(yer, resim, tip) VALUES(?, ?, ?) "
                                    "ON CONFLICT(yer) DO UPDATE SET resim=excluded.resim, tip=excluded.tip"),
             {yer, resim, yer == 3 ? QStringLiteral("BMP") : QStringLiteral("GIF")});
    t.onayla();
    yaz(QStringLiteral("banner %1: %2 bayt %3, %4x%5, %6 kare")
            .arg(yer)
            .arg(resim.size())
            .arg(yer == 3 ? QStringLiteral("BMP") : QStringLiteral("GIF"))
            .arg(kareler.first().width())
            .arg(kareler.first().height())
            .arg(yer == 3 ? 1 : kareler.size()));
    return 0;
}

int yonetBannerSil(Depo &d, const QStringList &a)
{
    int yer = 0;
    if (a.size() != 1 || !yerOku(a[0], &yer))
        return kullanim("banner-sil N   (N: 1, 2 or 3)");
    Islem t(d);
    calistir(t.db(), QStringLiteral("DELETE FROM banner WHERE yer=?"), {yer});
    t.onayla();
    yaz(QStringLiteral("banner %1 kaldırıldı").arg(yer));
    return 0;
}

int yonetAcilisEkle(Depo &d, const QStringList &a)
{
    if (a.size() < 2 || a.size() > 3)
        return kullanim("acilis-ekle FILE TITLE [LINK]   (LINK: #KAMPANYA#, #YENİ#, a search text, or nothing)");
    QString neden;
    const QVector<QImage> k = kareleriOku(a[0], &neden);
    if (k.isEmpty())
        return hata(neden);
    const QByteArray jpeg = acilisResmi(k.first());
    if (jpeg.isEmpty())
        return hata(QStringLiteral("JPEG yazılamadı"));
    const QString arama = metin(baglantiNormal(a.value(2)));
    Islem t(d);
    Sorgu s(t.db(), QStringLiteral("INSERT INTO acilis_ekrani(sira, baslik, resim, arama, aktif) "
                                   "VALUES((SELECT COALESCE(MAX(sira), 0) + 1 FROM acilis_ekrani), ?, ?, ?, 1)"));
    s.bagla({metin(a[1]), jpeg, arama}).calistir();
    const qint64 no = s.sonEklenen();
    t.onayla();
    yaz(QStringLiteral("açılış ekranı %1: %2, %3 bayt JPEG, bağlantı: %4")
            .arg(no)
            .arg(a[1])
            .arg(jpeg.size())
            .arg(arama.isEmpty() ? QStringLiteral("yok") : arama));
    return 0;
}

int yonetAcilisSil(Depo &d, const QStringList &a)
{
    bool tamam = false;
    const int no = a.value(0).toInt(&tamam);
    if (a.size() != 1 || !tamam)
        return kullanim("acilis-sil NO   (NO as acilis-liste shows it)");
    Islem t(d);
    Sorgu s(t.db(), QStringLiteral("DELETE FROM acilis_ekrani WHERE id=?"));
    s.bagla(no).calistir();
    const int silinen = s.etkilenen();
    t.onayla();
    if (silinen == 0)
        return hata(QStringLiteral("açılış ekranı %1 yok").arg(no));
    yaz(QStringLiteral("açılış ekranı %1 kaldırıldı").arg(no));
    return 0;
}

int yonetAcilisListe(Depo &d, const QStringList &a)
{
    if (!a.isEmpty())
        return kullanim("acilis-liste");
    Sorgu s(d, QStringLiteral("SELECT id, sira, baslik, arama, length(resim), aktif FROM acilis_ekrani ORDER BY sira, id"));
    s.calistir();
    while (s.sonraki())
        yaz(QStringLiteral("%1\tsıra %2\t%3\t%4\t%5 bayt%6")
                .arg(s.deger(0).toInt())
                .arg(s.deger(1).toInt())
                .arg(s.deger(2).toString(), s.deger(3).toString().isEmpty() ? QStringLiteral("-") : s.deger(3).toString())
                .arg(s.deger(4).toInt())
                .arg(s.deger(5).toInt() ? QString() : QStringLiteral("\tpasif")));
    return 0;
}

int yonetKurulumDosyasi(Depo &d, const QStringList &a)
{
    if (a.size() != 1)
        return kullanim("kurulum-dosyasi FILE | --kaldir");
    if (a[0] == QLatin1String("--kaldir")) {
        d.ayarYaz(QLatin1String(kAyarKurulumDosyasi), metin(QString()));
        yaz(QStringLiteral("kurulum dosyası kaldırıldı"));
        return 0;
    }
    const QFileInfo f(a[0]);
    if (!f.isFile() || !f.isReadable())
        return hata(QStringLiteral("%1 okunabilir bir dosya değil").arg(a[0]));
    // The server may run in another folder: keep the absolute path.
    d.ayarYaz(QLatin1String(kAyarKurulumDosyasi), f.absoluteFilePath());
    yaz(QStringLiteral("kurulum dosyası: %1 (%2 bayt)").arg(f.absoluteFilePath()).arg(f.size()));
    return 0;
}

int yonetIletisim(Depo &d, const QStringList &a)
{
    static const QStringList alanlar = {QStringLiteral("firma"), QStringLiteral("adres"), QStringLiteral("telefon"),
                                        QStringLiteral("mail")};
    if (a.isEmpty() || !alanlar.contains(a[0]))
        return kullanim("iletisim firma|adres|telefon|mail TEXT…");
    const QString deger = metin(a.mid(1).join(u' ').trimmed());
    d.ayarYaz(QStringLiteral("iletisim_") + a[0], deger);
    yaz(QStringLiteral("%1: %2").arg(a[0], deger));
    return 0;
}

}  // namespace ks
