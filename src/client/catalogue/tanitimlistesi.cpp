// The new-items and campaign tabs; see tanitimlistesi.h.
#include "tanitimlistesi.h"

#include "anapencere.h"
#include "baglanti.h"
#include "baglantiu.h"
#include "izgara.h"
#include "kullanicitipi.h"
#include "proxim.h"
#include "satirgirisi.h"
#include "sekmeyukleyici.h"
#include "simgeler.h"
#include "stokdizilimi.h"
#include "veriseti.h"

#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace katalog {

namespace {

using K = kt::IzgaraKolonu;

// Hidden columns both lists carry and never offer.
void gizliKolonlar(QVector<K> &k)
{
    k << K("STOK_STOKNO", {}, 1).Gizli().SecicideYok().Odaksiz() << K("BARKOD_BARKODNO", {}, 1).Gizli().SecicideYok()
      << K("DPKOD", {}, 2).Gizli().SecicideYok() << K("KALAN", {}, 1).Gizli().SecicideYok()
      << K("PKOD", " ", 1).Gizli().SecicideYok() << K("ALINANSIPARIS", {}, 1).Gizli().SecicideYok()
      << K("VERILENSIPARIS", {}, 1).Gizli().SecicideYok() << K("INDIRIM", "İndirim Oran", 1).Gizli().SecicideYok();
}

}  // namespace

QVector<kt::IzgaraKolonu> tanitimKolonlari(TanitimTuru tur, int musteriTipi)
{
    QVector<K> k;
    if (tur == TanitimTuru::Yeniler) {
        K kamp = K("K", "Kampanyalı", 1).EvetHayir();
        kamp.simgeHaritasi = {{1, 1}};   // "Hayır" shows nothing here
        k << K("BARKOD", "Barkod", 2) << K("ADI", "Açıklama", 3) << K("FINISHKOD", "Finish Kod", 2)
          << K("BIRIM", "Birim", 1) << K("MARKA", "Marka", 2) << K("MODEL", "Model", 2) << kamp
          << K("LISTEFIYAT1", "Liste Fiyatı", 2) << K("KAMPFIYAT", "Kampanyalı Fiyatı", 2)
          << K("INDIRIMYAZI", "Indirim Oran", 2).Ortala() << K("NETFIYAT", "Net Fiyatı", 2)
          << K("KDVDAHIL", "KDV Dahil Fiyat", 2)
          << K("OEM1", "Oem1", 2).Gizli().Ozet(kt::OzetTuru::Sayi) << K("OEM2", "Oem2", 2).Gizli()
          << K("OEM3", "Oem3", 2).Gizli() << K("OEM4", "Oem4", 2).Gizli()
          << K("URETICIKODU", "Üretici Kod", 2).Gizli() << K("DIGERADI", "Diğer Adı", 3).Gizli()
          << K("OEMNO", "Oem No", 2).Gizli() << K("ANAGRUP", "Ana Grup", 2).Gizli()
          << K("OZELKOD", "Özel Kod", 2).Gizli() << K("KDV", {}, 1).Gizli() << K("FIYAT", "Liste Fiyatı2", 2).Gizli();
        gizliKolonlar(k);
        KolonlariUyarla(k, KullaniciListesi::Yeniler, musteriTipi);
    } else {
        QHash<int, int> durum = kt::durumSimgeHaritasi();
        durum.remove(6);   // "Kritik Seviye" shows no icon here
        k << K("BARKOD", "Barkod", 2) << K("ADI", "Açıklama", 3) << K("RESIM", "Resim", 1).ResimIsareti()
          << K("FINISHKOD", "Finish Kod", 2) << K("BIRIM", "Birim", 1) << K("MARKA", "Marka", 2)
          << K("MODEL", "Model", 2) << K("ESKIFIYAT", "Liste Fiyatı", 2) << K("FIYAT", "Kampanyalı Fiyatı", 2)
          << K("Y", "Yeni", 1).EvetHayir(0) << K("K", "Kampanyalı", 1).EvetHayir()
          << K("INDIRIMYAZI", "İndirim Oran", 2).Ortala() << K("NETFIYAT", "Net Fiyatı", 2)
          << K("KDVDAHIL", "KDV Dahil Fiyat", 2) << K("DURUM", "Durum", 1).Durum(durum, kt::durumAciklamalari())
          << K("OEM1", "Oem1", 2).Gizli().Ozet(kt::OzetTuru::Sayi) << K("OEM2", "Oem2", 2).Gizli()
          << K("OEM3", "Oem3", 2).Gizli() << K("OEM4", "Oem4", 2).Gizli()
          << K("URETICIKODU", "Üretici Kod", 2).Gizli() << K("DIGERADI", "Diğer Adı", 3).Gizli()
          << K("OEMNO", "Oem No", 2).Gizli() << K("ANAGRUP", "Ana Grup", 2).Gizli()
          << K("OZELKOD", "Özel Kod", 2).Gizli() << K("KDV", {}, 1).Gizli();
        gizliKolonlar(k);
        KolonlariUyarla(k, KullaniciListesi::Kampanyali, musteriTipi);
    }
    return k;
}

kt::IzgaraStili tanitimStili(TanitimTuru tur)
{
    kt::IzgaraStili s;
    s.baslikYuksekligi = 40;
    s.satirYuksekligi = 40;
    if (tur == TanitimTuru::Yeniler) {
        s.font = QFont(QStringLiteral("Tahoma"));
        s.fontPx = 13;
        s.ciftSatir = QColor(255, 255, 255);
        s.tekSatir = QColor(239, 239, 239);
    } else {
        s.font = QFont(QStringLiteral("Arial"));
        s.fontPx = 11;
        s.ciftSatir = QColor(239, 239, 239);
        s.tekSatir = QColor(255, 255, 255);
        s.metinKaydir = true;
    }
    return s;
}

QString tanitimBasligi(TanitimTuru tur, int adet)
{
    return QString::number(adet) +
           (tur == TanitimTuru::Yeniler ? QStringLiteral("=Yeni Stoklar") : QStringLiteral("=Kampanyalı"));
}

void ekranaGoreSigdir(kt::Izgara *izgara)
{
    const QScreen *ekran = izgara->screen();
    const int en = ekran ? ekran->geometry().width() : 0;
    izgara->BeginUpdate();
    if (en > kDarEnCok)
        izgara->AgirlikliSigdir(izgara->width());
    else
        izgara->EnIyiGenislik();
    izgara->EndUpdate();
}

void sayfayiYerlestir(QWidget *sekme, QWidget *sayfa)
{
    if (!sekme)
        return;
    auto *duzen = qobject_cast<QVBoxLayout *>(sekme->layout());
    if (!duzen && !sekme->layout()) {
        duzen = new QVBoxLayout(sekme);
        duzen->setContentsMargins(0, 0, 0, 0);
        duzen->setSpacing(0);
    }
    if (duzen)
        duzen->addWidget(sayfa);
}

TTanitimListesi::TTanitimListesi(TanitimTuru tur, IAnaPencere &ana, TSatirGirisi &giris, QWidget *sekme)
    : QWidget(sekme), tur_(tur), ana_(ana), giris_(giris), sekme_(sekme ? sekme : this), veri_(new kt::VeriSeti(this)),
      izgara_(new kt::Izgara(this))
{
    sayfayiYerlestir(sekme, this);
    const bool yeni = tur == TanitimTuru::Yeniler;
    veri_->setObjectName(yeni ? QStringLiteral("YENILER") : QStringLiteral("kampstok"));
    izgara_->setObjectName(yeni ? QStringLiteral("cxGrid6") : QStringLiteral("cxkampanyali"));
    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(izgara_);

    izgara_->StilAyarla(tanitimStili(tur));
    izgara_->KolonlariKur(tanitimKolonlari(tur, ana_.sbilgi().MusteriTipi()));
    izgara_->Bagla(veri_);

    yukleyici_ = new TSekmeYukleyici(&ana_, {yeni ? "gifyeniler" : "gifkampanyali", izgara_, veri_, true}, this);
    connect(yukleyici_, &TSekmeYukleyici::yuklendi, this, &TTanitimListesi::yuklendi);
    connect(izgara_, &kt::Izgara::satirCiftTiklandi, this, [this] { CiftTikla(); });
    connect(izgara_, &kt::Izgara::boyutDegisti, this, [this] {
        // The campaign list refits only while it is not loading.
        if (tur_ == TanitimTuru::Yeniler || izgara_->isEnabled())
            KolonAyarla();
    });
}

TTanitimListesi::~TTanitimListesi()
{
    yukleyici_->Bekle();   // its worker fills veri_, which goes first
}

bool TTanitimListesi::Yukleniyor() const { return yukleyici_->Yukleniyor(); }

void TTanitimListesi::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        Yukle();
}

void TTanitimListesi::Yukle()
{
    const TSonucBilgisi &s = ana_.sbilgi();
    const int carino = s.CARINO();
    const int satici = s.MusteriTipi();
    kt::VeriSeti *veri = veri_;
    const TanitimTuru tur = tur_;
    yukleyici_->Yukle(
        [veri, tur, carino, satici](TBaglanti &bag) {
            TServerMethods1Client proxy(&bag);
            veri->VeriPaketiYukle(tur == TanitimTuru::Yeniler ? proxy.YenilerVer2(carino)
                                                               : proxy.KampanyaliVer2(carino, satici));
            return false;
        },
        [this](bool hata) {
            if (!hata)
                ana_.sekmeBasligiYaz(sekme_, tanitimBasligi(tur_, veri_->Active() ? veri_->RecordCount() : 0));
        });
}

void TTanitimListesi::KolonAyarla() { ekranaGoreSigdir(izgara_); }

void TTanitimListesi::CiftTikla()
{
    if (Yukleniyor() || !izgara_->OdakVar())
        return;
    const int stokno = izgara_->OdakDegeri(QStringLiteral("STOK_STOKNO")).toInt();
    giris_.ListedenAc(tur_ == TanitimTuru::Yeniler ? Akis::Yeniler : Akis::Kampanya, *veri_, stokno);
}

}  // namespace katalog
