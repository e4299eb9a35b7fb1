#include "satirlar.h"

#include "protocol/cagri.h"
#include "store/depo.h"

#include <QHash>
#include <vector>

namespace ks {

namespace {

using T = kw::KolonTipi;

// A cell in the type its column declares.
QVariant hucre(const QVariant &v, T tip)
{
    if (v.isNull() || !v.isValid())
        return {};
    // Texts and REAL values come from the store as they travel.
    const int t = v.typeId();
    if ((tip == T::String && t == QMetaType::QString) || (tip == T::Double && t == QMetaType::Double))
        return v;
    switch (tip) {
    case T::Int32: return v.toInt();
    case T::Int64: return v.toLongLong();
    case T::Double:
    case T::Currency: return v.toDouble();
    case T::Bool: return v.toBool();
    case T::String: return v.toString();
    default: return v;
    }
}

template <class V>
struct Kolon {
    const char *ad;
    T tip;
    QVariant (*deger)(const V &);
};

template <class V>
QVector<kw::Kolon> kolonlar(const std::vector<Kolon<V>> &tablo)
{
    QVector<kw::Kolon> k;
    k.reserve(int(tablo.size()));
    for (const Kolon<V> &c : tablo)
        k.push_back({QString::fromLatin1(c.ad), c.tip});
    return k;
}

template <class V>
void satirEkle(kw::Tablo &t, const std::vector<Kolon<V>> &tablo, const V &v)
{
    QVector<QVariant> satir;
    satir.reserve(int(tablo.size()));
    for (const Kolon<V> &c : tablo)
        satir.push_back(hucre(c.deger(v), c.tip));
    t.satirEkle(std::move(satir));
}

// --- stock rows ---

struct StokVerisi {
    const Sorgu &s;
    StokFiyati f;
    QVariant d(int i) const { return s.deger(i); }
};

// Columns of stokSecimi() in order.
enum StokSql {
    sId, sBarkod, sAdi, sDigerAdi, sOem1, sOem2, sOem3, sOem4, sOemNo, sFinishKod, sUreticiKodu, sDpKod, sPKod,
    sBarkodNo, sBirim, sMarka, sModel, sAnaGrup, sOzelKod, sKalan, sAlinan, sVerilen, sKdv, sListe1, sListe2,
    sKampFiyat, sKampanya, sYeni, sDurum1, sDurum2, sResim, sGInd1
};

#define SQLK(ad, tip, i) Kolon<StokVerisi>{ad, tip, [](const StokVerisi &v) { return v.d(i); }}
#define HESAP(ad, tip, ifade) Kolon<StokVerisi>{ad, tip, [](const StokVerisi &v) { return QVariant(ifade); }}

const std::vector<Kolon<StokVerisi>> &stokTablosu()
{
    static const std::vector<Kolon<StokVerisi>> k = {
        SQLK("STOK_STOKNO", T::Int32, sId),
        SQLK("BARKOD", T::String, sBarkod),
        SQLK("ADI", T::String, sAdi),
        SQLK("DIGERADI", T::String, sDigerAdi),
        SQLK("OEM1", T::String, sOem1),
        SQLK("OEM2", T::String, sOem2),
        SQLK("OEM3", T::String, sOem3),
        SQLK("OEM4", T::String, sOem4),
        SQLK("OEMNO", T::String, sOemNo),
        SQLK("FINISHKOD", T::String, sFinishKod),
        SQLK("URETICIKODU", T::String, sUreticiKodu),
        SQLK("DPKOD", T::String, sDpKod),
        SQLK("PKOD", T::String, sPKod),
        SQLK("BARKOD_BARKODNO", T::String, sBarkodNo),
        SQLK("BIRIM", T::String, sBirim),
        SQLK("MARKA", T::String, sMarka),
        SQLK("MODEL", T::String, sModel),
        SQLK("ANAGRUP", T::String, sAnaGrup),
        SQLK("OZELKOD", T::String, sOzelKod),
        SQLK("KALAN", T::Double, sKalan),
        SQLK("ALINANSIPARIS", T::Double, sAlinan),
        SQLK("VERILENSIPARIS", T::Double, sVerilen),
        SQLK("KDV", T::Double, sKdv),
        HESAP("LISTEFIYAT1", T::Double, v.f.listeFiyati),
        HESAP("KAMPFIYAT", T::Double, v.f.kampFiyati),
        HESAP("FIYAT", T::Double, v.f.fiyat),
        HESAP("IND1", T::Double, v.f.oranlar[0]),
        HESAP("IND2", T::Double, v.f.oranlar[1]),
        HESAP("IND3", T::Double, v.f.oranlar[2]),
        HESAP("IND4", T::Double, v.f.oranlar[3]),
        HESAP("INDIRIMYAZI", T::String, v.f.indirimYazi),
        HESAP("NETFIYAT", T::Double, v.f.netFiyat),
        HESAP("KDVDAHIL", T::Double, v.f.kdvDahil),
        HESAP("Y", T::Int32, v.d(sYeni).toInt() != 0 ? 1 : 0),
        HESAP("K", T::Int32, v.f.kampanyali ? 1 : 0),
        SQLK("DURUM", T::Int32, sDurum1),
        SQLK("DEPOIKIDURUM", T::Int32, sDurum2),
        HESAP("RESIM", T::Int32, v.d(sResim).toInt() > 0 ? 1 : 0),
    };
    return k;
}

const std::vector<Kolon<StokVerisi>> &yeniEkleri()
{
    static const std::vector<Kolon<StokVerisi>> k = {
        HESAP("INDIRIM", T::Double, v.f.indirim),
    };
    return k;
}

const std::vector<Kolon<StokVerisi>> &kampanyaEkleri()
{
    static const std::vector<Kolon<StokVerisi>> k = {
        HESAP("ESKIFIYAT", T::Double, v.f.listeFiyati),
        HESAP("INDIRIM", T::Double, v.f.indirim),
    };
    return k;
}

#undef SQLK
#undef HESAP

const std::vector<Kolon<StokVerisi>> &stokTablosu(StokEki ek)
{
    static const auto birlestir = [](const std::vector<Kolon<StokVerisi>> &ekler) {
        std::vector<Kolon<StokVerisi>> k = stokTablosu();
        k.insert(k.end(), ekler.begin(), ekler.end());
        return k;
    };
    static const std::vector<Kolon<StokVerisi>> yeni = birlestir(yeniEkleri());
    static const std::vector<Kolon<StokVerisi>> kampanya = birlestir(kampanyaEkleri());
    switch (ek) {
    case StokEki::Yeni: return yeni;
    case StokEki::Kampanya: return kampanya;
    default: return stokTablosu();
    }
}

// --- basket and order lines ---

struct SatirHesabi {
    const SatirVerisi &v;
    SatirTutari t;
    explicit SatirHesabi(const SatirVerisi &x) : v(x), t(satirTutari(x.miktar, x.birimFiyat, x.oranlar, x.kdv)) {}
    double kalan() const { return v.iptal ? 0 : qMax(0.0, v.miktar - v.teslim); }
};

QString saatMetni(const QTime &t)
{
    if (!t.isValid())
        return QString();
    const int h = t.hour(), m = t.minute();
    const QChar c[5] = {QChar(u'0' + h / 10), QChar(u'0' + h % 10), QChar(u':'), QChar(u'0' + m / 10),
                        QChar(u'0' + m % 10)};
    return QString(c, 5);
}

// A stored local time. Building a local QDateTime asks the C library for the
// zone every time; the same texts come back with every basket read.
QDateTime yerelZaman(const QString &metin)
{
    thread_local QHash<QString, QDateTime> onbellek;
    const auto it = onbellek.constFind(metin);
    if (it != onbellek.constEnd())
        return *it;
    if (onbellek.size() >= 4096)
        onbellek.clear();
    const QDateTime z = QDateTime::fromString(metin, Qt::ISODate);
    onbellek.insert(metin, z);
    return z;
}

#define K(ad, tip, ifade) Kolon<SatirHesabi>{ad, tip, [](const SatirHesabi &h) { const SatirVerisi &v = h.v; (void)v; return QVariant(ifade); }}

// Columns the basket and the order history have alike.
std::vector<Kolon<SatirHesabi>> ortakSatirKolonlari()
{
    return {
        K("SIRANO", T::Int32, v.sirano),
        K("SIPARISNO", T::Int32, v.siparisNo),
        K("STOKNO", T::Int32, v.stokNo),
        K("BARKOD", T::String, v.barkod),
        K("STOKADI", T::String, v.stokAdi),
        K("MARKA", T::String, v.marka),
        K("FINISHKOD", T::String, v.finishKod),
        K("MODEL", T::String, v.model),
        K("MIKTAR", T::Double, v.miktar),
        K("BIRIMFIYAT", T::Double, v.birimFiyat),
        K("TUTAR", T::Double, h.t.tutar),
        K("INDIRIMORANI1", T::Double, v.oranlar[0]),
        K("INDIRIMORANI2", T::Double, v.oranlar[1]),
        K("INDIRIMORANI3", T::Double, v.oranlar[2]),
        K("INDIRIMORANI4", T::Double, v.oranlar[3]),
        K("INDIRIMYAZI", T::String, indirimYazisi(v.oranlar)),
        K("INDIRIMTUTAR", T::Double, h.t.indirimTutar),
        K("NETBIRIMFIYAT", T::Double, h.t.netBirimFiyat),
        K("KDV", T::Double, v.kdv),
        K("VERGITUTARI", T::Double, h.t.vergiTutari),
        K("NETTUTAR", T::Double, h.t.netTutar),
        K("VERILISTARIHI", T::DateTime, v.verilis),
        K("VEREN", T::String, v.veren),
        K("CARINO", T::Int32, v.cariNo),
        K("TARIH", T::Date, v.tarih),
        K("AKTAR", T::Int32, 0),
        K("KUR", T::String, QStringLiteral("TL")),
        K("KURTL", T::Double, 1.0),
        K("VERENIDNO", T::Int32, v.verenId),
        K("SAAT", T::String, saatMetni(v.verilis.time())),
        K("TESLIMID", T::Int32, v.teslimId),
        K("KARGOID", T::Int32, v.kargoId),
        K("ACIKLAMA", T::String, v.aciklama),
        K("IDNO", T::Int32, v.sirano),
        K("VERENSIRANO", T::Int32, v.verenId),
        K("CARIKOD", T::String, v.cariKod),
        K("CARIADI", T::String, v.cariAdi),
        K("OEM1", T::String, v.oem1),
        K("OEM2", T::String, v.oem2),
        K("OEM3", T::String, v.oem3),
        K("OEM4", T::String, v.oem4),
        K("OEMNO", T::String, v.oemNo),
        K("STOK_STOKNO", T::Int32, v.stokNo),
        K("URETICIKODU", T::String, v.ureticiKodu),
        K("DIGERADI", T::String, v.digerAdi),
        K("DPKOD", T::String, v.dpKod),
        K("ANAGRUP", T::String, v.anaGrup),
        K("OZELKOD", T::String, v.ozelKod),
        K("PKOD", T::String, v.pKod),
        K("DURUM", T::Int32, v.stokDurumu),
    };
}

const std::vector<Kolon<SatirHesabi>> &sepetTablosu()
{
    static const std::vector<Kolon<SatirHesabi>> k = [] {
        std::vector<Kolon<SatirHesabi>> l = ortakSatirKolonlari();
        l.insert(l.begin() + 1, K("SEC", T::Int32, v.sec));
        l.push_back(K("KALAN", T::Double, v.eldeki));   // on hand, for representatives
        return l;
    }();
    return k;
}

const std::vector<Kolon<SatirHesabi>> &siparisGecmisiTablosu()
{
    static const std::vector<Kolon<SatirHesabi>> k = [] {
        std::vector<Kolon<SatirHesabi>> l = ortakSatirKolonlari();
        for (const auto &c : {
                 K("TESLIMEDILEN", T::Double, v.teslim),
                 K("KALAN", T::Double, h.kalan()),   // still to deliver
                 K("ELDEKI", T::Double, v.eldeki),
                 K("ILKFIYAT", T::Double, v.ilkFiyat),
                 K("TESLIM", T::String, v.teslimAdi),
                 K("KARGO", T::String, v.kargoAdi),
                 K("STOKHAR_NO", T::Int32, v.sirano),
                 K("ALINANSIPARIS", T::Double, v.alinanSiparis),
                 K("VERILENSIPARIS", T::Double, v.verilenSiparis),
                 K("SIPARISDURUMU", T::Int32, v.siparisDurumu),
             })
            l.push_back(c);
        return l;
    }();
    return k;
}

#undef K

// The stock, dealer and giver part of every line SELECT.
constexpr const char *kSatirStokKolonlari =
    "c.kod, c.adi, s.barkod, s.adi, s.marka, s.model, s.finishkod, s.oem1, s.oem2, s.oem3, s.oem4, s.oemno, "
    "s.ureticikodu, s.digeradi, s.dpkod, s.anagrup, s.ozelkod, s.pkod, s.kalan, s.durum1, s.alinansiparis, "
    "s.verilensiparis, COALESCE(k.adi, '')";

}  // namespace

CariFiyat cariFiyatBul(const QSqlDatabase &db, int carino)
{
    Sorgu s(db, QStringLiteral(
        "SELECT c.id, c.kod, c.adi, c.ind1, c.ind2, c.ind3, c.ind4, c.fiyat_listesi, "
        // Campaigns are for dealers whose users see them: an account whose
        // dealer users are all of type 4 gets list prices only.
        "NOT (EXISTS(SELECT 1 FROM kullanici u WHERE u.cari_id = c.id AND u.tip = 4) "
        "     AND NOT EXISTS(SELECT 1 FROM kullanici u WHERE u.cari_id = c.id AND u.tip = 3)) "
        "FROM cari c WHERE c.id = ?"));
    s.bagla(carino).calistir();
    if (!s.sonraki())
        throw IslemHatasi(QStringLiteral("Cari bulunamadı (%1)").arg(carino));
    CariFiyat c;
    c.id = s.deger(0).toInt();
    c.kod = s.deger(1).toString();
    c.adi = s.deger(2).toString();
    for (int i = 0; i < 4; ++i)
        c.oranlar[size_t(i)] = s.deger(3 + i).toDouble();
    c.fiyatListesi = s.deger(7).toInt();
    c.kampanyaGorur = s.deger(8).toInt() != 0;
    return c;
}

QString stokSecimi()
{
    return QStringLiteral(
        "s.id, s.barkod, s.adi, s.digeradi, s.oem1, s.oem2, s.oem3, s.oem4, s.oemno, s.finishkod, s.ureticikodu, "
        "s.dpkod, s.pkod, s.barkodno, s.birim, s.marka, s.model, s.anagrup, s.ozelkod, s.kalan, s.alinansiparis, "
        "s.verilensiparis, s.kdv, s.listefiyat1, s.listefiyat2, s.kampfiyat, s.kampanya, s.yeni, s.durum1, "
        "s.durum2, s.resim_sayisi, g.ind1, g.ind2, g.ind3, g.ind4");
}

QString grupIndirimiBaglantisi()
{
    return QStringLiteral(" LEFT JOIN cari_grup_indirim g ON g.cari_id = ? AND g.anagrup = s.anagrup ");
}

QVector<kw::Kolon> stokKolonlari(StokEki ek) { return kolonlar(stokTablosu(ek)); }

void stokSatiriEkle(kw::Tablo &t, const Sorgu &s, const CariFiyat &c, bool kampanyaGorur, StokEki ek)
{
    StokFiyatGirdisi g;
    g.listeFiyati1 = s.deger(sListe1).toDouble();
    g.listeFiyati2 = s.deger(sListe2).toDouble();
    g.fiyatListesi = c.fiyatListesi;
    g.kampFiyati = s.deger(sKampFiyat).toDouble();
    g.kampanyada = s.deger(sKampanya).toInt() != 0;
    g.kampanyaGorur = kampanyaGorur && c.kampanyaGorur;
    g.kdv = s.deger(sKdv).toDouble();
    if (s.deger(sGInd1).isNull()) {
        g.oranlar = c.oranlar;
    } else {
        for (int i = 0; i < 4; ++i)
            g.oranlar[size_t(i)] = s.deger(sGInd1 + i).toDouble();
    }
    satirEkle(t, stokTablosu(ek), StokVerisi{s, stokFiyati(g)});
}

QString sepetSatirSecimi()
{
    return QStringLiteral(
               "SELECT sp.id, 0, sp.sec, sp.stok_id, sp.cari_id, sp.miktar, sp.birimfiyat, sp.birimfiyat, 0, 0, "
               "sp.ind1, sp.ind2, sp.ind3, sp.ind4, sp.kdv, sp.verilis, sp.verilis, COALESCE(sp.veren_id, 0), 0, 0, "
               "sp.aciklama, '', '', 0, %1 "
               "FROM sepet sp JOIN stok s ON s.id = sp.stok_id JOIN cari c ON c.id = sp.cari_id "
               "LEFT JOIN kullanici k ON k.id = sp.veren_id ")
        .arg(QLatin1String(kSatirStokKolonlari));
}

QString siparisSatirSecimi()
{
    return QStringLiteral(
               "SELECT ss.id, ss.siparis_id, 0, ss.stok_id, si.cari_id, ss.miktar, ss.birimfiyat, ss.ilkfiyat, "
               "ss.teslim, ss.iptal, ss.ind1, ss.ind2, ss.ind3, ss.ind4, ss.kdv, "
               "CASE WHEN ss.verilis <> '' THEN ss.verilis ELSE si.tarih END, si.tarih, "
               "COALESCE(ss.veren_id, si.veren_id, 0), COALESCE(si.teslim_id, 0), COALESCE(si.kargo_firma_id, 0), "
               "si.aciklama, COALESCE(tc.adi, ''), COALESCE(kf.adi, ''), si.durum, %1 "
               "FROM siparis_satir ss JOIN siparis si ON si.id = ss.siparis_id "
               "JOIN stok s ON s.id = ss.stok_id JOIN cari c ON c.id = si.cari_id "
               "LEFT JOIN kullanici k ON k.id = COALESCE(ss.veren_id, si.veren_id) "
               "LEFT JOIN teslim_cinsi tc ON tc.id = si.teslim_id LEFT JOIN kargo_firma kf ON kf.id = si.kargo_firma_id ")
        .arg(QLatin1String(kSatirStokKolonlari));
}

SatirVerisi satirOku(const Sorgu &s)
{
    SatirVerisi v;
    int i = 0;
    auto d = [&] { return s.deger(i++); };
    v.sirano = d().toInt();
    v.siparisNo = d().toInt();
    v.sec = d().toInt();
    v.stokNo = d().toInt();
    v.cariNo = d().toInt();
    v.miktar = d().toDouble();
    v.birimFiyat = d().toDouble();
    v.ilkFiyat = d().toDouble();
    v.teslim = d().toDouble();
    v.iptal = d().toInt() != 0;
    for (double &o : v.oranlar)
        o = d().toDouble();
    v.kdv = d().toDouble();
    v.verilis = yerelZaman(d().toString());
    v.tarih = QDate::fromString(d().toString().left(10), Qt::ISODate);
    v.verenId = d().toInt();
    v.teslimId = d().toInt();
    v.kargoId = d().toInt();
    v.aciklama = d().toString();
    v.teslimAdi = d().toString();
    v.kargoAdi = d().toString();
    v.siparisDurumu = d().toInt();
    v.cariKod = d().toString();
    v.cariAdi = d().toString();
    for (QString *m : {&v.barkod, &v.stokAdi, &v.marka, &v.model, &v.finishKod, &v.oem1, &v.oem2, &v.oem3, &v.oem4,
                       &v.oemNo, &v.ureticiKodu, &v.digerAdi, &v.dpKod, &v.anaGrup, &v.ozelKod, &v.pKod})
        *m = d().toString();
    v.eldeki = d().toDouble();
    v.stokDurumu = d().toInt();
    v.alinanSiparis = d().toDouble();
    v.verilenSiparis = d().toDouble();
    v.veren = d().toString();
    return v;
}

QVector<kw::Kolon> sepetKolonlari() { return kolonlar(sepetTablosu()); }
QVector<kw::Kolon> siparisGecmisiKolonlari() { return kolonlar(siparisGecmisiTablosu()); }

void sepetSatiriEkle(kw::Tablo &t, const SatirVerisi &v) { satirEkle(t, sepetTablosu(), SatirHesabi(v)); }
void siparisGecmisiSatiriEkle(kw::Tablo &t, const SatirVerisi &v) { satirEkle(t, siparisGecmisiTablosu(), SatirHesabi(v)); }

}  // namespace ks
