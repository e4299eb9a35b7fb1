// The dealer's basket: lines with their selection marks and amounts.

#include "katalogkayit.h"
#include "satirlar.h"
#include "store/depo.h"

#include <QDateTime>
#include <cmath>

namespace ks {

namespace {

constexpr double kEnCokMiktar = 1'000'000;
constexpr double kEnCokFiyat = 1'000'000'000;

// The values of a line as SepetEkle2 and SepetGuncelle2 send them, checked.
struct SatirGirdisi {
    int carino = 0, stokno = 0, verenid = 0;
    double miktar = 0, fiyat = 0, kdv = 0;
    Oranlar oranlar{};
};

SatirGirdisi satirGirdisi(const Cagri &c)
{
    SatirGirdisi g;
    g.carino = c.tamsayi("carino");
    g.stokno = c.tamsayi("stokno");
    g.verenid = c.tamsayi("verenid");
    g.miktar = c.ondalik("miktar");
    g.fiyat = c.ondalik("fiyat");
    g.kdv = c.ondalik("kdv");
    g.oranlar = {c.ondalik("ind1"), c.ondalik("ind2"), c.ondalik("ind3"), c.ondalik("ind4")};
    // The codec refuses non-finite numbers; the ranges are ours.
    if (!(g.miktar > 0) || g.miktar > kEnCokMiktar)
        throw IslemHatasi(QStringLiteral("Geçersiz miktar: %1 (0'dan büyük, en çok 1.000.000 olmalı)").arg(g.miktar));
    if (!(g.fiyat >= 0) || g.fiyat > kEnCokFiyat)
        throw IslemHatasi(QStringLiteral("Geçersiz birim fiyat: %1").arg(g.fiyat));
    if (!(g.kdv >= 0) || g.kdv > 100)
        throw IslemHatasi(QStringLiteral("Geçersiz KDV oranı: %1").arg(g.kdv));
    // A rate of 0 or below gives no discount (the client skips it as well);
    // a rate below −100 or above 100 is no rate at all.
    for (double x : g.oranlar)
        if (!(x >= -100 && x <= 100))
            throw IslemHatasi(QStringLiteral("Geçersiz indirim oranı: %1 (-100 ile 100 arasında olmalı)").arg(x));
    return g;
}

QVariant verenKontrol(const QSqlDatabase &db, int verenid)
{
    if (verenid == 0)
        return QVariant(QMetaType(QMetaType::Int));
    Sorgu s(db, QStringLiteral("SELECT 1 FROM kullanici WHERE id = ?"));
    s.bagla(verenid).calistir();
    if (!s.sonraki())
        throw IslemHatasi(QStringLiteral("Kullanıcı bulunamadı (%1)").arg(verenid));
    return verenid;
}

QString simdi() { return QDateTime::currentDateTime().toString(Qt::ISODate); }

kw::Tablo sepet(const Depo &d, int carino)
{
    const QSqlDatabase db = d.db();
    kw::Tablo t;
    t.kolonlar = sepetKolonlari();
    {
        Sorgu s(db, sepetSatirSecimi() + QStringLiteral("WHERE sp.cari_id = ? ORDER BY sp.id"));
        s.bagla(carino).calistir();
        while (s.sonraki())
            sepetSatiriEkle(t, satirOku(s));
    }
    // Lines prove the account; an empty basket may belong to none.
    if (t.satirSayisi() == 0)
        cariFiyatBul(db, carino);
    return t;
}

// A new line. An item already in the basket gets a line of its own: the
// client changes an existing line instead of adding one, and two lines
// with different prices or rates must not be merged silently.
int sepeteEkle(const Depo &d, const Cagri &c)
{
    const SatirGirdisi g = satirGirdisi(c);
    Islem t(d);
    cariFiyatBul(t.db(), g.carino);
    // The VAT rate is the item's own; the client sends it rounded.
    Sorgu s(t.db(), QStringLiteral("SELECT kdv FROM stok WHERE id = ?"));
    s.bagla(g.stokno).calistir();
    if (!s.sonraki())
        throw IslemHatasi(QStringLiteral("Stok bulunamadı (%1)").arg(g.stokno));
    const double kdv = s.deger(0).toDouble();
    const QVariant veren = verenKontrol(t.db(), g.verenid);
    calistir(t.db(),
             QStringLiteral("INSERT INTO sepet(cari_id, stok_id, miktar, birimfiyat, ind1, ind2, ind3, ind4, kdv, sec, "
                            "veren_id, verilis) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)"),
             {g.carino, g.stokno, g.miktar, g.fiyat, g.oranlar[0], g.oranlar[1], g.oranlar[2], g.oranlar[3], kdv, veren,
              simdi()});
    t.onayla();
    return 1;
}

// Changes quantity, price and rates of the line `_sepetsirano`; the line
// alone identifies it (the client sends stock number 0).
int sepetGuncelle(const Depo &d, const Cagri &c)
{
    const SatirGirdisi g = satirGirdisi(c);
    const int sirano = c.tamsayi("_sepetsirano");
    Islem t(d);
    const QVariant veren = verenKontrol(t.db(), g.verenid);
    Sorgu s(t.db(), QStringLiteral("UPDATE sepet SET miktar = ?, birimfiyat = ?, ind1 = ?, ind2 = ?, ind3 = ?, ind4 = ?, "
                                   "veren_id = COALESCE(?, veren_id) WHERE id = ?"));
    s.bagla({g.miktar, g.fiyat, g.oranlar[0], g.oranlar[1], g.oranlar[2], g.oranlar[3], veren, sirano}).calistir();
    if (s.etkilenen() != 1)
        throw IslemHatasi(QStringLiteral("Sepet satırı bulunamadı (%1)").arg(sirano));
    t.onayla();
    return 1;
}

int satirSil(const Depo &d, int sirano)
{
    Islem t(d);
    Sorgu s(t.db(), QStringLiteral("DELETE FROM sepet WHERE id = ?"));
    s.bagla(sirano).calistir();
    if (s.etkilenen() != 1)
        throw IslemHatasi(QStringLiteral("Sepet satırı bulunamadı (%1)").arg(sirano));
    t.onayla();
    return 1;
}

int hepsiniSil(const Depo &d, int carino)
{
    Islem t(d);
    cariFiyatBul(t.db(), carino);
    calistir(t.db(), QStringLiteral("DELETE FROM sepet WHERE cari_id = ?"), {carino});
    t.onayla();
    return 1;
}

void secimGuncelle(const Depo &d, int sirano, int secim)
{
    if (secim != 0 && secim != 1)
        throw IslemHatasi(QStringLiteral("Geçersiz seçim: %1 (0 ya da 1 olmalı)").arg(secim));
    Islem t(d);
    Sorgu s(t.db(), QStringLiteral("UPDATE sepet SET sec = ? WHERE id = ?"));
    s.bagla({secim, sirano}).calistir();
    if (s.etkilenen() != 1)
        throw IslemHatasi(QStringLiteral("Sepet satırı bulunamadı (%1)").arg(sirano));
    t.onayla();
}

}  // namespace

void sepetMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    Depo &depo = o.depo;
    d.kaydet("SepetVer2", [&depo](Cagri &c) { c.sonuc(sepet(depo, c.tamsayi("carino"))); });
    d.kaydet("SepetEkle2", [&depo](Cagri &c) { c.sonuc(qint32(sepeteEkle(depo, c))); });
    d.kaydet("SepetGuncelle2", [&depo](Cagri &c) { c.sonuc(qint32(sepetGuncelle(depo, c))); });
    d.kaydet("SepetSatirSil", [&depo](Cagri &c) { c.sonuc(qint32(satirSil(depo, c.tamsayi("satirno")))); });
    d.kaydet("SepetHepsiniSil",
             [&depo](Cagri &c) { c.sonuc(qint32(hepsiniSil(depo, c.bilgiGerekli("bilgi").CARINO()))); });
    d.kaydet("SepetSecimGuncelle",
             [&depo](Cagri &c) { secimGuncelle(depo, c.tamsayi("sirano"), c.tamsayi("secim")); });
}

}  // namespace ks
