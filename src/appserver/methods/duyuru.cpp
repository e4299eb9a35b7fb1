// Notices and promotions: scrolling text, banners, opening screens, tab
// counters and the account warnings.

#include "duyuru.h"

#include "cari.h"
#include "docs/gif.h"
#include "fiyat.h"
#include "hesapgruplari.h"
#include "mobilstokunit.h"
#include "protocol/cagri.h"
#include "satirlar.h"
#include "store/depo.h"

#include <QBuffer>
#include <QImageWriter>

namespace ks {

QString baglantiNormal(const QString &arama)
{
    const QString t = arama.trimmed();
    QString k = t.toUpper();
    k.replace(QChar(0x0130), u'I');   // İ
    if (k == QLatin1String("#KAMPANYA#"))
        return QStringLiteral("#KAMPANYA#");
    if (k == QLatin1String("#YENI#"))
        return QStringLiteral("#YENİ#");
    return t;
}

QString kayanYaziHatasi(const QString &html)
{
    auto harfRakam = [](QChar c) { return c.isLetterOrNumber(); };
    QStringList acik;
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        if (html[i] != u'<') {
            ++i;
            continue;
        }
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype son = html.indexOf(QLatin1String("-->"), i + 4);
            if (son < 0)
                return QStringLiteral("Kapanmamış açıklama (<!--).");
            i = son + 3;
            continue;
        }
        if (i + 1 < n && html[i + 1] == u'/') {
            qsizetype j = i + 2;
            while (j < n && harfRakam(html[j]))
                ++j;
            const QString ad = html.mid(i + 2, j - i - 2).toUpper();
            while (j < n && html[j] == u' ')
                ++j;
            if (j >= n || html[j] != u'>')
                return QStringLiteral("Kapanış etiketi '>' ile bitmiyor: </%1").arg(ad);
            if (acik.isEmpty() || acik.last() != ad)
                return QStringLiteral("Beklenmeyen kapanış etiketi: </%1>").arg(ad);
            acik.removeLast();
            i = j + 1;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && harfRakam(html[j]))
            ++j;
        if (j == i + 1)
            return QStringLiteral("'<' işaretinden sonra etiket adı yok (metinde &lt; yazınız).");
        const QString ad = html.mid(i + 1, j - i - 1).toUpper();
        for (;;) {
            while (j < n && QStringLiteral(" \t\r\n").contains(html[j]))
                ++j;
            if (j >= n)
                return QStringLiteral("Etiket kapanmadan metin bitti: <%1").arg(ad);
            if (html[j] == u'>') {
                acik << ad;
                ++j;
                break;
            }
            if (html[j] == u'/') {
                if (j + 1 >= n || html[j + 1] != u'>')
                    return QStringLiteral("'/' işaretinden sonra '>' bekleniyor: <%1").arg(ad);
                j += 2;
                break;
            }
            const qsizetype adBas = j;
            while (j < n && harfRakam(html[j]))
                ++j;
            if (j == adBas)
                return QStringLiteral("Geçersiz öznitelik: <%1").arg(ad);
            while (j < n && QStringLiteral(" \t\r\n").contains(html[j]))
                ++j;
            if (j < n && html[j] == u'=') {
                ++j;
                while (j < n && html[j] == u' ')
                    ++j;
                if (j < n && (html[j] == u'"' || html[j] == u'\'')) {
                    const qsizetype son = html.indexOf(html[j], j + 1);
                    if (son < 0)
                        return QStringLiteral("Tırnağı kapanmamış değer: <%1").arg(ad);
                    j = son + 1;
                } else {
                    while (j < n && html[j] != u' ' && html[j] != u'>')
                        ++j;
                    if (j >= n)
                        return QStringLiteral("Değer metnin sonuna kadar sürüyor: <%1").arg(ad);
                }
            }
        }
        i = j;
    }
    if (!acik.isEmpty())
        return QStringLiteral("Kapanmamış etiket: <%1>").arg(acik.last());
    return QString();
}

QByteArray bannerResmi(int yer, const QVector<QImage> &resimler, int gecikmeMs, QString *hata)
{
    if (yer < 1 || yer > 3) {
        *hata = QStringLiteral("Banner yeri 1, 2 veya 3 olmalıdır.");
        return {};
    }
    if (resimler.isEmpty() || resimler.first().isNull()) {
        *hata = QStringLiteral("Resim okunamadı.");
        return {};
    }
    if (yer == 3) {
        if (resimler.size() > 1) {
            *hata = QStringLiteral("Alt banner (3) tek resimdir.");
            return {};
        }
        QByteArray b;
        QBuffer tampon(&b);
        tampon.open(QIODevice::WriteOnly);
        // A 24-bit bitmap: the client lays it on the scrolling strip as is.
        if (!resimler.first().convertToFormat(QImage::Format_RGB888).save(&tampon, "BMP")) {
            *hata = QStringLiteral("BMP yazılamadı.");
            return {};
        }
        return b;
    }
    return belge::gifAnimasyonYaz(resimler, gecikmeMs);
}

QByteArray acilisResmi(const QImage &resim)
{
    QImage r = resim.convertToFormat(QImage::Format_RGB32);
    if (r.width() > 1920)
        r = r.scaledToWidth(1920, Qt::SmoothTransformation);
    QByteArray b;
    QBuffer tampon(&b);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter w(&tampon, "JPEG");
    w.setQuality(88);
    if (!w.write(r))
        return {};
    return b;
}

QString hexYaz(const QByteArray &b) { return QString::fromLatin1(b.toHex().toUpper()); }

namespace {

using K = kw::KolonTipi;

QByteArray banner(const QSqlDatabase &db, int yer)
{
    Sorgu s(db, QStringLiteral("SELECT resim FROM banner WHERE yer=?"));
    s.bagla(yer).calistir();
    return s.sonraki() ? s.deger(0).toByteArray() : QByteArray();
}

int sayi(const QSqlDatabase &db, const QString &sql, std::initializer_list<QVariant> degerler = {})
{
    Sorgu s(db, sql);
    s.bagla(degerler).calistir();
    return s.sonraki() ? s.deger(0).toInt() : 0;
}

const QString kAcilisSql = QStringLiteral(
    "SELECT id, resim, baslik, arama FROM acilis_ekrani WHERE aktif=1 ORDER BY sira, id");

TAcilisEkran acilisEkrani(const Sorgu &s)
{
    TAcilisEkran e;
    e.setSiraNo(s.deger(0).toInt());
    e.setResim(hexYaz(s.deger(1).toByteArray()));
    e.setBaslik(s.deger(2).toString());
    e.setArama(s.deger(3).toString());
    return e;
}

// One row of tab counters: basket lines, new items, campaign items,
// announcements, open balance lines (the last a float, by position). The
// new and campaign counts are the rows those tabs list for the dealer.
kw::Tablo balonlar(const QSqlDatabase &db, const Ortam &o, const TSonucBilgisi &b)
{
    const int carino = b.CARINO();
    kw::Tablo t;
    t.kolonlar = {{"SEPET", K::Int32}, {"YENI", K::Int32}, {"KAMPANYALI", K::Int32}, {"DUYURU", K::Int32},
                  {"BAKIYE", K::Double}};
    const int sepet = sayi(db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE cari_id=?"), {carino});
    const int yeni = qMin(o.listeSiniri, sayi(db, QStringLiteral("SELECT COUNT(*) FROM stok WHERE yeni=1")));
    // Type 4 users, and dealers that get no campaign prices, see no campaigns.
    bool kampanyaGorur = b.MusteriTipi() != 4;
    if (kampanyaGorur) {
        try {
            kampanyaGorur = cariFiyatBul(db, carino).kampanyaGorur;
        } catch (const IslemHatasi &) {
            // A session without a dealer yet: the general list.
        }
    }
    const int kampanya = kampanyaGorur ? qMin(o.listeSiniri, sayi(db, QStringLiteral(
                                                                    "SELECT COUNT(*) FROM stok WHERE kampanya=1 AND kampfiyat > 0")))
                                       : 0;
    const int duyuru = sayi(db, QStringLiteral("SELECT COUNT(*) FROM acilis_ekrani WHERE aktif=1"));
    const int bakiye = sayi(db, QStringLiteral("SELECT COUNT(*) FROM siparis_satir ss JOIN siparis s ON s.id=ss.siparis_id "
                                               "WHERE s.cari_id=? AND ss.iptal=0 AND ss.teslim < ss.miktar AND s.durum < 7"),
                            {carino});
    t.satirEkle({sepet, yeni, kampanya, duyuru, double(bakiye)});
    return t;
}

QString cariDurumu(const QSqlDatabase &db, int carino)
{
    Sorgu s(db, QStringLiteral("SELECT kod, adi FROM cari WHERE id=?"));
    s.bagla(carino).calistir();
    if (!s.sonraki())
        return QString();
    const QVector<CariHareket> h = cariHareketleri(db, carino);
    const CariToplam t = cariToplam(h);
    const VadeOzeti v = vadesiGecenler(acikBorclar(h), QDate::currentDate());
    QString m = QStringLiteral("%1 - %2 | Bakiye: %3 TL").arg(s.deger(0).toString(), s.deger(1).toString(),
                                                              tlYaz(qAbs(t.bakiye)));
    if (!bakiyeYonu(t.bakiye).isEmpty())
        m += u' ' + bakiyeYonu(t.bakiye);
    m += QStringLiteral(" | Vadesi geçen: %1 TL").arg(tlYaz(v.tutar));
    return m;
}

}  // namespace

void duyuruMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    Depo &depo = o.depo;

    d.kaydet("KayanYaziGetir", [&depo](Cagri &c) { c.sonuc(depo.ayar(QLatin1String(kAyarKayanYazi))); });

    static const char *const kBannerlar[] = {"BannerResimVer", "BannerResimVer2", "BannerResimVer3"};
    for (int yer = 1; yer <= 3; ++yer)
        d.kaydet(kBannerlar[yer - 1], [&depo, yer](Cagri &c) {
            const QByteArray b = banner(depo.db(), yer);
            c.cikti("size", qint64(b.size()));
            c.sonuc(b);
        });

    d.kaydet("AcilisReklamAdet", [&depo](Cagri &c) {
        c.sonuc(qint32(sayi(depo.db(), QStringLiteral("SELECT COUNT(*) FROM acilis_ekrani WHERE aktif=1"))));
    });

    // The position counts from 0; nil beyond the last screen.
    d.kaydet("AcilisREklamVer", [&depo](Cagri &c) {
        const int sira = c.tamsayi("sira");
        std::shared_ptr<TAcilisEkran> e;
        if (sira >= 0) {
            Sorgu s(depo.db(), kAcilisSql + QStringLiteral(" LIMIT 1 OFFSET ?"));
            s.bagla(sira).calistir();
            if (s.sonraki())
                e = std::make_shared<TAcilisEkran>(acilisEkrani(s));
        }
        c.sonuc(kw::Nesne(e));
    });

    d.kaydet("AcilisEkranlarVer2", [&depo](Cagri &c) {
        Sorgu s(depo.db(), kAcilisSql);
        s.calistir();
        std::vector<TAcilisEkran> ekranlar;
        while (s.sonraki())
            ekranlar.push_back(acilisEkrani(s));
        auto r = std::make_shared<TAcilisEkranlariki>();
        r->setEkranlar(std::move(ekranlar));
        c.sonuc(kw::Nesne(r));
    });

    d.kaydet("BalonGetir", [&o](Cagri &c) { c.sonuc(balonlar(o.depo.db(), o, c.bilgiGerekli("bil"))); });

    d.kaydet("CariDurumVer", [&depo](Cagri &c) { c.sonuc(cariDurumu(depo.db(), c.tamsayi("carino"))); });

    d.kaydet("CariVadeGunGecmismiBul", [&depo](Cagri &c) {
        const QVector<CariHareket> h = cariHareketleri(depo.db(), c.tamsayi("carino"));
        c.sonuc(vadeUyarisi(vadesiGecenler(acikBorclar(h), QDate::currentDate())));
    });
}

}  // namespace ks
