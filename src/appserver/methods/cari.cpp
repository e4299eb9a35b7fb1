#include "cari.h"

#include "fiyat.h"
#include "protocol/cagri.h"
#include "store/depo.h"

#include <QLocale>
#include <algorithm>

namespace ks {

QString tlYaz(double tutar)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    const double y = yuvarla(tutar);
    return tr.toString(y == 0 ? 0.0 : y, 'f', 2);
}

QString siparisDurumAdi(int durum)
{
    switch (durum) {
    case 1: return QStringLiteral("Alındı");
    case 2: return QStringLiteral("Görüldü");
    case 3: return QStringLiteral("Onaylandı");
    case 4: return QStringLiteral("Parçalı Hazırlandı");
    case 5: return QStringLiteral("Hazırlandı");
    case 6: return QStringLiteral("Sevk Edildi");
    case 7: return QStringLiteral("Kapandı");
    }
    return QString();
}

Yetki yetkiAl(const QSqlDatabase &db, int kullaniciId)
{
    Sorgu s(db, QStringLiteral("SELECT id, tip, COALESCE(temsilci_id, 0), COALESCE(cari_id, 0), adi, aktif "
                               "FROM kullanici WHERE id=?"));
    s.bagla(kullaniciId).calistir();
    if (!s.sonraki())
        throw IslemHatasi(QStringLiteral("Oturum geçersiz: kullanıcı bulunamadı."));
    if (s.deger(5).toInt() == 0)
        throw IslemHatasi(QStringLiteral("Kullanıcı aktif değil."));
    Yetki y;
    y.kullaniciId = s.deger(0).toInt();
    y.tip = s.deger(1).toInt();
    y.temsilciId = s.deger(2).toInt();
    y.cariId = s.deger(3).toInt();
    y.adi = s.deger(4).toString();
    return y;
}

Yetki yetkiAl(const QSqlDatabase &db, const TSonucBilgisi &bilgi) { return yetkiAl(db, bilgi.Sirano()); }

QString kapsamKosulu()
{
    return QStringLiteral("(? = 1 OR (? > 0 AND c.temsilci_id = ?) OR c.id = ?)");
}

void kapsamBagla(Sorgu &s, const Yetki &y)
{
    const bool hepsi = y.tip == 2;
    const int temsilci = y.tip == 1 ? y.temsilciId : 0;
    const int cari = y.tip >= 3 ? y.cariId : -1;
    s.bagla({hepsi ? 1 : 0, temsilci, temsilci, cari});
}

bool kapsamda(const QSqlDatabase &db, const Yetki &y, int carino)
{
    Sorgu s(db, QStringLiteral("SELECT 1 FROM cari c WHERE c.id=? AND ") + kapsamKosulu());
    s.bagla(carino);
    kapsamBagla(s, y);
    s.calistir();
    return s.sonraki();
}

QVector<CariHareket> cariHareketleri(const QSqlDatabase &db, int carino)
{
    Sorgu s(db, QStringLiteral("SELECT tarih, vade, borc, alacak, evrakno FROM cari_hareket "
                               "WHERE cari_id=? ORDER BY tarih, id"));
    s.bagla(carino).calistir();
    QVector<CariHareket> r;
    while (s.sonraki()) {
        CariHareket h;
        h.tarih = QDate::fromString(s.deger(0).toString().left(10), Qt::ISODate);
        h.vade = QDate::fromString(s.deger(1).toString().left(10), Qt::ISODate);
        if (!h.vade.isValid())
            h.vade = h.tarih;
        h.borc = s.deger(2).toDouble();
        h.alacak = s.deger(3).toDouble();
        h.evrak = s.deger(4).toString();
        r.push_back(h);
    }
    return r;
}

QVector<AcikBorc> acikBorclar(const QVector<CariHareket> &hareketler)
{
    QVector<AcikBorc> borclar;
    double odenen = 0;
    for (const CariHareket &h : hareketler) {
        const double net = h.borc - h.alacak;
        if (net > 0)
            borclar.push_back({h.tarih, h.vade, net, h.evrak});
        else
            odenen -= net;
    }
    std::stable_sort(borclar.begin(), borclar.end(), [](const AcikBorc &a, const AcikBorc &b) {
        return a.vade != b.vade ? a.vade < b.vade : a.tarih < b.tarih;
    });
    QVector<AcikBorc> acik;
    for (AcikBorc b : borclar) {
        const double kapanan = std::min(odenen, b.kalan);
        odenen -= kapanan;
        b.kalan = yuvarla(b.kalan - kapanan);
        if (b.kalan > 0)
            acik.push_back(b);
    }
    return acik;
}

VadeOzeti vadesiGecenler(const QVector<AcikBorc> &borclar, const QDate &bugun)
{
    VadeOzeti o;
    for (const AcikBorc &b : borclar) {
        if (!(b.vade < bugun))
            continue;
        ++o.adet;
        o.tutar = yuvarla(o.tutar + b.kalan);
        o.enEskiGun = std::max(o.enEskiGun, int(b.vade.daysTo(bugun)));
    }
    return o;
}

QString vadeUyarisi(const VadeOzeti &o)
{
    if (o.adet == 0 || o.tutar <= 0)
        return QString();
    return QStringLiteral("Vadesi geçmiş %1 belge, toplam %2 TL (en eski %3 gün gecikmiş). Lütfen ödemenizi yapınız.")
        .arg(o.adet)
        .arg(tlYaz(o.tutar))
        .arg(o.enEskiGun);
}

CariToplam cariToplam(const QVector<CariHareket> &hareketler)
{
    CariToplam t;
    for (const CariHareket &h : hareketler) {
        t.borc = yuvarla(t.borc + h.borc);
        t.alacak = yuvarla(t.alacak + h.alacak);
    }
    t.bakiye = yuvarla(t.borc - t.alacak);
    return t;
}

QString bakiyeYonu(double bakiye)
{
    if (bakiye > 0)
        return QStringLiteral("Borçlu");
    if (bakiye < 0)
        return QStringLiteral("Alacaklı");
    return QString();
}

// Only the last four digits of a card number are shown, in groups of four.
QString kartNoMaskele(const QString &kartNo)
{
    // Stored numbers may already be masked ("454360******1234"): a masked
    // place still counts as a digit.
    QString rakamlar;
    for (QChar c : kartNo)
        if (c.isDigit() || c == u'*' || c == u'X' || c == u'x')
            rakamlar += c.isDigit() ? c : QChar(u'*');
    const int n = int(rakamlar.size());
    const QString son4 = rakamlar.right(4);
    bool sonRakam = n >= 4;
    for (QChar c : son4)
        sonRakam = sonRakam && c.isDigit();
    const QString m = sonRakam ? QString(n - 4, u'*') + son4 : QStringLiteral("****************");
    QString gruplu;
    for (int i = 0; i < m.size(); ++i) {
        if (i > 0 && (m.size() - i) % 4 == 0)
            gruplu += u' ';
        gruplu += m[i];
    }
    return gruplu;
}

}  // namespace ks
