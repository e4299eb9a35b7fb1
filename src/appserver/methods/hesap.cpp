// Account statement and the documents behind its rows: invoices, collections
// and card-payment receipts.
//
// A statement row's IDNO is the ledger movement's number (cari_hareket.id);
// the drill-down methods find the invoice or collection through it.

#include "cari.h"
#include "docs/pdf.h"
#include "fiyat.h"
#include "hesapgruplari.h"
#include "protocol/cagri.h"
#include "store/depo.h"

#include <QDateTime>

namespace ks {

namespace {

using K = kw::KolonTipi;

QDate gun(const QVariant &v) { return QDate::fromString(v.toString().left(10), Qt::ISODate); }

QString saat(const QVariant &v)
{
    const QString s = v.toString();
    return s.size() >= 16 ? s.mid(11, 5) : QString();
}

QVariant gunDegeri(const QVariant &v)
{
    const QDate d = gun(v);
    return d.isValid() ? QVariant(d) : QVariant();
}

kw::Tablo ekstre(const QSqlDatabase &db, int carino)
{
    kw::Tablo t;
    t.kolonlar = {{"CARINO", K::Int32},  {"TARIH", K::Date},   {"TURADI", K::String}, {"EVRAK", K::String},
                  {"BORC", K::Double},   {"ALACAK", K::Double}, {"KUR", K::String},   {"BAKIYE", K::Double},
                  {"D", K::String},      {"IDNO", K::Int32},    {"ACIKLAMA", K::String}, {"VADE", K::Date}};
    // Date order; movements of one day in the order they were entered.
    Sorgu s(db, QStringLiteral("SELECT id, tarih, turadi, evrakno, borc, alacak, aciklama, vade "
                               "FROM cari_hareket WHERE cari_id=? ORDER BY tarih, id"));
    s.bagla(carino).calistir();
    double bakiye = 0;
    while (s.sonraki()) {
        const double borc = yuvarla(s.deger(4).toDouble());
        const double alacak = yuvarla(s.deger(5).toDouble());
        bakiye = yuvarla(bakiye + borc - alacak);
        const QString d = bakiye > 0 ? QStringLiteral("B") : bakiye < 0 ? QStringLiteral("A") : QStringLiteral(" ");
        t.satirEkle({carino, gunDegeri(s.deger(1)), s.deger(2).toString(), s.deger(3).toString(), borc, alacak,
                     QStringLiteral("TL"), bakiye, d, s.deger(0).toInt(), s.deger(6).toString(),
                     gunDegeri(s.deger(7))});
    }
    return t;
}

// The document a movement points at; 0 when it has none (or no such movement).
int hareketBelgesi(const QSqlDatabase &db, const char *kolon, int hareket, int carino = 0)
{
    Sorgu s(db, QStringLiteral("SELECT COALESCE(%1, 0) FROM cari_hareket WHERE id=? AND (?=0 OR cari_id=?)")
                    .arg(QLatin1String(kolon)));
    s.bagla({hareket, carino, carino}).calistir();
    return s.sonraki() ? s.deger(0).toInt() : 0;
}

QString hareketEvraki(const QSqlDatabase &db, int hareket)
{
    Sorgu s(db, QStringLiteral("SELECT evrakno FROM cari_hareket WHERE id=?"));
    s.bagla(hareket).calistir();
    return s.sonraki() ? s.deger(0).toString() : QString();
}

struct FaturaSatiri {
    QVector<QVariant> hucreler;
    double tutar = 0, indirim = 0, masraf = 0, net = 0, vergi = 0;
};

const QVector<kw::Kolon> &faturaKolonlari()
{
    static const QVector<kw::Kolon> k = {
        {"OEMNO", K::String}, {"STOKADI", K::String}, {"FINISHKOD", K::String}, {"MARKA", K::String},
        {"MODEL", K::String}, {"ANAGRUP", K::String}, {"BIRIM", K::String}, {"STOKHAR_MIKTAR", K::Double},
        {"STOKHAR_TLBIRIMFIYATI", K::Double}, {"STOKHAR_TLTUTAR", K::Double}, {"STOKHAR_INDIRIM1", K::Double},
        {"STOKHAR_INDIRIM2", K::Double}, {"KDV", K::Double}, {"STOKHAR_TOPLAMINDIRIM", K::Double},
        {"STOKHAR_TOPLAMMASRAF", K::Double}, {"STOKHAR_NETTLBIRIMFIYATI", K::Double},
        {"STOKHAR_NETTLTUTAR", K::Double}, {"OZELKOD", K::String}, {"BARKOD", K::String},
        {"STOKHAR_HAREKETTARIHI", K::Date}, {"STOKHAR_HAREKETTIPI2", K::String}, {"EVRAKNO", K::String},
        {"STOKHAR_TLVERGI", K::Double}, {"IRSALIYEEVRAKNO", K::String}, {"STOKHAR_IRSTARIHI", K::Date},
        {"SATIRACIKLMASI", K::String}, {"STOKHAR_SAAT", K::String}, {"STOKHAR_VADE", K::Int32},
        {"SIPARISEVRAKNO", K::String}, {"SIPARISTARIHI", K::Date}, {"IRSALIYETIP2", K::String},
        {"STOKHAR_INDIRIM3", K::Double}, {"STOKHAR_INDIRIM4", K::Double}, {"STOKHAR_MASRAF1", K::Double},
        {"STOKHAR_MASRAF2", K::Double}, {"STOKHAR_KURTL", K::Double}, {"KUR_KURSIMGE", K::String},
        {"SATICIADI", K::String}, {"STOKHAR_CARINO", K::Int32}, {"STOK_STOKNO", K::Int32}, {"IDNO", K::Int32}};
    return k;
}

QVector<FaturaSatiri> faturaSatirlari(const QSqlDatabase &db, int faturaId, const QString &evrakNo = {})
{
    Sorgu s(db, QStringLiteral(
        "SELECT st.oemno, st.adi, st.finishkod, st.marka, st.model, st.anagrup, st.birim, fs.miktar, "
        "fs.birimfiyat, fs.ind1, fs.ind2, fs.ind3, fs.ind4, fs.kdv, fs.masraf1, fs.masraf2, st.ozelkod, "
        "st.barkod, f.tarih, f.tur, f.seri, f.sira, f.vade, f.aciklama, COALESCE(t.adi, ''), f.cari_id, st.id, "
        "fs.id, COALESCE(ss.siparis_id, 0), COALESCE(sp.tarih, '') "
        "FROM fatura_satir fs JOIN fatura f ON f.id=fs.fatura_id JOIN stok st ON st.id=fs.stok_id "
        "LEFT JOIN temsilci t ON t.id=f.satici_id LEFT JOIN siparis_satir ss ON ss.id=fs.siparis_satir_id "
        "LEFT JOIN siparis sp ON sp.id=ss.siparis_id "
        "WHERE fs.fatura_id=? ORDER BY fs.id"));
    s.bagla(faturaId).calistir();
    QVector<FaturaSatiri> r;
    while (s.sonraki()) {
        auto v = [&s](int i) { return s.deger(i); };
        const double miktar = v(7).toDouble(), fiyat = v(8).toDouble(), kdv = v(13).toDouble();
        const Oranlar o{v(9).toDouble(), v(10).toDouble(), v(11).toDouble(), v(12).toDouble()};
        const SatirTutari st = satirTutari(miktar, fiyat, o, kdv);
        // Costs are percentages of the discounted amount, added before VAT.
        const double m1 = v(14).toDouble(), m2 = v(15).toDouble();
        FaturaSatiri f;
        f.tutar = st.tutar;
        f.indirim = st.indirimTutar;
        f.masraf = yuvarla(yuvarla(st.netTutar * m1 / 100) + yuvarla(st.netTutar * m2 / 100));
        f.net = yuvarla(st.netTutar + f.masraf);
        f.vergi = f.masraf == 0 ? st.vergiTutari : yuvarla(f.net * kdv / 100);
        const QDate tarih = gun(v(18)), vade = gun(v(22));
        const int siparis = v(28).toInt();
        f.hucreler = {v(0).toString(), v(1).toString(), v(2).toString(), v(3).toString(), v(4).toString(),
                      v(5).toString(), v(6).toString(), miktar, yuvarla(fiyat), f.tutar, o[0], o[1], kdv, f.indirim,
                      f.masraf, miktar != 0 ? yuvarla(f.net / miktar) : 0.0, f.net, v(16).toString(),
                      v(17).toString(), tarih.isValid() ? QVariant(tarih) : QVariant(), v(19).toString(), evrakNo,
                      f.vergi, QString(), QVariant(), v(23).toString(), saat(v(18)),
                      tarih.isValid() && vade.isValid() ? int(tarih.daysTo(vade)) : 0,
                      siparis ? QString::number(siparis) : QString(), gunDegeri(v(29)),
                      QString(), o[2], o[3], m1, m2, 1.0, QStringLiteral("TL"),
                      v(24).toString(), v(25).toInt(), v(26).toInt(), v(27).toInt()};
        r.push_back(std::move(f));
    }
    return r;
}

kw::Tablo faturaAlt(const QVector<FaturaSatiri> &satirlar)
{
    kw::Tablo t;
    t.kolonlar = {{"TOPLAM", K::Double},  {"TOPLAMINDIRIM", K::Double}, {"TOPLAMMASRAF", K::Double},
                  {"MATRAH", K::Double},  {"KDVTUTAR", K::Double},      {"KDVDAHIL", K::Double}};
    if (satirlar.isEmpty())
        return t;
    double toplam = 0, indirim = 0, masraf = 0, matrah = 0, vergi = 0;
    for (const FaturaSatiri &s : satirlar) {
        toplam = yuvarla(toplam + s.tutar);
        indirim = yuvarla(indirim + s.indirim);
        masraf = yuvarla(masraf + s.masraf);
        matrah = yuvarla(matrah + s.net);
        vergi = yuvarla(vergi + s.vergi);
    }
    t.satirEkle({toplam, indirim, masraf, matrah, vergi, yuvarla(matrah + vergi)});
    return t;
}

kw::Tablo tahsilat(const QSqlDatabase &db, int tahsilatId)
{
    kw::Tablo t;
    t.kolonlar = {{"Tarih", K::Date},     {"Türü", K::String},    {"Cins", K::String},  {"Vade", K::Date},
                  {"Tutar", K::Double},   {"Açıklama", K::String}, {"EvrakNo", K::String}, {"Ref", K::String},
                  {"Saat", K::String},    {"Kur", K::String},      {"KurTL", K::Double},   {"Döviz Tutar", K::Double}};
    Sorgu s(db, QStringLiteral("SELECT t.tarih, t.tur, t.odeme_sekli, t.vade, t.tutar, t.aciklama, t.evrakno, "
                               "COALESCE(p.onay_kodu, ''), t.id FROM tahsilat t "
                               "LEFT JOIN sanalpos p ON p.tahsilat_id=t.id WHERE t.id=?"));
    s.bagla(tahsilatId).calistir();
    while (s.sonraki()) {
        const double tutar = yuvarla(s.deger(4).toDouble());
        t.satirEkle({gunDegeri(s.deger(0)), s.deger(1).toString(), s.deger(2).toString(), gunDegeri(s.deger(3)), tutar,
                     s.deger(5).toString(), s.deger(6).toString(), s.deger(7).toString(), saat(s.deger(0)),
                     QStringLiteral("TL"), 1.0, tutar});
    }
    return t;
}

// The receipt of one card payment; empty when there is no such receipt.
QByteArray sanalPosDekontu(const QSqlDatabase &db, int sirano)
{
    Sorgu s(db, QStringLiteral(
        "SELECT p.id, p.odeyen, p.kart_no, p.kart_sahibi, p.banka, p.taksit, p.onay_kodu, p.tutar, p.tarih, "
        "c.kod, c.adi, t.evrakno, t.aciklama FROM sanalpos p JOIN tahsilat t ON t.id=p.tahsilat_id "
        "JOIN cari c ON c.id=t.cari_id WHERE p.id=?"));
    s.bagla(sirano).calistir();
    if (!s.sonraki())
        return {};
    auto v = [&s](int i) { return s.deger(i).toString(); };
    const QDateTime an = QDateTime::fromString(v(8), Qt::ISODate);
    const QString tarih = an.isValid() ? an.toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                                       : QDate::fromString(v(8).left(10), Qt::ISODate).toString(QStringLiteral("dd.MM.yyyy"));
    belge::PdfBelge b;
    b.baslik = QStringLiteral("Sanal POS Ödeme Dekontu");
    b.altBaslik = QStringLiteral("Dekont No: %1").arg(s.deger(0).toInt());
    belge::PdfBolum odeme;
    odeme.baslik = QStringLiteral("Ödeme Bilgileri");
    odeme.bilgiler = {{QStringLiteral("Dekont No:"), QString::number(s.deger(0).toInt())},
                      {QStringLiteral("Tarih:"), tarih},
                      {QStringLiteral("Ödeyen:"), v(1)},
                      {QStringLiteral("Cari:"), v(9) + QStringLiteral(" - ") + v(10)},
                      {QStringLiteral("Kart Sahibi:"), v(3)},
                      {QStringLiteral("Kart No:"), kartNoMaskele(v(2))},
                      {QStringLiteral("Banka:"), v(4)},
                      {QStringLiteral("Taksit:"), s.deger(5).toInt() > 1 ? QString::number(s.deger(5).toInt())
                                                                          : QStringLiteral("Tek Çekim")},
                      {QStringLiteral("Onay Kodu:"), v(6)},
                      {QStringLiteral("Evrak No:"), v(11)},
                      {QStringLiteral("Tutar:"), tlYaz(s.deger(7).toDouble()) + QStringLiteral(" TL")}};
    if (!v(12).isEmpty())
        odeme.bilgiler.push_back({QStringLiteral("Açıklama:"), v(12)});
    b.bolumler = {odeme};
    b.dipnot = QStringLiteral("Bu dekont sanal POS ile yapılan ödemenin bilgisi içindir.");
    return belge::pdfYap(b);
}

}  // namespace

void hesapMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    Depo &depo = o.depo;

    d.kaydet("CariEkstreVer", [&depo](Cagri &c) { c.sonuc(ekstre(depo.db(), c.tamsayi("carino"))); });

    d.kaydet("FaturaGetir", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        const int hareket = c.tamsayi("idnosu");
        const int fatura = hareketBelgesi(db, "fatura_id", hareket, c.tamsayi("carino"));
        kw::Tablo t;
        t.kolonlar = faturaKolonlari();
        if (fatura > 0)
            for (FaturaSatiri &s : faturaSatirlari(db, fatura, hareketEvraki(db, hareket)))
                t.satirEkle(std::move(s.hucreler));
        c.sonuc(std::move(t));
    });

    d.kaydet("FaturaAltGetir", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        const int fatura = hareketBelgesi(db, "fatura_id", c.tamsayi("idnosu"));
        c.sonuc(faturaAlt(fatura > 0 ? faturaSatirlari(db, fatura) : QVector<FaturaSatiri>()));
    });

    d.kaydet("Tahsilat", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        c.sonuc(tahsilat(db, hareketBelgesi(db, "tahsilat_id", c.tamsayi("idnosu"))));
    });

    d.kaydet("SanalposSiranoVer", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        const int tahsilatId = hareketBelgesi(db, "tahsilat_id", c.tamsayi("idnosu"));
        Sorgu s(db, QStringLiteral("SELECT id FROM sanalpos WHERE tahsilat_id=?"));
        s.bagla(tahsilatId).calistir();
        c.sonuc(qint32(s.sonraki() ? s.deger(0).toInt() : 0));
    });

    d.kaydet("SAnalPosPdfVer", [&depo](Cagri &c) {
        const QByteArray pdf = sanalPosDekontu(depo.db(), c.tamsayi("sirano"));
        c.cikti("boy", qint64(pdf.size()));
        c.sonuc(pdf);
    });
}

}  // namespace ks
