#include "metotlar.h"

#include <QHash>

namespace kw {

namespace {

constexpr const char *kSonuc = "baglantiu.TSonucBilgisi";

Parametre s(const char *ad) { return {ad, Yon::Girdi, Tip::Metin}; }
Parametre i(const char *ad) { return {ad, Yon::Girdi, Tip::Tamsayi}; }
Parametre d(const char *ad) { return {ad, Yon::Girdi, Tip::Ondalik}; }
Parametre bilgi(const char *ad) { return {ad, Yon::Girdi, Tip::Nesne, kSonuc}; }
Parametre boy(const char *ad) { return {ad, Yon::Cikti, Tip::Int64}; }

std::vector<Parametre> sepetSatiri(const char *onbirinci)
{
    return {bilgi("bilgim"), i("carino"), i("stokno"), s("barkod"), s("stokadi"), d("miktar"),
            d("kdv"), d("fiyat"), d("ind1"), i("verenid"), i(onbirinci), d("ind2"), d("ind3"),
            d("ind4")};
}

std::vector<Parametre> bakiye(std::vector<Parametre> ek = {})
{
    std::vector<Parametre> p{bilgi("k"), i("stokno"), i("sepetsirano"), i("siparissirano"),
                             d("Adet"), d("Bakiye"), s("barkod")};
    p.insert(p.end(), ek.begin(), ek.end());
    return p;
}

std::vector<Parametre> mail(bool konu)
{
    std::vector<Parametre> p;
    for (const char *ad : {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir",
                           "telefon", "fax", "vd", "vn", "yetkili", "kullaniciadi", "sifre", "mail",
                           "kargoambar"})
        p.push_back(s(ad));
    if (konu)
        p.push_back(s("konu"));
    return p;
}

std::vector<Metot> katalog()
{
    using T = Tip;
    return {
        // Session
        {"BuyukGetir", {s("idsi")}, T::Nesne, kSonuc},
        // Product catalogue
        {"StokAraGetirTarvel", {s("kod"), bilgi("bilgi")}, T::VeriPaketi},
        {"ResimVer5", {i("stokno"), boy("boy")}, T::Akis},
        {"YenilerVer2", {i("carino")}, T::VeriPaketi},
        {"KampanyaliVer2", {i("cario"), i("satici")}, T::VeriPaketi},
        {"StokHareketVer", {i("carino"), i("stokno")}, T::VeriPaketi},
        {"TumSiparislerVer", {i("carino"), i("stokno")}, T::Tablo},
        // Basket and orders
        {"SepetVer2", {i("carino")}, T::VeriPaketi},
        {"SepetEkle2", sepetSatiri("k"), T::Tamsayi},
        {"SepetGuncelle2", sepetSatiri("_sepetsirano"), T::Tamsayi},
        {"SepetSatirSil", {bilgi("bilgi"), i("satirno"), s("aciklamam")}, T::Tamsayi},
        {"SepetHepsiniSil", {bilgi("bilgi")}, T::Tamsayi},
        {"SepetSecimGuncelle", {i("sirano"), i("secim")}, T::Yok},
        {"SiparisKaydet",
         {bilgi("BB"), i("_carino"), i("_teslim"), i("_kargo"), s("_aciklama"), i("_verenid"),
          i("_kargoyeni")},
         T::Mantik},
        {"TeslimVer", {}, T::Tablo},
        {"KargoVer", {}, T::Tablo},
        {"KargolarVer", {i("gn")}, T::Tablo},
        // Account and history
        {"CariEkstreVer", {i("carino")}, T::Tablo},
        {"FaturaGetir", {i("carino"), i("idnosu")}, T::Tablo},
        {"FaturaAltGetir", {i("idnosu")}, T::Tablo},
        {"Tahsilat", {i("idnosu")}, T::Tablo},
        {"SanalposSiranoVer", {i("idnosu")}, T::Tamsayi},
        {"SAnalPosPdfVer", {i("sirano"), boy("boy")}, T::Akis},
        {"OncekiSiparisler", {i("carino")}, T::Tablo},
        {"SiparisAyrintisi2", {i("carino"), i("idnosu")}, T::Tablo},
        {"SiparisAytintisiDip", {i("carino"), i("siranosu")}, T::Nesne, "baglantiu.TSiparisDipAyrinti"},
        {"BakiyelerVer2", {i("carino")}, T::Tablo},
        {"BakiyeDuzenle", bakiye(), T::Tamsayi},
        {"BakiyeDegistir", bakiye(), T::Tamsayi},
        {"BakiyeFiyatDegistir", bakiye({d("fiyat"), d("ind")}), T::Tamsayi},
        {"RaporAlinanSiparisler", {bilgi("bilgi"), d("tarih1"), d("tarih2")}, T::Tablo},
        {"RaporEnCokSatilanStoklar", {bilgi("bilgi"), d("tarih1"), d("tarih2")}, T::Tablo},
        // Sales representative workspace
        {"CariAra", {bilgi("bil"), s("aranan")}, T::Tablo},
        {"SepetSayisi", {bilgi("bil")}, T::Tamsayi},
        {"TusSonuclariVer", {bilgi("bil")}, T::Nesne, "baglantiu.TTusSonuclari"},
        {"CariSepetVer", {bilgi("bil"), i("n")}, T::Tablo},
        {"RaporGetir",
         {i("raporno"), i("bolum"), i("idno"), i("carino"), s("saticiadi"), d("tarih1"),
          d("tarih2"), boy("size")},
         T::Akis},
        // Notices and promotions
        {"KayanYaziGetir", {}, T::Metin},
        {"BannerResimVer", {boy("size")}, T::Akis},
        {"BannerResimVer2", {boy("size")}, T::Akis},
        {"BannerResimVer3", {boy("size")}, T::Akis},
        {"AcilisReklamAdet", {}, T::Tamsayi},
        {"AcilisREklamVer", {i("sira")}, T::Nesne, "mobilstokunit.TAcilisEkran"},
        {"AcilisEkranlarVer2", {}, T::Nesne, "mobilstokunit.TAcilisEkranlariki"},
        {"BalonGetir", {bilgi("bil")}, T::Tablo},
        {"CariDurumVer", {i("carino")}, T::Metin},
        {"CariVadeGunGecmismiBul", {i("carino")}, T::Metin},
        // Requests and mail
        {"MobilCariBilgisiGetir", {i("sirano"), s("_idsi")}, T::Nesne, "mobilstokunit.TMobilCariBilgisi"},
        {"MailGonserCari", mail(false), T::Tamsayi},
        {"MailGonserCariNormal", mail(true), T::Tamsayi},
    };
}

}  // namespace

const char *tipAdi(Tip t)
{
    switch (t) {
    case Tip::Yok: return "none";
    case Tip::Metin: return "string";
    case Tip::Tamsayi: return "Integer";
    case Tip::Int64: return "Int64";
    case Tip::Ondalik: return "Double";
    case Tip::Mantik: return "Boolean";
    case Tip::Nesne: return "object";
    case Tip::Tablo: return "table";
    case Tip::VeriPaketi: return "data packet";
    case Tip::Akis: return "stream";
    }
    return "?";
}

int Metot::girdiSayisi() const
{
    int n = 0;
    for (const auto &p : parametreler)
        n += p.yon == Yon::Girdi;
    return n;
}

int Metot::ciktiSayisi() const { return int(parametreler.size()) - girdiSayisi(); }

const std::vector<Metot> &metotlar()
{
    static const std::vector<Metot> k = katalog();
    return k;
}

const Metot *metotBul(QStringView ad)
{
    static const QHash<QString, const Metot *> indeks = [] {
        QHash<QString, const Metot *> h;
        for (const Metot &m : metotlar())
            h.insert(QString::fromLatin1(m.ad), &m);
        return h;
    }();
    return indeks.value(ad.toString(), nullptr);
}

}  // namespace kw
