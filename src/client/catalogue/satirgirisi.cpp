// Line entry flows; see satirgirisi.h.
#include "satirgirisi.h"

#include "anapencere.h"
#include "baglanti.h"
#include "baglantiu.h"
#include "mesajgoster.h"
#include "paraedit.h"
#include "sayiedit.h"
#include "proxim.h"
#include "stokayarintiU.h"
#include "utils.h"
#include "veriseti.h"

#include <QLabel>
#include <QPointer>
#include <cmath>
#include <memory>

namespace katalog {

namespace {

QVariant alan(const kt::VeriSeti &ds, const char *ad)
{
    const kt::Alan *a = ds.FindField(QLatin1String(ad));
    return a ? a->Value() : QVariant();
}
QString metin(const kt::VeriSeti &ds, const char *ad) { return alan(ds, ad).toString(); }
double sayi(const kt::VeriSeti &ds, const char *ad) { return alan(ds, ad).toDouble(); }
int tamsayi(const kt::VeriSeti &ds, const char *ad) { return int(std::nearbyint(alan(ds, ad).toDouble())); }

// Scoped "a flow runs" mark.
struct Isaret {
    explicit Isaret(bool &b) : b_(b) { b_ = true; }
    ~Isaret() { b_ = false; }
    bool &b_;
};

// A failed store call: no answer is a connection failure, an answer is the
// server's refusal in its own words.
void cagriHatasi(const EUzakHata &e)
{
    kt::MesajGoster(e.durum() == 0 ? BaglantiHatasiMetni() : e.mesaj(), kt::MesajTipi::Hata, {kt::Dugme::Tamam},
                    kt::Dugme::Tamam);
}

}  // namespace

AkisBasliklari akisBasliklari(Akis akis, int k, const QString &indirimYazi)
{
    const QString fiyat = QStringLiteral("Fiyat:");
    const QString kampFiyat = QStringLiteral("Kampanyalı Fiyat:");
    const QString kampanyali = QStringLiteral("Kampanyalı ") + indirimYazi;
    switch (akis) {
    case Akis::Stok:
        if (k == 0)
            return {fiyat, QStringLiteral("İndirim: %") + indirimYazi};
        if (k > 0)
            return {kampFiyat, kampanyali};
        return {fiyat, QStringLiteral("İndirim:")};   // the design captions
    case Akis::Yeniler:
        return k > 0 ? AkisBasliklari{kampFiyat, kampanyali} : AkisBasliklari{fiyat, QStringLiteral("İndirim:  % ") + indirimYazi};
    case Akis::Kampanya:
        return {kampFiyat, kampanyali};
    case Akis::Sepet:
        break;
    }
    return {fiyat, QStringLiteral("İndirim:")};
}

bool fiyatDuzenlenir(int musteriTipi) { return musteriTipi == 1 || musteriTipi == 2; }

bool oranPaneliGorunur(Akis akis, int musteriTipi) { return fiyatDuzenlenir(musteriTipi) && akis != Akis::Kampanya; }

TSatirGirisi::TSatirGirisi(IAnaPencere &ana, ISepetKaynagi &sepet) : ana_(ana), sepet_(sepet) {}

void TSatirGirisi::ListedenAc(Akis akis, kt::VeriSeti &liste, int stokno)
{
    if (mesgul_)
        return;
    Isaret m(mesgul_);
    if (!liste.Locate(QStringLiteral("STOK_STOKNO"), stokno))
        return;
    // Whether the item is in the basket must be known for sure, or the same
    // item could become a second line.
    if (!sepet_.SepetGuncel() && !sepet_.SepetGetir())
        return;
    kt::VeriSeti &s = sepet_.sepet();
    if (s.Active() && s.Locate(QStringLiteral("STOKNO"), stokno))
        degistir(s.FieldByName(QStringLiteral("SIRANO")).AsInteger());
    else
        yeniSatir(akis, liste, stokno);
}

void TSatirGirisi::StoktanEkle(kt::VeriSeti &stok, int stokno) { yeniSatirKorumali(Akis::Stok, stok, stokno); }
void TSatirGirisi::YenilerdenEkle(kt::VeriSeti &yeniler, int stokno) { yeniSatirKorumali(Akis::Yeniler, yeniler, stokno); }
void TSatirGirisi::KampanyadanEkle(kt::VeriSeti &kampstok, int stokno) { yeniSatirKorumali(Akis::Kampanya, kampstok, stokno); }

void TSatirGirisi::yeniSatirKorumali(Akis akis, kt::VeriSeti &ds, int stokno)
{
    if (mesgul_)
        return;
    Isaret m(mesgul_);
    yeniSatir(akis, ds, stokno);
}

void TSatirGirisi::SepetSatirDegistir(int sirano)
{
    if (mesgul_)
        return;
    Isaret m(mesgul_);
    degistir(sirano);
}

bool TSatirGirisi::SepetSatirEkle(kt::VeriSeti &ds, double miktar, double fiyat, double ind1, double ind2,
                                  double ind3, double ind4)
{
    if (mesgul_)
        return false;
    Isaret m(mesgul_);
    return ekle(ds, miktar, fiyat, {ind1, ind2, ind3, ind4});
}

int TSatirGirisi::SepetSatirGuncelle(int sirano, double miktar, double fiyat, const Oranlar &oranlar)
{
    if (mesgul_)
        return -1;
    Isaret m(mesgul_);
    return guncelle(sirano, miktar, fiyat, oranlar);
}

bool TSatirGirisi::sonucuGonder(Tstokayarinti &d, double *miktar)
{
    if (d.adetOku(miktar))
        return true;
    kt::MesajGoster(QStringLiteral("'") + d.adet->cleanText() + QStringLiteral("' geçerli bir sayı değil"),
                    kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
    return false;
}

void TSatirGirisi::yeniSatir(Akis akis, kt::VeriSeti &ds, int stokno)
{
    if (!ds.Locate(QStringLiteral("STOK_STOKNO"), stokno))
        return;
    const int musteriTipi = ana_.sbilgi().MusteriTipi();

    QPointer<Tstokayarinti> d = Tstokayarinti::Ac(ana_.pencere(), stokno);
    d->resimServisi = ResimServisAdresi();
    d->kdvoran = sayi(ds, "KDV");
    d->kdvlifiyat = sayi(ds, "KDVDAHIL");
    d->barkod->setText(metin(ds, "BARKOD"));
    d->adi->setText(metin(ds, "ADI"));
    d->finishkod->setText(metin(ds, "FINISHKOD"));
    d->marka->setText(metin(ds, "MARKA"));
    d->model->setText(metin(ds, "MODEL"));

    const int k = tamsayi(ds, "K");
    const AkisBasliklari b = akisBasliklari(akis, k, metin(ds, "INDIRIMYAZI"));
    d->Label2->setText(b.fiyat);
    d->indirimoran->setText(b.indirim);
    // A stock row with a campaign mark below 0 opens with price and rates 0.
    if (akis != Akis::Stok || k >= 0) {
        d->birimfiyat->setValue(sayi(ds, "FIYAT"));
        d->edindirim1->setValue(sayi(ds, "IND1"));
        d->edindirim2->setValue(sayi(ds, "IND2"));
        d->edindirim3->setValue(sayi(ds, "IND3"));
        d->edindirim4->setValue(sayi(ds, "IND4"));
    }
    d->adet->setValue(1);
    d->fiyatDuzenlenir(fiyatDuzenlenir(musteriTipi));
    d->GridPanel2->setVisible(oranPaneliGorunur(akis, musteriTipi));

    const int sonuc = d->exec();
    if (d && sonuc == QDialog::Accepted) {
        double miktar = 0;
        if (sonucuGonder(*d, &miktar) && ds.Locate(QStringLiteral("STOK_STOKNO"), stokno)) {
            const Oranlar o = d->oranlar();
            ekle(ds, miktar, d->birimfiyat->value(), o);
        }
    }
    delete d.data();
}

void TSatirGirisi::degistir(int sirano)
{
    kt::VeriSeti &s = sepet_.sepet();
    if (!s.Active() || !s.Locate(QStringLiteral("SIRANO"), sirano))
        return;
    const int musteriTipi = ana_.sbilgi().MusteriTipi();

    QPointer<Tstokayarinti> d = Tstokayarinti::Ac(ana_.pencere(), tamsayi(s, "STOKNO"));
    d->resimServisi = ResimServisAdresi();
    d->kdvoran = sayi(s, "KDV");
    d->barkod->setText(metin(s, "BARKOD"));
    d->adi->setText(metin(s, "STOKADI"));
    d->finishkod->setText(metin(s, "FINISHKOD"));
    d->marka->setText(metin(s, "MARKA"));
    d->model->setText(metin(s, "MODEL"));
    const AkisBasliklari b = akisBasliklari(Akis::Sepet, 0, {});
    d->Label2->setText(b.fiyat);
    d->indirimoran->setText(b.indirim);
    d->birimfiyat->setValue(sayi(s, "BIRIMFIYAT"));
    d->edindirim1->setValue(sayi(s, "INDIRIMORANI1"));
    d->edindirim2->setValue(sayi(s, "INDIRIMORANI2"));
    d->edindirim3->setValue(sayi(s, "INDIRIMORANI3"));
    d->edindirim4->setValue(sayi(s, "INDIRIMORANI4"));
    d->adet->setValue(tamsayi(s, "MIKTAR"));
    d->fiyatDuzenlenir(fiyatDuzenlenir(musteriTipi));
    d->GridPanel2->setVisible(oranPaneliGorunur(Akis::Sepet, musteriTipi));

    const int sonuc = d->exec();
    if (d && sonuc == QDialog::Accepted) {
        double miktar = 0;
        if (sonucuGonder(*d, &miktar)) {
            const Oranlar o = d->oranlar();
            // A change that the server refused still shows what the server
            // holds afterwards.
            if (guncelle(sirano, miktar, d->birimfiyat->value(), o) == 0)
                sepet_.SepetGetir();
        }
    }
    delete d.data();
}

bool TSatirGirisi::ekle(kt::VeriSeti &ds, double miktar, double fiyat, const Oranlar &o)
{
    TSonucBilgisi &sbilgi = ana_.sbilgi();
    std::unique_ptr<TSonucBilgisi> kopya = sbilgi.Kopya();
    TBaglanti &bagc = ana_.bagc();
    if (!BaglantiAc(bagc, 1))
        return false;
    int sonuc = 0;
    try {
        TServerMethods1Client proxy(&bagc);
        sonuc = proxy.SepetEkle2(std::move(kopya), sbilgi.CARINO(), tamsayi(ds, "STOK_STOKNO"), metin(ds, "BARKOD"),
                                 metin(ds, "ADI"), miktar, KdvTamsayi(sayi(ds, "KDV")), fiyat, o[0], sbilgi.Sirano(),
                                 tamsayi(ds, "K"), o[1], o[2], o[3]);
    } catch (const EUzakHata &e) {
        bagc.Close();
        sepet_.SepetBelirsiz();
        cagriHatasi(e);
        return false;
    }
    bagc.Close();
    if (sonuc != 1)
        return false;
    sepet_.SepetBelirsiz();
    sepet_.SepetGetir();
    return true;
}

int TSatirGirisi::guncelle(int sirano, double miktar, double fiyat, const Oranlar &oranlar)
{
    kt::VeriSeti &s = sepet_.sepet();
    if (!s.Active() || !s.Locate(QStringLiteral("SIRANO"), sirano))
        return -1;
    TSonucBilgisi &sbilgi = ana_.sbilgi();
    std::unique_ptr<TSonucBilgisi> kopya = sbilgi.Kopya();
    TBaglanti &bagc = ana_.bagc();
    if (!BaglantiAc(bagc, 1))
        return -1;
    int sonuc = 0;
    try {
        TServerMethods1Client proxy(&bagc);
        sonuc = proxy.SepetGuncelle2(std::move(kopya), sbilgi.CARINO(), 0, metin(s, "BARKOD"), metin(s, "STOKADI"),
                                     miktar, KdvTamsayi(sayi(s, "KDV")), fiyat, oranlar[0], sbilgi.Sirano(), sirano,
                                     oranlar[1], oranlar[2], oranlar[3]);
    } catch (const EUzakHata &e) {
        bagc.Close();
        sepet_.SepetBelirsiz();
        cagriHatasi(e);
        return -1;
    }
    bagc.Close();
    if (sonuc != 1)
        return sonuc == -1 ? 0 : sonuc;
    sepet_.SepetBelirsiz();
    sepet_.SepetGetir();
    return 1;
}

}  // namespace katalog
