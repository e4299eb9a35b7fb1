// The basket tab; see sepetsayfasi.h.
#include "sepetsayfasi.h"

#include "ONAYSIPU.h"
#include "anapencere.h"
#include "baglanti.h"
#include "baglantiu.h"
#include "izgara.h"
#include "kullanicitipi.h"
#include "mesajgoster.h"
#include "proxim.h"
#include "sekmeyukleyici.h"
#include "sepettoplam.h"
#include "simgeler.h"
#include "tanitimlistesi.h"
#include "utils.h"
#include "veriseti.h"

#include <QEventLoop>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace sepet {

namespace {

using K = kt::IzgaraKolonu;

struct Islem {
    explicit Islem(bool &b) : b_(b) { b_ = true; }
    ~Islem() { b_ = false; }
    bool &b_;
};

void bilgi(const QString &m) { kt::MesajGoster(m, kt::MesajTipi::Bilgi, {kt::Dugme::Tamam}, kt::Dugme::Tamam); }
void hata(const QString &m) { kt::MesajGoster(m, kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam); }
bool evetMi(const QString &soru)
{
    return kt::MesajGoster(soru, kt::MesajTipi::Soru, {kt::Dugme::Evet, kt::Dugme::Hayir}, kt::Dugme::Hayir) ==
           kt::mrYes;
}
// A call that got no answer is a connection failure; an answer is the
// server's refusal in its own words.
void cagriHatasi(const EUzakHata &e) { hata(e.durum() == 0 ? BaglantiHatasiMetni() : e.mesaj()); }

}  // namespace

QString sepetBasligi(int adet) { return QString::number(adet) + QStringLiteral("=Sepet"); }

QVector<kt::IzgaraKolonu> sepetKolonlari(int musteriTipi)
{
    QHash<int, int> durum = kt::durumSimgeHaritasi();
    durum.remove(6);   // no "Kritik Seviye" in the basket
    QVector<K> k;
    k << K("SEC", "Seç", 1).OnayKutusu().Genislik(74).SecicideYok()
      << K("VERILISTARIHI", "Sipariş Tarihi", 1).Ozet(kt::OzetTuru::Sayi) << K("BARKOD", "Barkod", 2)
      << K("FINISHKOD", "FinishKod", 2) << K("OEMNO", "OEMNo", 2) << K("STOKADI", "Stok Açıklama", 3)
      << K("MIKTAR", "Miktar", 1).Ozet(kt::OzetTuru::Toplam) << K("BIRIMFIYAT", "Birim Fiyat", 1)
      << K("TUTAR", "Tutar", 1) << K("INDIRIMYAZI", "İndirim Oran", 2).Ortala()
      << K("NETBIRIMFIYAT", "Net Fiyat", 1) << K("KDV", {}, 1) << K("VERGITUTARI", "Vergi Tutarı", 1)
      << K("NETTUTAR", "Net Tutar", 1).Ozet(kt::OzetTuru::Toplam) << K("VEREN", "Veren", 1)
      << K("DURUM", "Durum", 1).Durum(durum, kt::durumAciklamalari());
    // Hidden, offered by the chooser.
    k << K("SIPARISNO", "Sipariş No", 0).Gizli() << K("TARIH", "Tarih", 1).Gizli() << K("KUR", "Kur", 1).Gizli()
      << K("SAAT", "Saat", 1).Gizli() << K("ACIKLAMA", "Açıklama", 1).Gizli() << K("OEM1", {}, 1).Gizli()
      << K("OEM2", {}, 1).Gizli() << K("OEM3", {}, 1).Gizli() << K("OEM4", {}, 1).Gizli()
      << K("DIGERADI", {}, 1).Gizli() << K("DPKOD", {}, 1).Gizli() << K("MARKA", "Marka", 1).Gizli()
      << K("MODEL", "Model", 1).Gizli() << K("ANAGRUP", "Ana Grup", 1).Gizli()
      << K("OZELKOD", "Özel Kod", 1).Gizli() << K("PKOD", {}, 1).Gizli() << K("INDIRIMORANI4", {}, 0).Gizli();
    // Hidden, never offered.
    const auto gizli = [](const char *alan, const QString &baslik = {}, int agirlik = 1) {
        return K(QLatin1String(alan), baslik, agirlik).Gizli().SecicideYok();
    };
    k << gizli("SIRANO", {}, 0) << gizli("CARINO", {}, 0) << gizli("AKTAR", {}, 0) << gizli("STOKNO", {}, 0)
      << gizli("INDIRIMORANI1", QStringLiteral("İndirim Oranı %")) << gizli("INDIRIMORANI2")
      << gizli("INDIRIMORANI3") << gizli("INDIRIMTUTAR", QStringLiteral("İndirim Tutar")) << gizli("KURTL")
      << gizli("VERENIDNO") << gizli("TESLIMID") << gizli("KARGOID") << gizli("IDNO") << gizli("VERENSIRANO")
      << gizli("CARIKOD", QStringLiteral("Cari Kod")) << gizli("CARIADI", QStringLiteral("Cari Adı"))
      << gizli("STOK_STOKNO") << gizli("URETICIKODU") << gizli("KALAN", QStringLiteral("Kalan"));
    KolonlariUyarla(k, KullaniciListesi::Sepet, musteriTipi);
    return k;
}

TSepetSayfasi::TSepetSayfasi(IAnaPencere &ana, QWidget *sekme, QLabel *uyari)
    : QWidget(sekme), ana_(ana), sekme_(sekme ? sekme : this), sepet_(new kt::VeriSeti(this)),
      cxGrid2_(new kt::Izgara(this))
{
    katalog::sayfayiYerlestir(sekme, this);
    sepet_->setObjectName(QStringLiteral("sepet"));
    cxGrid2_->setObjectName(QStringLiteral("cxGrid2"));
    giris_ = std::make_unique<katalog::TSatirGirisi>(ana_, *this);

    kt::IzgaraStili stil;
    stil.satirSecimi = false;
    stil.odakCercevesi = false;
    stil.baslikYuksekligi = 40;
    stil.satirYuksekligi = 60;
    stil.font = QFont(QStringLiteral("Tahoma"));
    stil.fontPx = 13;
    stil.ciftSatir = QColor(255, 255, 255);
    stil.tekSatir = QColor(239, 239, 239);
    stil.secili = QColor(210, 240, 249);
    cxGrid2_->StilAyarla(stil);
    cxGrid2_->KolonlariKur(sepetKolonlari(ana_.sbilgi().MusteriTipi()));
    cxGrid2_->Bagla(sepet_);

    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1_->addAction(QStringLiteral("Satır Değiştir")), &QAction::triggered, this,
            &TSepetSayfasi::Deitir1Click);
    PopupMenu1_->addSeparator();
    connect(PopupMenu1_->addAction(QStringLiteral("Satır Sil")), &QAction::triggered, this,
            &TSepetSayfasi::SatrSil1Click);
    PopupMenu1_->addSeparator();
    connect(PopupMenu1_->addAction(QStringLiteral("Hepsini Sil")), &QAction::triggered, this,
            &TSepetSayfasi::HepsiniSil1Click);
    cxGrid2_->Tablo()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cxGrid2_->Tablo(), &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (!cxGrid2_->isEnabled())
            return;
        const QModelIndex i = cxGrid2_->Tablo()->indexAt(pos);
        if (i.isValid())
            cxGrid2_->Tablo()->setCurrentIndex(i);
        PopupMenu1_->popup(cxGrid2_->Tablo()->viewport()->mapToGlobal(pos));
    });
    connect(cxGrid2_, &kt::Izgara::satirCiftTiklandi, this, [this] { Deitir1Click(); });
    connect(cxGrid2_, &kt::Izgara::boyutDegisti, this, [this] {
        if (cxGrid2_->isEnabled())
            SepetKolonAyarla();
    });

    // Bar under the grid.
    Button4_ = new QPushButton(QStringLiteral("Hepsini Seç"), this);
    Button5_ = new QPushButton(QStringLiteral("Seçimleri Kaldır"), this);
    auto *cubuk = new QWidget(this);
    lbluyarbakiye_ = uyari ? uyari : new QLabel(cubuk);
    lbluyarbakiye_->setParent(cubuk);
    lbluyarbakiye_->setObjectName(QStringLiteral("lbluyarbakiye"));
    if (!uyari)
        lbluyarbakiye_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    lbluyarbakiye_->show();
    cubuk->setFixedHeight(41);
    auto *cubukDuzen = new QHBoxLayout(cubuk);
    cubukDuzen->setContentsMargins(4, 2, 4, 2);
    cubukDuzen->addWidget(Button4_);
    cubukDuzen->addWidget(Button5_);
    cubukDuzen->addWidget(lbluyarbakiye_, 1);

    // Totals and the two buttons.
    auto *mesaj = new QGroupBox(QStringLiteral("Mesaj"), this);
    auto *form = new QFormLayout(mesaj);
    form->setContentsMargins(6, 2, 6, 2);
    form->setVerticalSpacing(1);
    const auto toplamSatiri = [&](const QString &baslik, bool kalin) {
        auto *l = new QLabel(QStringLiteral("0,00"), mesaj);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *b = new QLabel(baslik, mesaj);
        if (kalin) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
            b->setFont(f);
        }
        form->addRow(b, l);
        return l;
    };
    aratoplaml_ = toplamSatiri(QStringLiteral("Toplam:"), false);
    indiriml_ = toplamSatiri(QStringLiteral("İndirim Toplam:"), false);
    nettutarl_ = toplamSatiri(QStringLiteral("Ara Toplam:"), false);
    vergil_ = toplamSatiri(QStringLiteral("Vergi:"), false);
    geneltoplaml_ = toplamSatiri(QStringLiteral("Genel Toplam:"), true);
    Button1_ = new QPushButton(QStringLiteral("Gönder"), this);
    Button2_ = new QPushButton(QStringLiteral("Excel Kaydet"), this);
    Button1_->setMinimumHeight(50);
    Button2_->setMinimumHeight(50);
    auto *sag = new QVBoxLayout;
    sag->addWidget(Button1_);
    sag->addWidget(Button2_);
    auto *panel = new QWidget(this);
    panel->setFixedHeight(131);
    auto *panelDuzen = new QHBoxLayout(panel);
    panelDuzen->addWidget(mesaj);
    panelDuzen->addStretch(1);
    panelDuzen->addLayout(sag);

    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(cxGrid2_, 1);
    duzen->addWidget(cubuk);
    duzen->addWidget(panel);

    connect(Button4_, &QPushButton::clicked, this, &TSepetSayfasi::Button4Click);
    connect(Button5_, &QPushButton::clicked, this, &TSepetSayfasi::Button5Click);
    connect(Button1_, &QPushButton::clicked, this, &TSepetSayfasi::Button1Click);
    connect(Button2_, &QPushButton::clicked, this, &TSepetSayfasi::Button2Click);

    yukleyici_ = new TSekmeYukleyici(&ana_, {"gifsepet", cxGrid2_, sepet_, true}, this);
}

TSepetSayfasi::~TSepetSayfasi()
{
    yukleyici_->Bekle();
}

QLabel *TSepetSayfasi::toplamEtiketi(int i) const
{
    QLabel *const l[] = {aratoplaml_, indiriml_, nettutarl_, vergil_, geneltoplaml_};
    return i >= 0 && i < 5 ? l[i] : nullptr;
}

bool TSepetSayfasi::Yukleniyor() const { return yukleyici_->Yukleniyor(); }

bool TSepetSayfasi::SepetGuncel() const { return guncel_ && !Yukleniyor() && sepet_->Active(); }

void TSepetSayfasi::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        ssepetShow();
}

void TSepetSayfasi::ssepetShow()
{
    if (Yukleniyor())
        return;
    lbluyarbakiye_->clear();
    const int carino = ana_.sbilgi().CARINO();
    kt::VeriSeti *s = sepet_;
    yukleyici_->Yukle(
        [s, carino](TBaglanti &bag) {
            TServerMethods1Client proxy(&bag);
            s->VeriPaketiYukle(proxy.SepetVer2(carino));
            return false;
        },
        [this](bool h) { yuklendi(!h); });
    emit sepetGosterildi();
}

void TSepetSayfasi::yuklendi(bool basarili)
{
    if (basarili)
        guncel_ = true;
    ana_.sekmeBasligiYaz(sekme_, sepetBasligi(sepet_->Active() ? sepet_->RecordCount() : 0));
    // The totals always follow the lines the list shows.
    SepetToplamHesapla();
    emit sepetYuklendi(!basarili);
}

bool TSepetSayfasi::SepetGetir()
{
    if (Yukleniyor()) {
        QEventLoop bekle;
        connect(yukleyici_, &TSekmeYukleyici::yuklendi, &bekle, &QEventLoop::quit);
        bekle.exec();
    }
    std::unique_ptr<TBaglanti> kopya = ana_.bagc().CloneConnection();
    if (!BaglantiAc(*kopya, 1)) {
        yuklendi(false);
        return false;
    }
    bool basarili = true;
    try {
        TServerMethods1Client proxy(kopya.get());
        sepet_->VeriPaketiYukle(proxy.SepetVer2(ana_.sbilgi().CARINO()));
        FormatAyarla(*sepet_);
    } catch (const EUzakHata &e) {
        basarili = false;
        cagriHatasi(e);
    }
    kopya->Close();
    yuklendi(basarili);
    return basarili;
}

void TSepetSayfasi::SepetToplamHesapla()
{
    const SepetToplamlari t = ToplamHesapla(*sepet_);
    aratoplaml_->setText(toplamMetni(t.toplam));
    indiriml_->setText(toplamMetni(t.indirim));
    nettutarl_->setText(toplamMetni(t.ara));
    vergil_->setText(toplamMetni(t.vergi));
    geneltoplaml_->setText(toplamMetni(t.genel));
}

bool TSepetSayfasi::SecimGonder(int sirano, int secim)
{
    std::unique_ptr<TBaglanti> kopya = ana_.bagc().CloneConnection();
    if (!BaglantiAc(*kopya, 1))
        return false;
    try {
        TServerMethods1Client proxy(kopya.get());
        proxy.SepetSecimGuncelle(sirano, secim);
    } catch (const EUzakHata &e) {
        kopya->Close();
        cagriHatasi(e);
        return false;
    }
    kopya->Close();
    return true;
}

// A mark the server did not take is taken back on the screen too: the lines
// shown as selected are the lines an order will carry.
static void isaretYaz(kt::VeriSeti &s, int secim)
{
    s.Edit();
    s.FieldByName(QStringLiteral("SEC")).SetAsInteger(secim);
    s.Post();
}

void TSepetSayfasi::hepsiniIsaretle(int secim)
{
    if (islem_ || Yukleniyor() || !KayitVarmi(*sepet_))
        return;
    Islem m(islem_);
    const int sirano = sepet_->alanNo(QStringLiteral("SIRANO"));
    const int sec = sepet_->alanNo(QStringLiteral("SEC"));
    if (sirano >= 0 && sec >= 0) {
        for (int r = 0; r < sepet_->satirSayisi(); ++r) {
            sepet_->SetRecNo(r + 1);
            const int eski = sepet_->deger(r, sec).toInt();
            isaretYaz(*sepet_, secim);
            if (!SecimGonder(sepet_->deger(r, sirano).toInt(), secim)) {
                isaretYaz(*sepet_, eski);
                break;   // the server is not reachable: the other lines stay as they are
            }
        }
    }
    SepetToplamHesapla();
    if (QLineEdit *a = ana_.araedit(); a && a->isEnabled()) {
        a->selectAll();
        a->setFocus();
    }
}

void TSepetSayfasi::Button4Click() { hepsiniIsaretle(1); }
void TSepetSayfasi::Button5Click() { hepsiniIsaretle(0); }

void TSepetSayfasi::Deitir1Click()
{
    if (islem_ || Yukleniyor() || !cxGrid2_->OdakVar())
        return;
    const int sirano = cxGrid2_->OdakDegeri(QStringLiteral("SIRANO")).toInt();
    if (!sepet_->Locate(QStringLiteral("SIRANO"), sirano))
        return;
    if (cxGrid2_->OdakKolonBasligi() != QStringLiteral("Seç")) {
        giris_->SepetSatirDegistir(sirano);
        return;
    }
    Islem m(islem_);
    const int eski = sepet_->FieldByName(QStringLiteral("SEC")).AsInteger();
    const int yeni = eski == 0 ? 1 : 0;
    isaretYaz(*sepet_, yeni);
    if (!SecimGonder(sirano, yeni) && sepet_->Locate(QStringLiteral("SIRANO"), sirano))
        isaretYaz(*sepet_, eski);
    SepetToplamHesapla();
}

void TSepetSayfasi::SatrSil1Click()
{
    if (islem_ || Yukleniyor() || !cxGrid2_->OdakVar())
        return;
    Islem m(islem_);
    const int sirano = cxGrid2_->OdakDegeri(QStringLiteral("SIRANO")).toInt();
    if (!sepet_->Locate(QStringLiteral("SIRANO"), sirano))
        return;
    const QString aciklama = sepet_->FieldByName(QStringLiteral("BARKOD")).AsString() + QStringLiteral("-") +
                             sepet_->FieldByName(QStringLiteral("STOKADI")).AsString();
    if (!evetMi(QStringLiteral("Satırı silmek istiyor musunuz ")))
        return;
    TBaglanti &bagc = ana_.bagc();
    if (!BaglantiAc(bagc, 1))
        return;
    try {
        TServerMethods1Client proxy(&bagc);
        proxy.SepetSatirSil(ana_.sbilgi().Kopya(), sirano, aciklama);
    } catch (const EUzakHata &e) {
        bagc.Close();
        guncel_ = false;
        cagriHatasi(e);
        return;
    }
    bagc.Close();
    guncel_ = false;
    SepetGetir();
    bilgi(QStringLiteral("Satır silindi !"));
}

void TSepetSayfasi::HepsiniSil1Click()
{
    if (islem_ || Yukleniyor() || !KayitVarmi(*sepet_))
        return;
    Islem m(islem_);
    if (!evetMi(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz ")))
        return;
    std::unique_ptr<TSonucBilgisi> kopya = ana_.sbilgi().Kopya();
    TBaglanti &bagc = ana_.bagc();
    if (!BaglantiAc(bagc, 1))
        return;
    try {
        TServerMethods1Client proxy(&bagc);
        proxy.SepetHepsiniSil(std::move(kopya));
    } catch (const EUzakHata &e) {
        bagc.Close();
        guncel_ = false;
        cagriHatasi(e);
        return;
    }
    bilgi(QStringLiteral("Sepet Silindi !"));
    bagc.Close();
    guncel_ = false;
    SepetGetir();
}

void TSepetSayfasi::Button2Click()
{
    if (!Yukleniyor())
        cxGrid2_->ExcelKaydet();
}

void TSepetSayfasi::Button1Click()
{
    if (islem_ || Yukleniyor())
        return;
    Islem m(islem_);
    // What is sent is the server's basket: the screen must show it first.
    if (!guncel_ && !SepetGetir())
        return;
    if (!SeciliVarmi(*sepet_)) {
        kt::MesajGoster(QStringLiteral("Gönderilecek Parça Yok "), kt::MesajTipi::Uyari, {kt::Dugme::Tamam},
                        kt::Dugme::Tamam);
        return;
    }
    std::unique_ptr<TONAYSIP> d(TONAYSIP::Ac(ana_.pencere(), ana_.bagc(), lbluyarbakiye_->text(), ana_.sbilgi(),
                                             geneltoplaml_->text()));
    if (d->exec() != QDialog::Accepted)
        return;
    const int KN = d->KN, tur = d->kt, td = d->td;
    const QString aciklama = d->aciklamagir->toPlainText();
    d.reset();
    if (SiparisGonder(KN, tur, aciklama, td)) {
        bilgi(QStringLiteral("Siparişiniz Gönderildi !"));
        guncel_ = false;
        SepetGetir();
        emit siparisGonderildi();
    } else {
        hata(QStringLiteral("Sipariş Göndermede Hata"));
    }
}

bool TSepetSayfasi::SiparisGonder(int KN, int kt, const QString &aciklama, int td)
{
    TSonucBilgisi &sbilgi = ana_.sbilgi();
    std::unique_ptr<TSonucBilgisi> kopya = sbilgi.Kopya();
    TBaglanti &bagc = ana_.bagc();
    if (!BaglantiAc(bagc, 1))
        return false;
    bool sonuc = false;
    try {
        TServerMethods1Client proxy(&bagc);
        sonuc = proxy.SiparisKaydet(std::move(kopya), sbilgi.CARINO(), td, kt, aciklama, sbilgi.Sirano(), KN);
    } catch (const EUzakHata &e) {
        // Without an answer the order may or may not be stored: the basket
        // is read again before the next send.
        if (e.durum() == 0)
            guncel_ = false;
        sonuc = false;
    }
    bagc.Close();
    return sonuc;
}

void TSepetSayfasi::SepetKolonAyarla() { katalog::ekranaGoreSigdir(cxGrid2_); }

}  // namespace sepet
