#include "proxim.h"

#include "kodlayici.h"

#include <cstring>

using proxy_detay::Arguman;

TServerMethods1Client::TServerMethods1Client(TBaglanti *ADBXConnection)
    : TServerMethods1Client(ADBXConnection, true)
{
}

TServerMethods1Client::TServerMethods1Client(TBaglanti *ADBXConnection, bool AInstanceOwner)
    : baglanti_(ADBXConnection), sahip_(AInstanceOwner)
{
}

TServerMethods1Client::~TServerMethods1Client() = default;

bool TServerMethods1Client::uyar(const kw::Metot &m, const Arguman *p, size_t n, const Arguman &sonuc)
{
    auto ayniSinif = [](const char *a, const char *b) {
        return (a == nullptr) == (b == nullptr) && (!a || std::strcmp(a, b) == 0);
    };
    if (m.parametreler.size() != n || m.sonuc != sonuc.tip || !ayniSinif(m.sonucSinifi, sonuc.sinif))
        return false;
    for (size_t i = 0; i < n; ++i) {
        const kw::Parametre &k = m.parametreler[i];
        if (k.yon != p[i].yon || k.tip != p[i].tip || !ayniSinif(k.sinif, p[i].sinif))
            return false;
    }
    return true;
}

const kw::Metot &TServerMethods1Client::metotAl(const char *ad, const Arguman *p, size_t n, const Arguman &sonuc) const
{
    const kw::Metot *m = kw::metotBul(QString::fromLatin1(ad));
    if (!m)
        throw EUzakHata(QStringLiteral("%1 metot kataloğunda yok").arg(QLatin1String(ad)));
    if (!uyar(*m, p, n, sonuc))
        throw EUzakHata(QStringLiteral("%1: vekil imzası metot kataloğuna uymuyor").arg(QLatin1String(ad)));
    return *m;
}

QVector<kw::Deger> TServerMethods1Client::yurut(const kw::Metot &m, const QVector<kw::Deger> &girdiler)
{
    const QString ad = QLatin1String(m.ad);
    QByteArray istek;
    try {
        istek = kw::istekYaz(m, girdiler);
    } catch (const std::exception &e) {
        throw EUzakHata(QStringLiteral("%1 çağrısı hazırlanamadı: %2").arg(ad, QString::fromStdString(e.what())));
    }
    if (!baglanti_)
        throw EUzakHata(QStringLiteral("Bağlantı açık değil"));
    const HttpYanit y = baglanti_->gonder(ad, istek);
    if (y.durum != 200) {
        QString mesaj = kw::hataOku(y.govde);
        if (mesaj.isEmpty())
            mesaj = QStringLiteral("%1: sunucu HTTP %2 cevabı verdi").arg(ad).arg(y.durum);
        throw EUzakHata(mesaj, y.durum);
    }
    QVector<kw::Deger> c;
    try {
        c = kw::cevapOku(m, y.govde);
    } catch (const std::exception &e) {
        throw EUzakHata(QStringLiteral("%1: sunucunun cevabı okunamadı: %2").arg(ad, QString::fromStdString(e.what())),
                        y.durum);
    }
    // A stream's out size must be the length that arrived.
    if (m.sonuc == kw::Tip::Akis) {
        int i = 0;
        for (const kw::Parametre &p : m.parametreler) {
            if (p.yon != kw::Yon::Cikti)
                continue;
            if (p.tip == kw::Tip::Int64) {
                const qint64 bildirilen = std::get<qint64>(c[i]);
                const qint64 gelen = std::get<QByteArray>(c.back()).size();
                if (bildirilen != gelen)
                    throw EUzakHata(QStringLiteral("%1: akış boyu uyuşmuyor (bildirilen %2, gelen %3 bayt)")
                                        .arg(ad).arg(bildirilen).arg(gelen),
                                    y.durum);
            }
            ++i;
        }
    }
    return c;
}

kw::Kayit *TServerMethods1Client::nesneSakla(const kw::Metot &m, kw::Nesne n)
{
    if (!n)
        return nullptr;
    if (!sahip_)
        return n->kopya().release();
    kw::Kayit *k = n.get();
    nesneler_[&m] = std::move(n);
    return k;
}

const kw::Tablo *TServerMethods1Client::tabloSakla(kw::Tablo t)
{
    tablolar_.push_back(std::make_unique<kw::Tablo>(std::move(t)));
    return tablolar_.back().get();
}

namespace {

// Puts one argument of a proxy method where it goes: an input into the
// call's values, an out Int64 into the list of places to fill afterwards.
template <class X>
void topla(QVector<kw::Deger> &girdiler, qint64 **ciktilar, int &ciktiSayisi, X &&x)
{
    using D = std::remove_cvref_t<X>;
    if constexpr (std::is_same_v<X, qint64 &>)
        ciktilar[ciktiSayisi++] = &x;
    else if constexpr (proxy_detay::benzersiz_mi<D>::value)
        girdiler.push_back(kw::Nesne(std::move(x)));   // consumed
    else if constexpr (std::is_same_v<D, int>)
        girdiler.push_back(kw::Deger(std::in_place_type<qint32>, x));
    else
        girdiler.push_back(kw::Deger(std::in_place_type<D>, x));
}

}  // namespace

template <class R, class... A>
R TServerMethods1Client::cagir(const char *ad, A &&...a)
{
    using namespace proxy_detay;
    static constexpr Arguman imza[] = {argumanOf<A>()..., Arguman{}};
    static constexpr Arguman sonuc = sonucOf<R>();
    const kw::Metot &m = metotAl(ad, imza, sizeof...(A), sonuc);
    if constexpr (sonuc.tip == kw::Tip::Nesne)
        nesneler_.erase(&m);   // the earlier result of this method goes now

    QVector<kw::Deger> girdiler;
    qint64 *ciktilar[sizeof...(A) + 1] = {};
    int ciktiSayisi = 0;
    (topla(girdiler, ciktilar, ciktiSayisi, std::forward<A>(a)), ...);

    QVector<kw::Deger> c = yurut(m, girdiler);
    for (int i = 0; i < ciktiSayisi; ++i)
        *ciktilar[i] = std::get<qint64>(c[i]);

    if constexpr (std::is_void_v<R>) {
        return;
    } else {
        kw::Deger &d = c.back();
        if constexpr (sonuc.tip == kw::Tip::Nesne)
            return static_cast<R>(nesneSakla(m, std::get<kw::Nesne>(std::move(d))));
        else if constexpr (sonuc.tip == kw::Tip::Tablo)
            return tabloSakla(std::get<kw::Tablo>(std::move(d)));
        else if constexpr (sonuc.tip == kw::Tip::Tamsayi)
            return std::get<qint32>(d);
        else
            return std::get<R>(std::move(d));
    }
}

// Each method names itself through __func__, so the name on the wire is
// the C++ name; cagir() checks the types against the catalogue.

TSonucBilgisi *TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    return cagir<TSonucBilgisi *>(__func__, idsi);
}

kw::Tablo TServerMethods1Client::StokAraGetirTarvel(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi)
{
    return cagir<kw::Tablo>(__func__, kod, std::move(bilgi));
}

QByteArray TServerMethods1Client::ResimVer5(int stokno, qint64 &boy)
{
    return cagir<QByteArray>(__func__, stokno, boy);
}

kw::Tablo TServerMethods1Client::YenilerVer2(int carino) { return cagir<kw::Tablo>(__func__, carino); }

kw::Tablo TServerMethods1Client::KampanyaliVer2(int cario, int satici)
{
    return cagir<kw::Tablo>(__func__, cario, satici);
}

kw::Tablo TServerMethods1Client::StokHareketVer(int carino, int stokno)
{
    return cagir<kw::Tablo>(__func__, carino, stokno);
}

const kw::Tablo *TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    return cagir<const kw::Tablo *>(__func__, carino, stokno);
}

kw::Tablo TServerMethods1Client::SepetVer2(int carino) { return cagir<kw::Tablo>(__func__, carino); }

int TServerMethods1Client::SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                      const QString &barkod, const QString &stokadi, double miktar, double kdv,
                                      double fiyat, double ind1, int verenid, int k, double ind2, double ind3,
                                      double ind4)
{
    return cagir<int>(__func__, std::move(bilgim), carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1,
                      verenid, k, ind2, ind3, ind4);
}

int TServerMethods1Client::SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                          const QString &barkod, const QString &stokadi, double miktar, double kdv,
                                          double fiyat, double ind1, int verenid, int _sepetsirano, double ind2,
                                          double ind3, double ind4)
{
    return cagir<int>(__func__, std::move(bilgim), carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1,
                      verenid, _sepetsirano, ind2, ind3, ind4);
}

int TServerMethods1Client::SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString &aciklamam)
{
    return cagir<int>(__func__, std::move(bilgi), satirno, aciklamam);
}

int TServerMethods1Client::SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi)
{
    return cagir<int>(__func__, std::move(bilgi));
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim) { cagir<void>(__func__, sirano, secim); }

bool TServerMethods1Client::SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                                          const QString &_aciklama, int _verenid, int _kargoyeni)
{
    return cagir<bool>(__func__, std::move(BB), _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni);
}

const kw::Tablo *TServerMethods1Client::TeslimVer() { return cagir<const kw::Tablo *>(__func__); }

const kw::Tablo *TServerMethods1Client::KargoVer() { return cagir<const kw::Tablo *>(__func__); }

const kw::Tablo *TServerMethods1Client::KargolarVer(int gn) { return cagir<const kw::Tablo *>(__func__, gn); }

const kw::Tablo *TServerMethods1Client::CariEkstreVer(int carino)
{
    return cagir<const kw::Tablo *>(__func__, carino);
}

const kw::Tablo *TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    return cagir<const kw::Tablo *>(__func__, carino, idnosu);
}

const kw::Tablo *TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    return cagir<const kw::Tablo *>(__func__, idnosu);
}

const kw::Tablo *TServerMethods1Client::Tahsilat(int idnosu) { return cagir<const kw::Tablo *>(__func__, idnosu); }

int TServerMethods1Client::SanalposSiranoVer(int idnosu) { return cagir<int>(__func__, idnosu); }

QByteArray TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64 &boy)
{
    return cagir<QByteArray>(__func__, sirano, boy);
}

const kw::Tablo *TServerMethods1Client::OncekiSiparisler(int carino)
{
    return cagir<const kw::Tablo *>(__func__, carino);
}

const kw::Tablo *TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu)
{
    return cagir<const kw::Tablo *>(__func__, carino, idnosu);
}

TSiparisDipAyrinti *TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    return cagir<TSiparisDipAyrinti *>(__func__, carino, siranosu);
}

const kw::Tablo *TServerMethods1Client::BakiyelerVer2(int carino)
{
    return cagir<const kw::Tablo *>(__func__, carino);
}

int TServerMethods1Client::BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                         int siparissirano, double Adet, double Bakiye, const QString &barkod)
{
    return cagir<int>(__func__, std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod);
}

int TServerMethods1Client::BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                          int siparissirano, double Adet, double Bakiye, const QString &barkod)
{
    return cagir<int>(__func__, std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod);
}

int TServerMethods1Client::BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                               int siparissirano, double Adet, double Bakiye, const QString &barkod,
                                               double fiyat, double ind)
{
    return cagir<int>(__func__, std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod, fiyat, ind);
}

const kw::Tablo *TServerMethods1Client::RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                                              double tarih2)
{
    return cagir<const kw::Tablo *>(__func__, std::move(bilgi), tarih1, tarih2);
}

const kw::Tablo *TServerMethods1Client::RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi,
                                                                 double tarih1, double tarih2)
{
    return cagir<const kw::Tablo *>(__func__, std::move(bilgi), tarih1, tarih2);
}

const kw::Tablo *TServerMethods1Client::CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString &aranan)
{
    return cagir<const kw::Tablo *>(__func__, std::move(bil), aranan);
}

int TServerMethods1Client::SepetSayisi(std::unique_ptr<TSonucBilgisi> bil)
{
    return cagir<int>(__func__, std::move(bil));
}

TTusSonuclari *TServerMethods1Client::TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil)
{
    return cagir<TTusSonuclari *>(__func__, std::move(bil));
}

const kw::Tablo *TServerMethods1Client::CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n)
{
    return cagir<const kw::Tablo *>(__func__, std::move(bil), n);
}

QByteArray TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi,
                                             double tarih1, double tarih2, qint64 &size)
{
    return cagir<QByteArray>(__func__, raporno, bolum, idno, carino, saticiadi, tarih1, tarih2, size);
}

QString TServerMethods1Client::KayanYaziGetir() { return cagir<QString>(__func__); }

QByteArray TServerMethods1Client::BannerResimVer(qint64 &size) { return cagir<QByteArray>(__func__, size); }

QByteArray TServerMethods1Client::BannerResimVer2(qint64 &size) { return cagir<QByteArray>(__func__, size); }

QByteArray TServerMethods1Client::BannerResimVer3(qint64 &size) { return cagir<QByteArray>(__func__, size); }

int TServerMethods1Client::AcilisReklamAdet() { return cagir<int>(__func__); }

TAcilisEkran *TServerMethods1Client::AcilisREklamVer(int sira) { return cagir<TAcilisEkran *>(__func__, sira); }

TAcilisEkranlariki *TServerMethods1Client::AcilisEkranlarVer2() { return cagir<TAcilisEkranlariki *>(__func__); }

const kw::Tablo *TServerMethods1Client::BalonGetir(std::unique_ptr<TSonucBilgisi> bil)
{
    return cagir<const kw::Tablo *>(__func__, std::move(bil));
}

QString TServerMethods1Client::CariDurumVer(int carino) { return cagir<QString>(__func__, carino); }

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino) { return cagir<QString>(__func__, carino); }

TMobilCariBilgisi *TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString &_idsi)
{
    return cagir<TMobilCariBilgisi *>(__func__, sirano, _idsi);
}

int TServerMethods1Client::MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                          const QString &adres1, const QString &adres2, const QString &ilce,
                                          const QString &sehir, const QString &telefon, const QString &fax,
                                          const QString &vd, const QString &vn, const QString &yetkili,
                                          const QString &kullaniciadi, const QString &sifre, const QString &mail,
                                          const QString &kargoambar)
{
    return cagir<int>(__func__, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                      kullaniciadi, sifre, mail, kargoambar);
}

int TServerMethods1Client::MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                                const QString &adres1, const QString &adres2, const QString &ilce,
                                                const QString &sehir, const QString &telefon, const QString &fax,
                                                const QString &vd, const QString &vn, const QString &yetkili,
                                                const QString &kullaniciadi, const QString &sifre,
                                                const QString &mail, const QString &kargoambar, const QString &konu)
{
    return cagir<int>(__func__, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                      kullaniciadi, sifre, mail, kargoambar, konu);
}

namespace {

template <class R, class... P>
TServerMethods1Client::Imza imzaAl(const char *ad, R (TServerMethods1Client::*)(P...))
{
    return {ad, {proxy_detay::argumanOf<P>()...}, proxy_detay::sonucOf<R>()};
}

}  // namespace

#define IMZA(M) imzaAl(#M, &TServerMethods1Client::M)

const std::vector<TServerMethods1Client::Imza> &TServerMethods1Client::imzalar()
{
    static const std::vector<Imza> v{
        IMZA(BuyukGetir), IMZA(StokAraGetirTarvel), IMZA(ResimVer5), IMZA(YenilerVer2), IMZA(KampanyaliVer2),
        IMZA(StokHareketVer), IMZA(TumSiparislerVer), IMZA(SepetVer2), IMZA(SepetEkle2), IMZA(SepetGuncelle2),
        IMZA(SepetSatirSil), IMZA(SepetHepsiniSil), IMZA(SepetSecimGuncelle), IMZA(SiparisKaydet), IMZA(TeslimVer),
        IMZA(KargoVer), IMZA(KargolarVer), IMZA(CariEkstreVer), IMZA(FaturaGetir), IMZA(FaturaAltGetir),
        IMZA(Tahsilat), IMZA(SanalposSiranoVer), IMZA(SAnalPosPdfVer), IMZA(OncekiSiparisler),
        IMZA(SiparisAyrintisi2), IMZA(SiparisAytintisiDip), IMZA(BakiyelerVer2), IMZA(BakiyeDuzenle),
        IMZA(BakiyeDegistir), IMZA(BakiyeFiyatDegistir), IMZA(RaporAlinanSiparisler),
        IMZA(RaporEnCokSatilanStoklar), IMZA(CariAra), IMZA(SepetSayisi), IMZA(TusSonuclariVer),
        IMZA(CariSepetVer), IMZA(RaporGetir), IMZA(KayanYaziGetir), IMZA(BannerResimVer), IMZA(BannerResimVer2),
        IMZA(BannerResimVer3), IMZA(AcilisReklamAdet), IMZA(AcilisREklamVer), IMZA(AcilisEkranlarVer2),
        IMZA(BalonGetir), IMZA(CariDurumVer), IMZA(CariVadeGunGecmismiBul), IMZA(MobilCariBilgisiGetir),
        IMZA(MailGonserCari), IMZA(MailGonserCariNormal),
    };
    return v;
}
