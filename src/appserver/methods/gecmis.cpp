// Earlier orders, their lines and footers, open order balances and the
// changes to them, and the two period reports.
//
// An order line is open while it is not cancelled, less than its quantity is
// delivered and its order is not closed. Deleting a balance cancels the open
// rest of the line (iptal = 1); what was delivered stays. Amounts of a line
// are computed on its effective quantity: the ordered quantity, or the
// delivered one once the rest is cancelled (0 for a line cancelled before any
// delivery, which the order detail still lists); in the balances list on the
// open (remaining) quantity, so that the list's totals are the open value.

#include "cari.h"
#include "fiyat.h"
#include "hesapgruplari.h"
#include "protocol/cagri.h"
#include "store/depo.h"
#include "tarih.h"

#include <QDateTime>
#include <QHash>
#include <algorithm>
#include <map>

namespace ks {

namespace {

using K = kw::KolonTipi;

QDate gun(const QVariant &v) { return QDate::fromString(v.toString().left(10), Qt::ISODate); }
QVariant gunDegeri(const QVariant &v)
{
    const QDate d = gun(v);
    return d.isValid() ? QVariant(d) : QVariant();
}

// Texts of declared length in the report datasets.
QString kes(const QString &s, int n) { return s.left(n); }

// Stock states of the balances list are the availability codes 0..5; the
// first warehouse's "critical level" (6) still means in stock.
int bakiyeDurumu(int durum1) { return durum1 == 6 ? 1 : qBound(0, durum1, 5); }

const char *kSatirSql =
    "SELECT ss.id, ss.siparis_id, ss.stok_id, ss.miktar, ss.teslim, ss.birimfiyat, ss.ilkfiyat, "
    "ss.ind1, ss.ind2, ss.ind3, ss.ind4, ss.kdv, ss.sepet_sirano, COALESCE(ss.veren_id, s.veren_id, 0), "
    "ss.verilis, ss.iptal, s.tarih, s.cari_id, COALESCE(s.teslim_id, 0), COALESCE(s.kargo_cinsi_id, 0), "
    "st.barkod, st.adi, st.finishkod, st.oemno, st.oem1, st.oem2, st.oem3, st.oem4, st.digeradi, st.dpkod, "
    "st.marka, st.model, st.anagrup, st.ozelkod, st.pkod, st.ureticikodu, st.kalan, st.durum1, "
    "st.alinansiparis, st.verilensiparis, COALESCE(k.adi, ''), c.kod, c.adi, COALESCE(tc.adi, ''), "
    "COALESCE(kc.adi, ''), s.durum "
    "FROM siparis_satir ss JOIN siparis s ON s.id=ss.siparis_id JOIN stok st ON st.id=ss.stok_id "
    "JOIN cari c ON c.id=s.cari_id LEFT JOIN kullanici k ON k.id=COALESCE(ss.veren_id, s.veren_id) "
    "LEFT JOIN teslim_cinsi tc ON tc.id=s.teslim_id LEFT JOIN kargo_cinsi kc ON kc.id=s.kargo_cinsi_id ";

const QVector<kw::Kolon> &satirKolonlari()
{
    static const QVector<kw::Kolon> k = {
        {"VERILISTARIHI", K::DateTime}, {"BARKOD", K::String}, {"FINISHKOD", K::String}, {"OEMNO", K::String},
        {"STOKADI", K::String}, {"MIKTAR", K::Double}, {"BIRIMFIYAT", K::Double}, {"TUTAR", K::Double},
        {"INDIRIMYAZI", K::String}, {"NETBIRIMFIYAT", K::Double}, {"KDV", K::Double}, {"VERGITUTARI", K::Double},
        {"NETTUTAR", K::Double}, {"VEREN", K::String}, {"TESLIMEDILEN", K::Double}, {"KALAN", K::Double},
        {"DURUM", K::Int32}, {"ILKFIYAT", K::Double}, {"ELDEKI", K::Double}, {"ALINANSIPARIS", K::Double},
        {"VERILENSIPARIS", K::Double}, {"SIPARISNO", K::Int32}, {"TARIH", K::Date},
        {"INDIRIMORANI1", K::Double}, {"INDIRIMORANI2", K::Double}, {"INDIRIMORANI3", K::Double},
        {"INDIRIMORANI4", K::Double}, {"KUR", K::String}, {"SAAT", K::String}, {"ACIKLAMA", K::String},
        {"OEM1", K::String}, {"OEM2", K::String}, {"OEM3", K::String}, {"OEM4", K::String},
        {"DIGERADI", K::String}, {"DPKOD", K::String}, {"MARKA", K::String}, {"MODEL", K::String},
        {"ANAGRUP", K::String}, {"OZELKOD", K::String}, {"PKOD", K::String}, {"SIRANO", K::Int32},
        {"CARINO", K::Int32}, {"AKTAR", K::Int32}, {"STOKNO", K::Int32}, {"TESLIM", K::String},
        {"KARGO", K::String}, {"INDIRIMTUTAR", K::Double}, {"KURTL", K::Double}, {"VERENIDNO", K::Int32},
        {"TESLIMID", K::Int32}, {"KARGOID", K::Int32}, {"IDNO", K::Int32}, {"VERENSIRANO", K::Int32},
        {"CARIKOD", K::String}, {"CARIADI", K::String}, {"STOK_STOKNO", K::Int32}, {"URETICIKODU", K::String},
        {"STOKHAR_NO", K::Int32}};
    return k;
}

enum class Miktar { Etkin, Kalan };

void satirlariOku(Sorgu &s, Miktar hangi, kw::Tablo &t)
{
    while (s.sonraki()) {
        auto v = [&s](int i) { return s.deger(i); };
        const double miktar = v(3).toDouble(), teslim = v(4).toDouble(), fiyat = v(5).toDouble();
        const bool iptal = v(15).toInt() != 0;
        const double etkin = iptal ? teslim : miktar;
        const double kalan = iptal ? 0.0 : qMax(0.0, miktar - teslim);
        const double hesap = hangi == Miktar::Kalan ? kalan : etkin;
        const Oranlar o{v(7).toDouble(), v(8).toDouble(), v(9).toDouble(), v(10).toDouble()};
        const double kdv = v(11).toDouble();
        const SatirTutari tt = satirTutari(hesap, fiyat, o, kdv);
        QDateTime verilis = QDateTime::fromString(v(14).toString(), Qt::ISODate);
        if (!verilis.isValid())
            verilis = QDateTime::fromString(v(16).toString(), Qt::ISODate);
        const double ilk = v(6).toDouble() > 0 ? v(6).toDouble() : fiyat;
        const int verenId = v(13).toInt();
        t.satirEkle({verilis.isValid() ? QVariant(verilis) : QVariant(), v(20).toString(), v(22).toString(),
                     v(23).toString(), v(21).toString(), etkin, yuvarla(fiyat), tt.tutar, indirimYazisi(o),
                     yuvarla(indirimliTutar(fiyat, o)), kdv, tt.vergiTutari, tt.netTutar, v(40).toString(), teslim,
                     kalan, bakiyeDurumu(v(37).toInt()), yuvarla(ilk), v(36).toDouble(), v(38).toDouble(),
                     v(39).toDouble(), v(1).toInt(), gunDegeri(v(16)), o[0], o[1], o[2], o[3], QStringLiteral("TL"),
                     verilis.isValid() ? verilis.toString(QStringLiteral("HH:mm")) : QString(), v(21).toString(),
                     v(24).toString(), v(25).toString(), v(26).toString(), v(27).toString(), v(28).toString(),
                     v(29).toString(), v(30).toString(), v(31).toString(), v(32).toString(), v(33).toString(),
                     v(34).toString(), v(12).toInt(), v(17).toInt(), 0, v(2).toInt(), v(43).toString(),
                     v(44).toString(), tt.indirimTutar, 1.0, verenId, v(18).toInt(), v(19).toInt(), v(1).toInt(),
                     verenId, v(41).toString(), v(42).toString(), v(2).toInt(), v(35).toString(), v(0).toInt()});
    }
}

// Money of whole orders, from their lines' effective quantities.
struct SiparisTutari {
    double net = 0, vergi = 0;
};

QHash<int, SiparisTutari> siparisTutarlari(Sorgu &s)
{
    QHash<int, SiparisTutari> r;
    while (s.sonraki()) {
        const double miktar = s.deger(1).toDouble(), teslim = s.deger(2).toDouble();
        const double etkin = s.deger(9).toInt() ? teslim : miktar;
        const Oranlar o{s.deger(4).toDouble(), s.deger(5).toDouble(), s.deger(6).toDouble(), s.deger(7).toDouble()};
        const SatirTutari t = satirTutari(etkin, s.deger(3).toDouble(), o, s.deger(8).toDouble());
        SiparisTutari &x = r[s.deger(0).toInt()];
        x.net = yuvarla(x.net + t.netTutar);
        x.vergi = yuvarla(x.vergi + t.vergiTutari);
    }
    return r;
}

const char *kTutarSql =
    "SELECT ss.siparis_id, ss.miktar, ss.teslim, ss.birimfiyat, ss.ind1, ss.ind2, ss.ind3, ss.ind4, ss.kdv, "
    "ss.iptal FROM siparis_satir ss JOIN siparis s ON s.id=ss.siparis_id ";

const char *kSiparisSql =
    "SELECT s.id, s.cari_id, s.tarih, COALESCE(s.veren_id, 0), COALESCE(kc.adi, ''), COALESCE(tc.adi, ''), "
    "COALESCE(k.adi, ''), c.kod, c.adi, s.durum, COALESCE(kf.adi, ''), s.aciklama, s.bizim_mesaj, "
    "COALESCE(t.adi, '') "
    "FROM siparis s JOIN cari c ON c.id=s.cari_id LEFT JOIN kargo_cinsi kc ON kc.id=s.kargo_cinsi_id "
    "LEFT JOIN teslim_cinsi tc ON tc.id=s.teslim_id LEFT JOIN kullanici k ON k.id=s.veren_id "
    "LEFT JOIN kargo_firma kf ON kf.id=s.kargo_firma_id LEFT JOIN temsilci t ON t.id=c.temsilci_id ";

kw::Tablo oncekiSiparisler(const QSqlDatabase &db, int carino)
{
    Sorgu ts(db, QLatin1String(kTutarSql) + QStringLiteral("WHERE s.cari_id=?"));
    ts.bagla(carino).calistir();
    const QHash<int, SiparisTutari> tutarlar = siparisTutarlari(ts);

    kw::Tablo t;
    t.kolonlar = {{"CARINO", K::Int32},   {"IDNO", K::Int32},       {"TARIH", K::Date},      {"KUR", K::String},
                  {"KURTL", K::Double},   {"VERENIDNO", K::Int32},  {"KARGO", K::String},    {"TESLIM", K::String},
                  {"VEREN", K::String},   {"CARIKOD", K::String},   {"CARIADI", K::String},  {"VERGI", K::Double},
                  {"NETTUTAR", K::Double}, {"TUTAR", K::Double},    {"DURUM", K::String},    {"KARGOADI", K::String},
                  {"VERENINNOTU", K::String}, {"ALANNOTU", K::String}};
    // Newest first.
    Sorgu s(db, QLatin1String(kSiparisSql) + QStringLiteral("WHERE s.cari_id=? ORDER BY s.tarih DESC, s.id DESC"));
    s.bagla(carino).calistir();
    while (s.sonraki()) {
        const SiparisTutari x = tutarlar.value(s.deger(0).toInt());
        t.satirEkle({s.deger(1).toInt(), s.deger(0).toInt(), gunDegeri(s.deger(2)), QStringLiteral("TL"), 1.0,
                     s.deger(3).toInt(), s.deger(4).toString(), s.deger(5).toString(), s.deger(6).toString(),
                     s.deger(7).toString(), s.deger(8).toString(), x.vergi, x.net, yuvarla(x.net + x.vergi),
                     siparisDurumAdi(s.deger(9).toInt()), s.deger(10).toString(), s.deger(11).toString(),
                     s.deger(12).toString()});
    }
    return t;
}

// Day range of two OLE dates, as the store's texts: [from, day after to).
QPair<QString, QString> gunAraligi(double tarih1, double tarih2)
{
    const QDate a = kw::oleGun(tarih1), b = kw::oleGun(tarih2);
    return {a.toString(Qt::ISODate), b.addDays(1).toString(Qt::ISODate)};
}

kw::Tablo alinanSiparisler(const QSqlDatabase &db, const Yetki &y, double tarih1, double tarih2)
{
    const auto [bas, son] = gunAraligi(tarih1, tarih2);
    Sorgu ts(db, QLatin1String(kTutarSql) + QStringLiteral("JOIN cari c ON c.id=s.cari_id "
                                                            "WHERE s.tarih >= ? AND s.tarih < ? AND ") + kapsamKosulu());
    ts.bagla({bas, son});
    kapsamBagla(ts, y);
    ts.calistir();
    const QHash<int, SiparisTutari> tutarlar = siparisTutarlari(ts);

    // Exactly the fields the report dataset declares, with their types.
    kw::Tablo t;
    t.kolonlar = {{"SATICIADI", K::String}, {"IDNO", K::Double},     {"CARINO", K::Int32},   {"TARIH", K::Date},
                  {"KUR", K::String},       {"KURTL", K::Double},    {"VERENIDNO", K::Int32}, {"KARGO", K::String},
                  {"TESLIM", K::String},    {"VEREN", K::String},    {"CARIKOD", K::String}, {"CARIADI", K::String},
                  {"DURUM", K::String},     {"KARGOADI", K::String}, {"VERGI", K::Double},   {"NETTUTAR", K::Double},
                  {"TUTAR", K::Double}};
    Sorgu s(db, QLatin1String(kSiparisSql) + QStringLiteral("WHERE s.tarih >= ? AND s.tarih < ? AND ") +
                    kapsamKosulu() + QStringLiteral(" ORDER BY t.adi, s.tarih, s.id"));
    s.bagla({bas, son});
    kapsamBagla(s, y);
    s.calistir();
    while (s.sonraki()) {
        const SiparisTutari x = tutarlar.value(s.deger(0).toInt());
        t.satirEkle({kes(s.deger(13).toString(), 50), double(s.deger(0).toInt()), s.deger(1).toInt(),
                     gunDegeri(s.deger(2)), QStringLiteral("TL"), 1.0, s.deger(3).toInt(),
                     kes(s.deger(4).toString(), 50), kes(s.deger(5).toString(), 50), kes(s.deger(6).toString(), 50),
                     kes(s.deger(7).toString(), 25), kes(s.deger(8).toString(), 100),
                     kes(siparisDurumAdi(s.deger(9).toInt()), 100), kes(s.deger(10).toString(), 50), x.vergi, x.net,
                     yuvarla(x.net + x.vergi)});
    }
    return t;
}

kw::Tablo satilanStoklar(const QSqlDatabase &db, const Yetki &y, double tarih1, double tarih2)
{
    const auto [bas, son] = gunAraligi(tarih1, tarih2);
    Sorgu s(db, QStringLiteral(
        "SELECT ss.stok_id, ss.miktar, ss.teslim, ss.birimfiyat, ss.ind1, ss.ind2, ss.ind3, ss.ind4, ss.kdv, "
        "ss.iptal, st.barkod, st.oemno, st.adi, st.anagrup "
        "FROM siparis_satir ss JOIN siparis s ON s.id=ss.siparis_id JOIN cari c ON c.id=s.cari_id "
        "JOIN stok st ON st.id=ss.stok_id WHERE s.tarih >= ? AND s.tarih < ? AND ") + kapsamKosulu());
    s.bagla({bas, son});
    kapsamBagla(s, y);
    s.calistir();
    struct Toplam {
        QString barkod, kod, adi, departman;
        double miktar = 0, net = 0, vergi = 0;
    };
    std::map<int, Toplam> stoklar;
    while (s.sonraki()) {
        const double etkin = s.deger(9).toInt() ? s.deger(2).toDouble() : s.deger(1).toDouble();
        if (etkin <= 0)
            continue;
        const Oranlar o{s.deger(4).toDouble(), s.deger(5).toDouble(), s.deger(6).toDouble(), s.deger(7).toDouble()};
        const SatirTutari tt = satirTutari(etkin, s.deger(3).toDouble(), o, s.deger(8).toDouble());
        Toplam &x = stoklar[s.deger(0).toInt()];
        if (x.barkod.isEmpty() && x.adi.isEmpty()) {
            x.barkod = s.deger(10).toString();
            x.kod = s.deger(11).toString();
            x.adi = s.deger(12).toString();
            x.departman = s.deger(13).toString();
        }
        x.miktar += etkin;
        x.net = yuvarla(x.net + tt.netTutar);
        x.vergi = yuvarla(x.vergi + tt.vergiTutari);
    }
    std::vector<const Toplam *> sirali;
    for (const auto &[id, x] : stoklar)
        sirali.push_back(&x);
    // Best sellers first: by quantity, then by value.
    std::stable_sort(sirali.begin(), sirali.end(), [](const Toplam *a, const Toplam *b) {
        return a->miktar != b->miktar ? a->miktar > b->miktar : a->net + a->vergi > b->net + b->vergi;
    });
    kw::Tablo t;
    t.kolonlar = {{"BARKOD", K::String}, {"KOD", K::String},      {"ADI", K::String},    {"DEPARTMAN", K::String},
                  {"MIKTAR", K::Double}, {"NETTUTAR", K::Double}, {"TLVERGI", K::Double}, {"TUTAR", K::Double}};
    for (const Toplam *x : sirali)
        t.satirEkle({kes(x->barkod, 50), kes(x->kod, 50), kes(x->adi, 100), kes(x->departman, 50), x->miktar, x->net,
                     x->vergi, yuvarla(x->net + x->vergi)});
    return t;
}

std::shared_ptr<TSiparisDipAyrinti> siparisDip(const QSqlDatabase &db, int carino, int siparis)
{
    Sorgu s(db, QStringLiteral(
        "SELECT s.aciklama, s.durum, COALESCE(k.adi, ''), COALESCE(kf.adi, ''), s.bizim_mesaj, COALESCE(tc.adi, ''), "
        "COALESCE(kc.adi, ''), s.satici_notu FROM siparis s LEFT JOIN kullanici k ON k.id=s.veren_id "
        "LEFT JOIN kargo_firma kf ON kf.id=s.kargo_firma_id LEFT JOIN teslim_cinsi tc ON tc.id=s.teslim_id "
        "LEFT JOIN kargo_cinsi kc ON kc.id=s.kargo_cinsi_id WHERE s.id=? AND (?=0 OR s.cari_id=?)"));
    s.bagla({siparis, carino, carino}).calistir();
    if (!s.sonraki())
        return nullptr;
    auto d = std::make_shared<TSiparisDipAyrinti>();
    d->setSizinMesaj(s.deger(0).toString());
    d->setDurumu(siparisDurumAdi(s.deger(1).toInt()));
    d->setVeren(s.deger(2).toString());
    d->setKargo(s.deger(3).toString());
    d->setBizimMesaj(s.deger(4).toString());
    d->setTeslimCinsi(s.deger(5).toString());
    d->setKargoCinsi(s.deger(6).toString());
    d->setSaticiNotu(s.deger(7).toString());
    return d;
}

enum class BakiyeIslemi { Sil, Miktar, Fiyat };

// One change of an open order line, in one transaction; refusals leave the
// line as it was.
void bakiyeDegistir(Depo &depo, Cagri &c, BakiyeIslemi islem)
{
    const TSonucBilgisi &k = c.bilgiGerekli("k");
    const int stokno = c.tamsayi("stokno");
    const int satir = c.tamsayi("siparissirano");
    const double yeniBakiye = c.ondalik("Bakiye");
    double fiyat = 0, oran = 0;
    if (islem == BakiyeIslemi::Miktar && !(yeniBakiye >= 1))
        throw IslemHatasi(QStringLiteral("Yeni bakiye en az 1 olmalıdır."));
    if (islem == BakiyeIslemi::Fiyat) {
        fiyat = c.ondalik("fiyat");
        oran = c.ondalik("ind");
        if (!(fiyat >= 0))
            throw IslemHatasi(QStringLiteral("Fiyat sıfırdan küçük olamaz."));
        if (!(oran >= 0 && oran <= 100))
            throw IslemHatasi(QStringLiteral("İndirim oranı 0 ile 100 arasında olmalıdır."));
    }

    Islem t(depo);
    const Yetki y = yetkiAl(t.db(), k);
    if (islem == BakiyeIslemi::Fiyat && y.tip != 2)
        throw IslemHatasi(QStringLiteral("Fiyat değiştirme yetkiniz yok."));
    Sorgu s(t.db(), QStringLiteral("SELECT ss.stok_id, ss.miktar, ss.teslim, ss.iptal, s.durum, s.cari_id, "
                                   "ss.birimfiyat, ss.ilkfiyat FROM siparis_satir ss "
                                   "JOIN siparis s ON s.id=ss.siparis_id WHERE ss.id=?"));
    s.bagla(satir).calistir();
    if (!s.sonraki() || s.deger(5).toInt() != k.CARINO() || (stokno != 0 && s.deger(0).toInt() != stokno) ||
        !kapsamda(t.db(), y, s.deger(5).toInt()))
        throw IslemHatasi(QStringLiteral("Sipariş satırı bulunamadı."));
    const double miktar = s.deger(1).toDouble(), teslim = s.deger(2).toDouble();
    if (s.deger(3).toInt() != 0 || !(teslim < miktar) || s.deger(4).toInt() >= 7)
        throw IslemHatasi(QStringLiteral("Bu sipariş satırının açık bakiyesi yok."));
    const double eskiFiyat = s.deger(6).toDouble(), ilkFiyat = s.deger(7).toDouble();
    const int stokId = s.deger(0).toInt();

    // The stock's quantity in received orders follows the open rest.
    auto alinanSiparis = [&t, stokId](double fark) {
        calistir(t.db(), QStringLiteral("UPDATE stok SET alinansiparis=MAX(0, alinansiparis + ?) WHERE id=?"),
                 {fark, stokId});
    };
    const double kalan = miktar - teslim;
    switch (islem) {
    case BakiyeIslemi::Sil:
        calistir(t.db(), QStringLiteral("UPDATE siparis_satir SET iptal=1 WHERE id=?"), {satir});
        alinanSiparis(-kalan);
        break;
    case BakiyeIslemi::Miktar:
        calistir(t.db(), QStringLiteral("UPDATE siparis_satir SET miktar=? WHERE id=?"), {teslim + yeniBakiye, satir});
        alinanSiparis(yeniBakiye - kalan);
        break;
    case BakiyeIslemi::Fiyat:
        // The first price is kept for the record when a line is repriced.
        calistir(t.db(), QStringLiteral("UPDATE siparis_satir SET birimfiyat=?, ind1=?, ilkfiyat=? WHERE id=?"),
                 {yuvarla(fiyat), oran, ilkFiyat > 0 ? ilkFiyat : eskiFiyat, satir});
        break;
    }
    t.onayla();
    c.sonuc(qint32(1));
}

}  // namespace

void gecmisMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    Depo &depo = o.depo;

    d.kaydet("OncekiSiparisler", [&depo](Cagri &c) { c.sonuc(oncekiSiparisler(depo.db(), c.tamsayi("carino"))); });

    d.kaydet("SiparisAyrintisi2", [&depo](Cagri &c) {
        kw::Tablo t;
        t.kolonlar = satirKolonlari();
        Sorgu s(depo.db(), QLatin1String(kSatirSql) + QStringLiteral("WHERE s.id=? AND s.cari_id=? ORDER BY ss.id"));
        s.bagla({c.tamsayi("idnosu"), c.tamsayi("carino")}).calistir();
        satirlariOku(s, Miktar::Etkin, t);
        c.sonuc(std::move(t));
    });

    d.kaydet("SiparisAytintisiDip", [&depo](Cagri &c) {
        c.sonuc(kw::Nesne(siparisDip(depo.db(), c.tamsayi("carino"), c.tamsayi("siranosu"))));
    });

    d.kaydet("BakiyelerVer2", [&depo](Cagri &c) {
        kw::Tablo t;
        t.kolonlar = satirKolonlari();
        Sorgu s(depo.db(), QLatin1String(kSatirSql) +
                               QStringLiteral("WHERE s.cari_id=? AND ss.iptal=0 AND ss.teslim < ss.miktar AND s.durum < 7 "
                                              "ORDER BY s.tarih, s.id, ss.id"));
        s.bagla(c.tamsayi("carino")).calistir();
        satirlariOku(s, Miktar::Kalan, t);
        c.sonuc(std::move(t));
    });

    d.kaydet("BakiyeDuzenle", [&depo](Cagri &c) { bakiyeDegistir(depo, c, BakiyeIslemi::Sil); });
    d.kaydet("BakiyeDegistir", [&depo](Cagri &c) { bakiyeDegistir(depo, c, BakiyeIslemi::Miktar); });
    d.kaydet("BakiyeFiyatDegistir", [&depo](Cagri &c) { bakiyeDegistir(depo, c, BakiyeIslemi::Fiyat); });

    d.kaydet("RaporAlinanSiparisler", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        c.sonuc(alinanSiparisler(db, yetkiAl(db, c.bilgiGerekli("bilgi")), c.ondalik("tarih1"), c.ondalik("tarih2")));
    });

    d.kaydet("RaporEnCokSatilanStoklar", [&depo](Cagri &c) {
        const QSqlDatabase db = depo.db();
        c.sonuc(satilanStoklar(db, yetkiAl(db, c.bilgiGerekli("bilgi")), c.ondalik("tarih1"), c.ondalik("tarih2")));
    });
}

}  // namespace ks
