// Order submission: delivery and cargo choices, and turning the selected
// basket lines into one order.

#include "katalogkayit.h"
#include "satirlar.h"
#include "store/depo.h"

#include <QDateTime>

namespace ks {

namespace {

constexpr int kEnUzunAciklama = 4000;

kw::Tablo secenekler(const Depo &d, const QString &tablo)
{
    Sorgu s(d, QStringLiteral("SELECT id, adi FROM %1 ORDER BY id").arg(tablo));
    s.calistir();
    return s.tablo({{QStringLiteral("SIRANO"), kw::KolonTipi::Int32}, {QStringLiteral("ADI"), kw::KolonTipi::String}});
}

kw::Tablo kargolar(const Depo &d, int cins)
{
    Sorgu s(d, QStringLiteral("SELECT adi, id, uyari FROM kargo_firma WHERE kargo_cinsi_id = ? ORDER BY id"));
    s.bagla(cins).calistir();
    return s.tablo({{QStringLiteral("ADI"), kw::KolonTipi::String},
                    {QStringLiteral("SIRANO"), kw::KolonTipi::Int32},
                    {QStringLiteral("UYARI"), kw::KolonTipi::String}});
}

void varOlmali(const QSqlDatabase &db, const QString &sql, int id, const QString &hata)
{
    Sorgu s(db, sql);
    s.bagla(id).calistir();
    if (!s.sonraki())
        throw IslemHatasi(hata);
}

struct SiparisIstegi {
    int carino = 0, teslim = 0, kargoCinsi = 0, kargoFirma = 0, veren = 0;
    QString aciklama;
};

// The selected lines of the dealer's basket become one order, inside one
// immediate transaction: a second call for the same basket waits for the
// first and then finds nothing selected. False when nothing is selected.
bool siparisKaydet(const Depo &d, const SiparisIstegi &g)
{
    if (g.aciklama.size() > kEnUzunAciklama)
        throw IslemHatasi(QStringLiteral("Sipariş açıklaması en çok %1 karakter olabilir").arg(kEnUzunAciklama));
    Islem t(d);
    const QSqlDatabase &db = t.db();
    cariFiyatBul(db, g.carino);
    varOlmali(db, QStringLiteral("SELECT 1 FROM teslim_cinsi WHERE id = ?"), g.teslim,
              QStringLiteral("Teslim durumu bulunamadı (%1)").arg(g.teslim));
    varOlmali(db, QStringLiteral("SELECT 1 FROM kargo_cinsi WHERE id = ?"), g.kargoCinsi,
              QStringLiteral("Kargo türü bulunamadı (%1)").arg(g.kargoCinsi));
    {
        Sorgu s(db, QStringLiteral("SELECT kargo_cinsi_id FROM kargo_firma WHERE id = ?"));
        s.bagla(g.kargoFirma).calistir();
        if (!s.sonraki())
            throw IslemHatasi(QStringLiteral("Kargo firması bulunamadı (%1)").arg(g.kargoFirma));
        if (s.deger(0).toInt() != g.kargoCinsi)
            throw IslemHatasi(QStringLiteral("Kargo firması seçilen kargo türüne ait değil"));
    }
    QVariant veren(QMetaType(QMetaType::Int));
    if (g.veren != 0) {
        varOlmali(db, QStringLiteral("SELECT 1 FROM kullanici WHERE id = ?"), g.veren,
                  QStringLiteral("Kullanıcı bulunamadı (%1)").arg(g.veren));
        veren = g.veren;
    }

    Sorgu secili(db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE cari_id = ? AND sec = 1"));
    secili.bagla(g.carino).calistir();
    if (!secili.sonraki() || secili.deger(0).toInt() == 0)
        return false;

    const QString simdi = QDateTime::currentDateTime().toString(Qt::ISODate);
    Sorgu siparis(db, QStringLiteral("INSERT INTO siparis(cari_id, veren_id, tarih, teslim_id, kargo_cinsi_id, "
                                     "kargo_firma_id, aciklama, durum) VALUES(?, ?, ?, ?, ?, ?, ?, 1)"));
    siparis.bagla({g.carino, veren, simdi, g.teslim, g.kargoCinsi, g.kargoFirma, g.aciklama}).calistir();
    const qint64 no = siparis.sonEklenen();
    calistir(db,
             QStringLiteral("INSERT INTO siparis_satir(siparis_id, stok_id, miktar, teslim, birimfiyat, ilkfiyat, "
                            "ind1, ind2, ind3, ind4, kdv, sepet_sirano, veren_id, verilis) "
                            "SELECT ?, stok_id, miktar, 0, birimfiyat, birimfiyat, ind1, ind2, ind3, ind4, kdv, id, "
                            "veren_id, verilis FROM sepet WHERE cari_id = ? AND sec = 1 ORDER BY id"),
             {no, g.carino});
    // Quantities in orders received, per item.
    calistir(db,
             QStringLiteral("UPDATE stok SET alinansiparis = alinansiparis + "
                            "(SELECT SUM(miktar) FROM sepet WHERE cari_id = ? AND sec = 1 AND stok_id = stok.id) "
                            "WHERE id IN (SELECT stok_id FROM sepet WHERE cari_id = ? AND sec = 1)"),
             {g.carino, g.carino});
    calistir(db, QStringLiteral("DELETE FROM sepet WHERE cari_id = ? AND sec = 1"), {g.carino});
    t.onayla();
    return true;
}

}  // namespace

void siparisMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    Depo &depo = o.depo;
    d.kaydet("TeslimVer", [&depo](Cagri &c) { c.sonuc(secenekler(depo, QStringLiteral("teslim_cinsi"))); });
    d.kaydet("KargoVer", [&depo](Cagri &c) { c.sonuc(secenekler(depo, QStringLiteral("kargo_cinsi"))); });
    d.kaydet("KargolarVer", [&depo](Cagri &c) { c.sonuc(kargolar(depo, c.tamsayi("gn"))); });
    d.kaydet("SiparisKaydet", [&depo](Cagri &c) {
        SiparisIstegi g;
        g.carino = c.tamsayi("_carino");
        g.teslim = c.tamsayi("_teslim");
        g.kargoCinsi = c.tamsayi("_kargo");
        g.aciklama = c.metin("_aciklama");
        g.veren = c.tamsayi("_verenid");
        g.kargoFirma = c.tamsayi("_kargoyeni");
        c.sonuc(siparisKaydet(depo, g));
    });
}

}  // namespace ks
