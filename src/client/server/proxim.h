// The client proxy of the server's remote methods. One public method per
// catalogue entry, named and typed as the catalogue says; every one of them
// goes through cagir(), which checks its C++ signature against the catalogue
// and encodes and decodes with the wire codec.
//
// Ownership (instance owner true, the usual case):
//  - object arguments are consumed; nullptr sends null;
//  - an object result belongs to the proxy and stays valid until the same
//    method is called again on this proxy or the proxy is destroyed; nullptr
//    stands for null;
//  - a table result belongs to the proxy until it is destroyed;
//  - data packets and streams are values; a stream's out size is its length.
// With instance owner false an object result is handed to the caller, who
// deletes it. Every failure is an EUzakHata; the proxy does not retry.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"
#include "deger.h"
#include "metotlar.h"
#include "mobilstokunit.h"
#include "tablo.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <map>
#include <memory>
#include <type_traits>
#include <vector>

namespace proxy_detay {

struct Arguman {
    kw::Yon yon;
    kw::Tip tip;
    const char *sinif = nullptr;
};

template <class> inline constexpr bool hep_yanlis = false;
template <class> struct benzersiz_mi : std::false_type {};
template <class T> struct benzersiz_mi<std::unique_ptr<T>> : std::true_type { using tip = T; };

// How a parameter type of a proxy method travels. An out Int64 is a
// non-const qint64 reference.
template <class A>
constexpr Arguman argumanOf()
{
    using D = std::remove_cvref_t<A>;
    if constexpr (std::is_same_v<A, qint64 &>)
        return {kw::Yon::Cikti, kw::Tip::Int64};
    else if constexpr (std::is_same_v<D, QString>)
        return {kw::Yon::Girdi, kw::Tip::Metin};
    else if constexpr (std::is_same_v<D, int>)
        return {kw::Yon::Girdi, kw::Tip::Tamsayi};
    else if constexpr (std::is_same_v<D, double>)
        return {kw::Yon::Girdi, kw::Tip::Ondalik};
    else if constexpr (std::is_same_v<D, bool>)
        return {kw::Yon::Girdi, kw::Tip::Mantik};
    else if constexpr (benzersiz_mi<D>::value)
        return {kw::Yon::Girdi, kw::Tip::Nesne, benzersiz_mi<D>::tip::TIP};
    else
        static_assert(hep_yanlis<A>, "no wire type for this parameter");
}

// How the result type of a proxy method travels.
template <class R>
constexpr Arguman sonucOf()
{
    if constexpr (std::is_void_v<R>)
        return {kw::Yon::Cikti, kw::Tip::Yok};
    else if constexpr (std::is_same_v<R, QString>)
        return {kw::Yon::Cikti, kw::Tip::Metin};
    else if constexpr (std::is_same_v<R, int>)
        return {kw::Yon::Cikti, kw::Tip::Tamsayi};
    else if constexpr (std::is_same_v<R, bool>)
        return {kw::Yon::Cikti, kw::Tip::Mantik};
    else if constexpr (std::is_same_v<R, double>)
        return {kw::Yon::Cikti, kw::Tip::Ondalik};
    else if constexpr (std::is_same_v<R, const kw::Tablo *>)
        return {kw::Yon::Cikti, kw::Tip::Tablo};
    else if constexpr (std::is_same_v<R, kw::Tablo>)
        return {kw::Yon::Cikti, kw::Tip::VeriPaketi};
    else if constexpr (std::is_same_v<R, QByteArray>)
        return {kw::Yon::Cikti, kw::Tip::Akis};
    else if constexpr (std::is_pointer_v<R> && std::is_base_of_v<kw::Kayit, std::remove_pointer_t<R>>)
        return {kw::Yon::Cikti, kw::Tip::Nesne, std::remove_pointer_t<R>::TIP};
    else
        static_assert(hep_yanlis<R>, "no wire type for this result");
}

}  // namespace proxy_detay

class TServerMethods1Client {
public:
    explicit TServerMethods1Client(TBaglanti *ADBXConnection);
    TServerMethods1Client(TBaglanti *ADBXConnection, bool AInstanceOwner);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    // Session
    TSonucBilgisi *BuyukGetir(const QString &idsi);
    // Product catalogue
    kw::Tablo StokAraGetirTarvel(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    QByteArray ResimVer5(int stokno, qint64 &boy);
    kw::Tablo YenilerVer2(int carino);
    kw::Tablo KampanyaliVer2(int cario, int satici);
    kw::Tablo StokHareketVer(int carino, int stokno);
    const kw::Tablo *TumSiparislerVer(int carino, int stokno);
    // Basket and orders
    kw::Tablo SepetVer2(int carino);
    int SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString &barkod,
                   const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int k,
                   double ind2, double ind3, double ind4);
    int SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString &barkod,
                       const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid,
                       int _sepetsirano, double ind2, double ind3, double ind4);
    int SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString &aciklamam);
    int SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi);
    void SepetSecimGuncelle(int sirano, int secim);
    bool SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                       const QString &_aciklama, int _verenid, int _kargoyeni);
    const kw::Tablo *TeslimVer();
    const kw::Tablo *KargoVer();
    const kw::Tablo *KargolarVer(int gn);
    // Account and history
    const kw::Tablo *CariEkstreVer(int carino);
    const kw::Tablo *FaturaGetir(int carino, int idnosu);
    const kw::Tablo *FaturaAltGetir(int idnosu);
    const kw::Tablo *Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    QByteArray SAnalPosPdfVer(int sirano, qint64 &boy);
    const kw::Tablo *OncekiSiparisler(int carino);
    const kw::Tablo *SiparisAyrintisi2(int carino, int idnosu);
    TSiparisDipAyrinti *SiparisAytintisiDip(int carino, int siranosu);
    const kw::Tablo *BakiyelerVer2(int carino);
    int BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano, double Adet,
                      double Bakiye, const QString &barkod);
    int BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano, double Adet,
                       double Bakiye, const QString &barkod);
    int BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano,
                            double Adet, double Bakiye, const QString &barkod, double fiyat, double ind);
    const kw::Tablo *RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    const kw::Tablo *RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    // Sales representative workspace
    const kw::Tablo *CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString &aranan);
    int SepetSayisi(std::unique_ptr<TSonucBilgisi> bil);
    TTusSonuclari *TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil);
    const kw::Tablo *CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n);
    QByteArray RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi, double tarih1,
                          double tarih2, qint64 &size);
    // Notices and promotions
    QString KayanYaziGetir();
    QByteArray BannerResimVer(qint64 &size);
    QByteArray BannerResimVer2(qint64 &size);
    QByteArray BannerResimVer3(qint64 &size);
    int AcilisReklamAdet();
    TAcilisEkran *AcilisREklamVer(int sira);
    TAcilisEkranlariki *AcilisEkranlarVer2();
    const kw::Tablo *BalonGetir(std::unique_ptr<TSonucBilgisi> bil);
    QString CariDurumVer(int carino);
    QString CariVadeGunGecmismiBul(int carino);
    // Requests and mail
    TMobilCariBilgisi *MobilCariBilgisiGetir(int sirano, const QString &_idsi);
    int MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1,
                       const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon,
                       const QString &fax, const QString &vd, const QString &vn, const QString &yetkili,
                       const QString &kullaniciadi, const QString &sifre, const QString &mail,
                       const QString &kargoambar);
    int MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                             const QString &adres1, const QString &adres2, const QString &ilce, const QString &sehir,
                             const QString &telefon, const QString &fax, const QString &vd, const QString &vn,
                             const QString &yetkili, const QString &kullaniciadi, const QString &sifre,
                             const QString &mail, const QString &kargoambar, const QString &konu);

    // A method's signature as the proxy declares it.
    struct Imza {
        const char *ad;
        std::vector<proxy_detay::Arguman> parametreler;
        proxy_detay::Arguman sonuc;
    };
    // The signatures of all public methods above, taken from their C++ types.
    static const std::vector<Imza> &imzalar();
    // True when the signature matches the catalogue entry exactly.
    static bool uyar(const kw::Metot &m, const proxy_detay::Arguman *p, size_t n, const proxy_detay::Arguman &sonuc);

    // Low-level call by a catalogue entry: the inputs in declaration order
    // in, the out parameters and the result out. For tools and tests.
    QVector<kw::Deger> yurut(const kw::Metot &m, const QVector<kw::Deger> &girdiler);

private:
    template <class R, class... A>
    R cagir(const char *ad, A &&...a);

    const kw::Metot &metotAl(const char *ad, const proxy_detay::Arguman *p, size_t n,
                             const proxy_detay::Arguman &sonuc) const;
    kw::Kayit *nesneSakla(const kw::Metot &m, kw::Nesne n);
    const kw::Tablo *tabloSakla(kw::Tablo t);

    TBaglanti *baglanti_;
    bool sahip_;
    std::map<const kw::Metot *, kw::Nesne> nesneler_;   // the last object result per method
    std::vector<std::unique_ptr<kw::Tablo>> tablolar_;
};
