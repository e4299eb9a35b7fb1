// The order confirmation dialog; see ONAYSIPU.h.
#include "ONAYSIPU.h"

#include "baglanti.h"
#include "baglantiu.h"
#include "mesajgoster.h"
#include "proxim.h"
#include "radyogrubu.h"
#include "utils.h"
#include "veriseti.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sepet {

QString onayKontrolu(bool teslimSecili, bool kargoTuruSecili, const QString &kargoMetni)
{
    if (!teslimSecili)
        return QStringLiteral("Lütfen Teslim Durumu Seçiniz !");
    if (!kargoTuruSecili)
        return QStringLiteral("Lütfen Kargo Türünü Seçiniz !");
    if (kargoMetni.isEmpty() || kargoMetni == QLatin1String(" "))
        return QStringLiteral("Lütfen Kargo  Seçiniz !");
    return {};
}

QString siparisOzeti(const QString &adi, const QString &cariAdi, const QString &toplam)
{
    return QStringLiteral("Kullanıcı: ") + adi + QStringLiteral("\r\n") + QStringLiteral("Cari     : ") + cariAdi +
           QStringLiteral("\r\n") + QStringLiteral("Tutar    : ") + toplam;
}

int teslimOnSecimi(int adet) { return adet >= 2 ? 1 : adet == 1 ? 0 : -1; }

TONAYSIP::TONAYSIP(QWidget *AOwner, TBaglanti &c, TSonucBilgisi &s, const QString &tutar)
    : QDialog(AOwner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), bagc(c), sbilgi(s), toplam(tutar),
      kargo_(new ::kt::VeriSeti(this))
{
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setModal(true);
    resize(894, 526);

    teslimbox = new ::kt::RadyoGrubu(QStringLiteral("Teslim Durumu"), this);
    teslimbox->setFixedWidth(135);
    boxkargo = new ::kt::RadyoGrubu(QStringLiteral("Kargo Türleri"), this);
    boxkargo->setFixedWidth(208);

    auto *kargoGrubu = new QGroupBox(QStringLiteral("Kargo"), this);
    kargoGrubu->setFixedWidth(224);
    kargocombo = new QComboBox(kargoGrubu);
    kargocombo->setEditable(false);
    uyarikargo = new QLabel(kargoGrubu);
    uyarikargo->setWordWrap(true);
    uyarikargo->setStyleSheet(QStringLiteral("color: red;"));
    auto *kl = new QVBoxLayout(kargoGrubu);
    kl->addWidget(kargocombo);
    kl->addWidget(uyarikargo, 1, Qt::AlignTop);

    auto *mesajGrubu = new QGroupBox(QStringLiteral("Mesaj"), this);
    aciklamagir = new QPlainTextEdit(mesajGrubu);
    (new QVBoxLayout(mesajGrubu))->addWidget(aciklamagir);

    auto *ust = new QHBoxLayout;
    ust->addWidget(teslimbox);
    ust->addWidget(boxkargo);
    ust->addWidget(kargoGrubu);
    ust->addWidget(mesajGrubu, 1);

    QFont sabit = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    sabit.setBold(true);
    sabit.setPixelSize(16);
    Label2 = new QLabel(this);
    Label2->setFont(sabit);
    Label3 = new QLabel(this);
    Label3->setFont(sabit);
    Label3->setWordWrap(true);
    Label3->setStyleSheet(QStringLiteral("color: red;"));

    Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    QFont soru = Label1->font();
    soru.setBold(true);
    soru.setPixelSize(20);
    Label1->setFont(soru);
    Label1->setAlignment(Qt::AlignCenter);

    Button1 = new QPushButton(QStringLiteral("Evet"), this);
    Button2 = new QPushButton(QStringLiteral("Hayır"), this);
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    auto *dugmeler = new QHBoxLayout;
    dugmeler->addWidget(Button1);
    dugmeler->addStretch(1);
    dugmeler->addWidget(Button2);

    auto *ana = new QVBoxLayout(this);
    ana->addLayout(ust, 1);
    ana->addWidget(Label2);
    ana->addWidget(Label3);
    ana->addWidget(Label1);
    ana->addLayout(dugmeler);

    connect(boxkargo, &::kt::RadyoGrubu::tiklandi, this, [this] { boxkargoClick(); });
    connect(kargocombo, &QComboBox::activated, this, [this] { kargocomboChange(); });
    connect(Button1, &QPushButton::clicked, this, &TONAYSIP::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TONAYSIP *TONAYSIP::Ac(QWidget *AOwner, TBaglanti &_c, const QString &mesaj, TSonucBilgisi &_sbilgi,
                       const QString &_toplam)
{
    auto *d = new TONAYSIP(AOwner, _c, _sbilgi, _toplam);
    d->Label3->setText(mesaj);
    d->Label2->setText(siparisOzeti(_sbilgi.ADI(), _sbilgi.CariAdi(), _toplam));
    d->SecenekleriGetir();
    return d;
}

void TONAYSIP::secimleriDoldur(::kt::RadyoGrubu *grup, QVector<int> &kimlikler, const kw::Tablo &tablo)
{
    QStringList adlar;
    kimlikler.clear();
    for (const auto &satir : tablo.satirlar) {
        kimlikler << satir.value(0).toInt();
        adlar << satir.value(1).toString();
    }
    grup->SetItems(adlar);
}

void TONAYSIP::SecenekleriGetir()
{
    std::unique_ptr<TBaglanti> kopya = bagc.CloneConnection();
    if (!BaglantiAc(*kopya, 1))
        return;
    try {
        {
            TServerMethods1Client proxy(kopya.get());
            secimleriDoldur(teslimbox, teslimKimlik_, *proxy.TeslimVer());
            teslimbox->SetItemIndex(teslimOnSecimi(int(teslimKimlik_.size())));
        }
        {
            TServerMethods1Client proxy(kopya.get());
            secimleriDoldur(boxkargo, kargoKimlik_, *proxy.KargoVer());
        }
    } catch (const EUzakHata &e) {
        kt::MesajGoster(e.mesaj(), kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
    }
    kopya->Close();
}

void TONAYSIP::boxkargoClick()
{
    uyarikargo->clear();
    const int i = boxkargo->ItemIndex();
    if (i >= 0 && i < kargoKimlik_.size())
        KargolariGetir(kargoKimlik_[i]);
}

void TONAYSIP::KargolariGetir(int gn)
{
    if (!BaglantiAc(bagc, 1))
        return;
    try {
        TServerMethods1Client proxy(&bagc);
        const kw::Tablo *t = proxy.KargolarVer(gn);
        kargo_->Close();
        kargo_->AlanlariTemizle();
        kargo_->TabloKopyala(*t);
    } catch (const std::exception &e) {
        bagc.Close();
        kt::MesajGoster(QString::fromStdString(e.what()), kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
        return;
    }
    bagc.Close();

    kargocombo->clear();
    kargocombo->addItem(QStringLiteral(" "));
    const int adi = kargo_->alanNo(QStringLiteral("ADI"));
    for (int r = 0; adi >= 0 && r < kargo_->satirSayisi(); ++r)
        kargocombo->addItem(kargo_->deger(r, adi).toString());
    if (kargocombo->count() == 2) {
        kargocombo->setCurrentIndex(1);
        kargocomboChange();
    }
}

void TONAYSIP::kargocomboChange()
{
    uyarikargo->clear();
    const int adi = kargo_->alanNo(QStringLiteral("ADI"));
    const int uyari = kargo_->alanNo(QStringLiteral("UYARI"));
    if (adi < 0 || uyari < 0)
        return;
    const QString secilen = kargocombo->currentText();
    for (int r = 0; r < kargo_->satirSayisi(); ++r)
        if (kargo_->deger(r, adi).toString() == secilen) {
            uyarikargo->setText(kargo_->deger(r, uyari).toString());
            return;
        }
}

void TONAYSIP::Button1Click()
{
    const int teslim = teslimbox->ItemIndex();
    const int tur = boxkargo->ItemIndex();
    const bool teslimVar = teslim >= 0 && teslim < teslimKimlik_.size();
    const bool turVar = tur >= 0 && tur < kargoKimlik_.size();
    const QString mesaj =
        onayKontrolu(teslimVar, turVar, kargocombo->currentIndex() < 0 ? QString() : kargocombo->currentText());
    if (!mesaj.isEmpty()) {
        kt::MesajGoster(mesaj, kt::MesajTipi::Uyari, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
        if (teslimVar && turVar)
            kargocombo->setFocus();
        return;
    }
    const int adi = kargo_->alanNo(QStringLiteral("ADI"));
    const int sirano = kargo_->alanNo(QStringLiteral("SIRANO"));
    for (int r = 0; adi >= 0 && sirano >= 0 && r < kargo_->satirSayisi(); ++r)
        if (kargo_->deger(r, adi).toString() == kargocombo->currentText()) {
            KN = kargo_->deger(r, sirano).toInt();
            break;
        }
    td = teslimKimlik_[teslim];
    kt = kargoKimlik_[tur];
    accept();
}

}  // namespace sepet
