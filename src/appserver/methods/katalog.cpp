// Product catalogue: search, new and campaign lists, pictures, stock
// movements and the order history of a product.

#include "docs/stokresmi.h"
#include "katalogkayit.h"
#include "satirlar.h"
#include "stokarama.h"
#include "store/depo.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace ks {

namespace {

kw::Tablo stokAramasi(const Ortam &o, const QString &kod, const TSonucBilgisi &bilgi)
{
    const QSqlDatabase db = o.depo.db();
    const CariFiyat cari = cariFiyatBul(db, bilgi.CARINO());
    kw::Tablo t;
    t.kolonlar = stokKolonlari();
    const QVector<int> idler = stokAra(db, kod, o.aramaSiniri);
    if (idler.isEmpty())
        return t;
    // One statement for all the rows; they come in storage order and are
    // put back in the order of the search (a sort in SQL costs more).
    QJsonArray dizi;
    QHash<int, int> sira;
    for (int id : idler) {
        sira.insert(id, int(dizi.size()));
        dizi.append(id);
    }
    Sorgu s(db, QStringLiteral("SELECT %1 FROM stok s %2 WHERE s.id IN (SELECT value FROM json_each(?))")
                    .arg(stokSecimi(), grupIndirimiBaglantisi()));
    s.bagla({cari.id, QString::fromUtf8(QJsonDocument(dizi).toJson(QJsonDocument::Compact))}).calistir();
    kw::Tablo gelen;
    QVector<int> yer;
    while (s.sonraki()) {
        yer.push_back(sira.value(s.deger(0).toInt()));
        stokSatiriEkle(gelen, s, cari, bilgi.MusteriTipi() != 4);
    }
    t.satirlar.resize(gelen.satirlar.size());
    QVector<int> sirali(yer);
    std::sort(sirali.begin(), sirali.end());
    for (int i = 0; i < yer.size(); ++i)
        t.satirlar[std::lower_bound(sirali.begin(), sirali.end(), yer[i]) - sirali.begin()] = std::move(gelen.satirlar[i]);
    return t;
}

kw::Tablo yeniler(const Ortam &o, int carino)
{
    const QSqlDatabase db = o.depo.db();
    const CariFiyat cari = cariFiyatBul(db, carino);
    kw::Tablo t;
    t.kolonlar = stokKolonlari(StokEki::Yeni);
    Sorgu s(db, QStringLiteral("SELECT %1 FROM stok s %2 WHERE s.yeni = 1 ORDER BY s.eklenme DESC, s.id DESC LIMIT ?")
                    .arg(stokSecimi(), grupIndirimiBaglantisi()));
    s.bagla({cari.id, o.listeSiniri}).calistir();
    while (s.sonraki())
        stokSatiriEkle(t, s, cari, true, StokEki::Yeni);
    return t;
}

kw::Tablo kampanyalilar(const Ortam &o, int carino, int kullaniciTipi)
{
    if (kullaniciTipi < 1 || kullaniciTipi > 4)
        throw IslemHatasi(QStringLiteral("Geçersiz kullanıcı tipi (%1)").arg(kullaniciTipi));
    const QSqlDatabase db = o.depo.db();
    const CariFiyat cari = cariFiyatBul(db, carino);
    kw::Tablo t;
    t.kolonlar = stokKolonlari(StokEki::Kampanya);
    // Type 4 users and accounts without campaigns see none.
    if (kullaniciTipi == 4 || !cari.kampanyaGorur)
        return t;
    Sorgu s(db, QStringLiteral("SELECT %1 FROM stok s %2 WHERE s.kampanya = 1 AND s.kampfiyat > 0 "
                               "ORDER BY s.id LIMIT ?")
                    .arg(stokSecimi(), grupIndirimiBaglantisi()));
    s.bagla({cari.id, o.listeSiniri}).calistir();
    while (s.sonraki())
        stokSatiriEkle(t, s, cari, true, StokEki::Kampanya);
    return t;
}

void stokVarmi(const QSqlDatabase &db, int stokno)
{
    Sorgu s(db, QStringLiteral("SELECT 1 FROM stok WHERE id = ?"));
    s.bagla(stokno).calistir();
    if (!s.sonraki())
        throw IslemHatasi(QStringLiteral("Stok bulunamadı (%1)").arg(stokno));
}

// The dealer's invoice lines of one item, with their amounts.
kw::Tablo stokHareketleri(const Ortam &o, int carino, int stokno)
{
    using T = kw::KolonTipi;
    const QSqlDatabase db = o.depo.db();
    cariFiyatBul(db, carino);
    stokVarmi(db, stokno);
    kw::Tablo t;
    t.kolonlar = {{QStringLiteral("TARIH"), T::Date},          {QStringLiteral("TURU"), T::String},
                  {QStringLiteral("EVRAKSERI"), T::String},    {QStringLiteral("EVRAKSIRA"), T::Int32},
                  {QStringLiteral("MIKTAR"), T::Double},       {QStringLiteral("TLBIRIMFIYAT"), T::Double},
                  {QStringLiteral("TLVERGI"), T::Double},      {QStringLiteral("TLTUTAR"), T::Double},
                  {QStringLiteral("TOPLAMINDIRIM"), T::Double}, {QStringLiteral("NETBIRIMFIYAT"), T::Double},
                  {QStringLiteral("NETTLTUTAR"), T::Double},   {QStringLiteral("KDVDAHILBIRIMFIYAT"), T::Double},
                  {QStringLiteral("KDVDAHILTUTAR"), T::Double}, {QStringLiteral("BARKOD"), T::String}};
    for (int i = 1; i <= 8; ++i)
        t.kolonlar.push_back({QStringLiteral("INDIRIM%1").arg(i), T::Double});
    t.kolonlar += QVector<kw::Kolon>{{QStringLiteral("MASRAF1"), T::Double},      {QStringLiteral("MASRAF2"), T::Double},
                                     {QStringLiteral("TOPLAMMASRAF"), T::Double}, {QStringLiteral("VADE"), T::Date},
                                     {QStringLiteral("STOKCARIKOD"), T::String},  {QStringLiteral("SATICI"), T::String},
                                     {QStringLiteral("KDV"), T::Double}};
    Sorgu s(db, QStringLiteral(
        "SELECT f.tarih, f.tur, f.seri, f.sira, fs.miktar, fs.birimfiyat, fs.ind1, fs.ind2, fs.ind3, fs.ind4, "
        "fs.kdv, fs.masraf1, fs.masraf2, f.vade, s.barkod, c.kod, COALESCE(t.adi, '') "
        "FROM fatura_satir fs JOIN fatura f ON f.id = fs.fatura_id JOIN stok s ON s.id = fs.stok_id "
        "JOIN cari c ON c.id = f.cari_id LEFT JOIN temsilci t ON t.id = f.satici_id "
        "WHERE fs.stok_id = ? AND f.cari_id = ? ORDER BY f.tarih, f.id, fs.id"));
    s.bagla({stokno, carino}).calistir();
    while (s.sonraki()) {
        const double miktar = s.deger(4).toDouble(), fiyat = s.deger(5).toDouble(), kdv = s.deger(10).toDouble();
        const Oranlar o{s.deger(6).toDouble(), s.deger(7).toDouble(), s.deger(8).toDouble(), s.deger(9).toDouble()};
        const SatirTutari st = satirTutari(miktar, fiyat, o, kdv);
        const double m1 = s.deger(11).toDouble(), m2 = s.deger(12).toDouble();
        QVector<QVariant> r{QDate::fromString(s.deger(0).toString().left(10), Qt::ISODate),
                            s.deger(1).toString(),
                            s.deger(2).toString(),
                            s.deger(3).toInt(),
                            miktar,
                            fiyat,
                            st.vergiTutari,
                            st.tutar,
                            st.indirimTutar,
                            st.netBirimFiyat,
                            st.netTutar,
                            st.kdvDahilBirimFiyat,
                            st.kdvDahilTutar,
                            s.deger(14).toString()};
        for (double x : o)
            r.push_back(x);
        for (int i = 4; i < 8; ++i)
            r.push_back(0.0);
        r += QVector<QVariant>{m1, m2, yuvarla(m1 + m2), QDate::fromString(s.deger(13).toString().left(10), Qt::ISODate),
                               s.deger(15).toString(), s.deger(16).toString(), kdv};
        t.satirEkle(std::move(r));
    }
    return t;
}

// The dealer's order lines of one item (0: of every item), newest first.
kw::Tablo tumSiparisler(const Ortam &o, int carino, int stokno)
{
    const QSqlDatabase db = o.depo.db();
    cariFiyatBul(db, carino);
    if (stokno != 0)
        stokVarmi(db, stokno);
    kw::Tablo t;
    t.kolonlar = siparisGecmisiKolonlari();
    Sorgu s(db, siparisSatirSecimi()
                    + QStringLiteral("WHERE si.cari_id = ? AND (? = 0 OR ss.stok_id = ?) ORDER BY si.tarih DESC, ss.id"));
    s.bagla({carino, stokno, stokno}).calistir();
    while (s.sonraki())
        siparisGecmisiSatiriEkle(t, satirOku(s));
    return t;
}

}  // namespace

void katalogMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    d.kaydet("StokAraGetirTarvel", [&o](Cagri &c) { c.sonuc(stokAramasi(o, c.metin("kod"), c.bilgiGerekli("bilgi"))); });
    d.kaydet("ResimVer5", [&o](Cagri &c) {
        const QByteArray r = stokBuyukResmi(o.depo, c.tamsayi("stokno"));
        c.cikti("boy", qint64(r.size()));
        c.sonuc(r);
    });
    d.kaydet("YenilerVer2", [&o](Cagri &c) { c.sonuc(yeniler(o, c.tamsayi("carino"))); });
    d.kaydet("KampanyaliVer2", [&o](Cagri &c) { c.sonuc(kampanyalilar(o, c.tamsayi("cario"), c.tamsayi("satici"))); });
    d.kaydet("StokHareketVer", [&o](Cagri &c) { c.sonuc(stokHareketleri(o, c.tamsayi("carino"), c.tamsayi("stokno"))); });
    d.kaydet("TumSiparislerVer", [&o](Cagri &c) { c.sonuc(tumSiparisler(o, c.tamsayi("carino"), c.tamsayi("stokno"))); });
}

}  // namespace ks
