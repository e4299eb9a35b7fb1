// The main window; see Unit1.h.
#include "Unit1.h"

#include "beklesinu.h"
#include "girisformu.h"
#include "animasyonluresim.h"
#include "kabuksimgeleri.h"
#include "kullanicitipi.h"
#include "mesajgoster.h"
#include "sekmecizici.h"
#include "simgeler.h"
#include "utils.h"
#if __has_include("sepetsayfasi.h")
#include "sepetsayfasi.h"
#include "stoklistesi.h"
#include "tanitimlistesi.h"
#endif

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QThread>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The window's own regions; the general look comes from the "Allports"
// style of the application.
const char *const kPencereStili = R"(
QWidget#baslikPaneli { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f4f6a, stop:1 #153648); }
QWidget#baslikPaneli QLabel { color: white; background: transparent; }
QWidget#baslikPaneli QLabel[rol="etiket"] { color: #fbb824; }
QToolButton#genelTus { background: transparent; border: 1px solid transparent; border-radius: 6px; padding: 2px; }
QToolButton#genelTus:hover { background: rgba(255,255,255,28); border-color: rgba(255,255,255,60); }
QToolButton#genelTus::menu-button { border: none; width: 14px; }
QWidget#aramaCubugu { background: #f3f6f8; border-bottom: 1px solid #d3dbe2; }
QLineEdit#araedit { font-size: 20px; font-weight: normal; padding: 1px 8px; border: 1px solid #b9c6d0;
    border-radius: 4px; background: white; selection-background-color: #2e7d9a; }
QLineEdit#araedit:focus { border: 2px solid #2e7d9a; padding: 0px 7px; }
QWidget#aramaCubugu QToolButton { border: none; border-radius: 5px; padding: 1px; background: transparent; }
QWidget#aramaCubugu QToolButton:hover { background: #dfe8ee; }
QToolButton#musteritus { padding: 2px 10px; border: 1px solid #b9c6d0; background: white; color: #1f4f6a; }
QWidget#durumAciklamasi { background: #eef2f5; border-top: 1px solid #d3dbe2; }
QWidget#durumAciklamasi QLabel { font-size: 11px; font-weight: bold; color: #2c3e50; }
QWidget#altSerit { background: #153648; }
QLabel#lbluyarbakiye { color: red; font-family: Tahoma; font-size: 16px; font-weight: bold; }
)";

QLabel *etiket(const QString &metin, QWidget *ust, const char *rol = nullptr)
{
    auto *l = new QLabel(metin, ust);
    if (rol)
        l->setProperty("rol", QString::fromLatin1(rol));
    return l;
}

}  // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    setFont(f);
    setStyleSheet(QString::fromUtf8(kPencereStili));
    setMinimumSize(1000, 640);

    auto *govde = new QWidget(this);
    govde->setObjectName(QStringLiteral("govde"));
    auto *dikey = new QVBoxLayout(govde);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);

    auto *baslik = new QWidget(govde);
    baslikKur(baslik);
    dikey->addWidget(baslik);

    auto *arama = new QWidget(govde);
    aramaCubuguKur(arama);
    dikey->addWidget(arama);

    RxGIFAnimator2 = new kt::AnimasyonluResim(govde);
    RxGIFAnimator2->setObjectName(QStringLiteral("RxGIFAnimator2"));
    RxGIFAnimator2->setFixedHeight(0);
    RxGIFAnimator2->hide();
    dikey->addWidget(RxGIFAnimator2);

    sekmeleriKur();
    dikey->addWidget(PageControl1, 1);
    dikey->addWidget(durumAciklamasiKur());

    auto *alt = new QWidget(govde);
    alt->setObjectName(QStringLiteral("altSerit"));
    alt->setAttribute(Qt::WA_StyledBackground);
    alt->setFixedHeight(40);
    auto *altYatay = new QHBoxLayout(alt);
    altYatay->setContentsMargins(0, 0, 0, 0);
    kayanyazi = new QWidget(alt);
    kayanyazi->setObjectName(QStringLiteral("kayanyazi"));
    altYatay->addWidget(kayanyazi, 1);
    dikey->addWidget(alt);

    // Without a parent until the basket page puts it into its bottom bar
    // (a loose child would show in the window's corner).
    lbluyarbakiye = new QLabel;
    lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
    lbluyarbakiye->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    setCentralWidget(govde);
}

TForm1::~TForm1()
{
    // The start-up worker hands steps to this window and waits for them; let
    // it finish while the window still stands. (The program itself never
    // gets here: it ends with the exit question.)
    while (baslangicSuruyor_->load()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    if (!lbluyarbakiye->parent())
        delete lbluyarbakiye;
}

void TForm1::baslikKur(QWidget *ust)
{
    ust->setObjectName(QStringLiteral("baslikPaneli"));
    ust->setAttribute(Qt::WA_StyledBackground);
    ust->setFixedHeight(100);
    auto *yatay = new QHBoxLayout(ust);
    yatay->setContentsMargins(16, 8, 12, 8);
    yatay->setSpacing(18);

    auto *logo = new QLabel(ust);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(kabuk::logo(56, devicePixelRatioF() > 1 ? 2.0 : 1.0));
    yatay->addWidget(logo);

    auto *ayrac = new QWidget(ust);
    ayrac->setFixedSize(1, 62);
    ayrac->setStyleSheet(QStringLiteral("background: rgba(255,255,255,50);"));
    yatay->addWidget(ayrac);

    auto *izgara = new QGridLayout;
    izgara->setHorizontalSpacing(6);
    izgara->setVerticalSpacing(4);
    kullanicilbl = etiket({}, ust);
    cariadilbl = etiket({}, ust);
    saticilbl = etiket({}, ust);
    kullanicilbl->setObjectName(QStringLiteral("kullanicilbl"));
    cariadilbl->setObjectName(QStringLiteral("cariadilbl"));
    saticilbl->setObjectName(QStringLiteral("saticilbl"));
    const QList<QPair<QString, QLabel *>> satirlar{{QStringLiteral("Kullanıcı: "), kullanicilbl},
                                                   {QStringLiteral("Firma: "), cariadilbl},
                                                   {QStringLiteral("Temsilci: "), saticilbl}};
    for (int i = 0; i < satirlar.size(); ++i) {
        izgara->addWidget(etiket(satirlar[i].first, ust, "etiket"), i, 0, Qt::AlignRight);
        satirlar[i].second->setTextInteractionFlags(Qt::TextSelectableByMouse);
        izgara->addWidget(satirlar[i].second, i, 1);
    }
    izgara->setColumnStretch(1, 1);
    yatay->addLayout(izgara, 1);

    GifResim1 = new kt::AnimasyonluResim(ust);
    GifResim1->setObjectName(QStringLiteral("GifResim1"));
    GifResim1->setFixedSize(409, 84);
    yatay->addWidget(GifResim1);

    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    M1 = Genelmenu->addAction(QStringLiteral("Mail Gönder"));
    Genelmenu->addSeparator();
    N4 = Genelmenu->addAction(QStringLiteral("Şifre Değiştirme İsteği"));
    Genelmenu->addSeparator();
    WebSitesi1 = Genelmenu->addAction(QString());
    Genelmenu->addSeparator();
    G1 = Genelmenu->addAction(QStringLiteral("Çıkış"));
    raporAyiraci_ = Genelmenu->addSeparator();
    Raporlar1 = Genelmenu->addAction(QStringLiteral("Raporlar"));
    M1->setObjectName(QStringLiteral("M1"));
    N4->setObjectName(QStringLiteral("N4"));
    WebSitesi1->setObjectName(QStringLiteral("WebSitesi1"));
    G1->setObjectName(QStringLiteral("G1"));
    Raporlar1->setObjectName(QStringLiteral("Raporlar1"));
    // Designed state: "Raporlar" is for representatives only.
    Raporlar1->setVisible(false);
    raporAyiraci_->setVisible(false);
    connect(G1, &QAction::triggered, this, &TForm1::G1Click);
    connect(WebSitesi1, &QAction::triggered, this, &TForm1::WebSitesi1Click);

    genelTus = new QToolButton(ust);
    genelTus->setObjectName(QStringLiteral("genelTus"));
    genelTus->setIcon(kabuk::menuSimgesi());
    genelTus->setIconSize(QSize(48, 48));
    genelTus->setMenu(Genelmenu);
    genelTus->setPopupMode(QToolButton::MenuButtonPopup);
    genelTus->setCursor(Qt::PointingHandCursor);
    connect(genelTus, &QToolButton::clicked, genelTus, &QToolButton::showMenu);
    yatay->addWidget(genelTus);
}

void TForm1::aramaCubuguKur(QWidget *ust)
{
    ust->setObjectName(QStringLiteral("aramaCubugu"));
    ust->setAttribute(Qt::WA_StyledBackground);
    ust->setFixedHeight(35);
    auto *yatay = new QHBoxLayout(ust);
    yatay->setContentsMargins(10, 2, 10, 2);
    yatay->setSpacing(6);

    araedit_ = new QLineEdit(ust);
    araedit_->setObjectName(QStringLiteral("araedit"));
    araedit_->setFixedSize(340, 31);
    QFont f = araedit_->font();
    f.setPixelSize(20);
    f.setBold(false);
    araedit_->setFont(f);
    yatay->addWidget(araedit_);

    auto tus = [&](const QString &ad, const QString &ipucu, const QIcon &simge) {
        auto *t = new QToolButton(ust);
        t->setObjectName(ad);
        t->setText(ipucu);
        t->setToolTip(ipucu);
        t->setIcon(simge);
        t->setIconSize(QSize(28, 28));
        t->setCursor(Qt::PointingHandCursor);
        t->setFocusPolicy(Qt::TabFocus);
        yatay->addWidget(t);
        return t;
    };
    aratus = tus(QStringLiteral("aratus"), QStringLiteral("Ara"), kabuk::araSimgesi());
    temizletus = tus(QStringLiteral("temizletus"), QStringLiteral("Temizle"), kabuk::temizleSimgesi());

    musteritus = new QToolButton(ust);
    musteritus->setObjectName(QStringLiteral("musteritus"));
    musteritus->setText(QStringLiteral("Başka Cari Seç"));
    musteritus->setIcon(kabuk::musteriSimgesi());
    musteritus->setIconSize(QSize(20, 20));
    musteritus->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    musteritus->setCursor(Qt::PointingHandCursor);
    musteritus->setFixedHeight(29);
    musteritus->hide();
    yatay->addSpacing(8);
    yatay->addWidget(musteritus);

    for (const char *ad : {"gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru", "gifoncekiler", "gifsepet",
                           "gifekstre"}) {
        auto *g = new kt::AnimasyonluResim(ust);
        g->setObjectName(QString::fromLatin1(ad));
        g->Yukleniyor(26);
        g->hide();
        gifler_.insert(QString::fromLatin1(ad), g);
        yatay->addWidget(g);
    }
    yatay->addStretch(1);
}

void TForm1::sekmeleriKur()
{
    PageControl1 = new TSekmeKontrol(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->sekmeCubugu()->sekmeBoyutu(QSize(120, 45));

    auto sayfa = [&](const char *ad, const QString &baslik, kabuk::Sekme simge) {
        auto *w = new QWidget;
        w->setObjectName(QString::fromLatin1(ad));
        PageControl1->addTab(w, kabuk::sekmeSimgesi(simge), baslik);
        return w;
    };
    using S = kabuk::Sekme;
    sstoklistesi = sayfa("sstoklistesi", QStringLiteral("Stok Listesi"), S::Stok);
    ssepet = sayfa("ssepet", QStringLiteral("Sepet"), S::Sepet);
    sonceki = sayfa("sonceki", QStringLiteral("Önceki Siparişler"), S::Onceki);
    sccariekstre = sayfa("sccariekstre", QStringLiteral("Cari Ekstre"), S::Ekstre);
    syeniler = sayfa("syeniler", QStringLiteral("Yeni Stoklar"), S::Yeniler);
    skampanyali = sayfa("skampanyali", QStringLiteral("Kampanyalı Stoklar"), S::Kampanyali);
    sTabSheetduyuru = sayfa("sTabSheetduyuru", QStringLiteral("Duyurular"), S::Duyuru);
    sTabbakiyeler = sayfa("sTabbakiyeler", QStringLiteral("Bakiyeler"), S::Bakiye);
    ss = sayfa("ss", QStringLiteral("Sanal Pos"), S::SanalPos);
    iletisim_tab = sayfa("iletisim_tab", QStringLiteral("İletişim"), S::Iletisim);
    PageControl1->setTabVisible(PageControl1->indexOf(ss), false);
    PageControl1->setCurrentWidget(sstoklistesi);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this](int i) { emit sekmeGosterildi(PageControl1->widget(i)); });
}

QWidget *TForm1::durumAciklamasiKur()
{
    auto *serit = new QWidget;
    serit->setObjectName(QStringLiteral("durumAciklamasi"));
    serit->setAttribute(Qt::WA_StyledBackground);
    serit->setFixedHeight(27);
    auto *yatay = new QHBoxLayout(serit);
    yatay->setContentsMargins(10, 0, 10, 0);
    yatay->setSpacing(3);
    yatay->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    "), serit));
    // Icon indexes of the availability list, in the legend's order.
    const QList<QPair<int, QString>> kalemler{
        {0, QStringLiteral(" Stok mevcut  ")},      {10, QStringLiteral(" Kritik Seviye ")},
        {8, QStringLiteral(" Telefon Açınız  ")},   {2, QStringLiteral(" Yolda  ")},
        {5, QStringLiteral(" Tedarik Sürecinde ")}, {1, QStringLiteral(" Özel Sipariş  ")},
        {4, QStringLiteral(" Yok  ")},
    };
    for (const auto &[simge, metin] : kalemler) {
        auto *resim = new QLabel(serit);
        QPixmap pm = kt::durumSimgesi(simge, 18 * 2);
        pm.setDevicePixelRatio(2.0);
        resim->setPixmap(pm);
        yatay->addWidget(resim);
        auto *yazi = new QLabel(metin, serit);
        yazi->setObjectName(QStringLiteral("durumYazisi"));
        yatay->addWidget(yazi);
        yatay->addSpacing(8);
    }
    yatay->addStretch(1);
    return serit;
}

bool TForm1::FormCreate()
{
    _acilisadet = 0;
    // The application's title shows in plain message boxes.
    QCoreApplication::setApplicationName(QStringLiteral("Korvel Otomotiv B2B"));
    setWindowTitle(QStringLiteral("Korvel Otomotiv B2B Programı"));

    sbilgi_ = TSonucBilgisi();
    sbilgi_.setBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi_.setBilgisayarKullanici(KullaniciAdiAl());
    sbilgi_.setIcip(IcIpAl());
    sbilgi_.setBILGISAYARID(BilgisayarIdAl());

    bagc_.Params[QStringLiteral("Port")] = QString::number(SunucuPortu());
    WebSitesi1->setText(WebSitesiAdresi());

    if (!GirisYap())
        return false;
    SayfalariKur();

    // The start-up loaders, one after the other on one worker; each hands
    // its control changes to the UI thread. The opening screens follow in
    // the continuation once their loader exists.
    *baslangicSuruyor_ = true;
    AsyncBaslat([this, suruyor = baslangicSuruyor_]() {
        struct Bitir {
            std::atomic<bool> &b;
            ~Bitir() { b = false; }
        } bitir{*suruyor};
        AnaBilgiAl();
    })->Await(this, []() {});
    return true;
}

bool TForm1::GirisYap()
{
    // Its own top-level window, centred on the screen: the main window is
    // not shown yet.
    Tgirisform giris;
    giris.bagim = &bagc_;
    giris.Bilgim = &sbilgi_;
    if (giris.exec() != QDialog::Accepted) {
        ProgramiBitir();
        return false;
    }
    KullaniciTipineUyarla();
    return true;
}

void TForm1::KullaniciTipineUyarla()
{
    const PencereUyarlamasi u = PencereUyarlamasiAl(sbilgi_.MusteriTipi());
    musteritus->setVisible(u.musteriTusu);
    Raporlar1->setVisible(u.raporlar);
    raporAyiraci_->setVisible(u.raporlar);
    PageControl1->setTabVisible(PageControl1->indexOf(skampanyali), u.kampanyaSekmesi);
    // The lists' columns follow the same table (kullanicitipi.h); each page
    // applies it to its column table when SayfalariKur builds it.
}

// The tab pages, built after the login so that they know the user type
// (sbilgi().MusteriTipi(), kullanicitipi.h). One line per page and its
// connections; a page builds into its tab sheet, loads on its own show
// (TSekmeYukleyici) and talks to the window only through IAnaPencere, e.g.
//   auto *sepet = new sepet::TSepetSayfasi(*this, ssepet, lbluyarbakiye);
//   connect(this, &TForm1::sepetYenilemeIstendi, sepet, &sepet::TSepetSayfasi::SepetGetir);
void TForm1::SayfalariKur()
{
#if __has_include("sepetsayfasi.h")
    auto *sepet = new sepet::TSepetSayfasi(*this, ssepet, lbluyarbakiye);
    connect(this, &TForm1::sepetYenilemeIstendi, sepet, &sepet::TSepetSayfasi::SepetGetir);
    auto *stok = new katalog::TStokListesi(*this, sepet->satirGirisi(), sstoklistesi);
    connect(this, &TForm1::stokListesiTemizlemeIstendi, stok, &katalog::TStokListesi::Temizle);
    new katalog::TTanitimListesi(katalog::TanitimTuru::Yeniler, *this, sepet->satirGirisi(), syeniler);
    new katalog::TTanitimListesi(katalog::TanitimTuru::Kampanyali, *this, sepet->satirGirisi(), skampanyali);
#endif
}

void TForm1::AnaBilgiAl()
{
    ArayuzdeCalistir([this]() {
        kullanicilbl->setText(sbilgi_.ADI());
        cariadilbl->setText(sbilgi_.CariAdi());
        saticilbl->setText(sbilgi_.SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi_.SaticiTelefon()
                           + QStringLiteral(" email: ") + sbilgi_.SaticiMail());
    });
}

bool TForm1::FormCloseQuery()
{
    const int cevap = kt::MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), kt::MesajTipi::Soru,
                                      {kt::Dugme::Evet, kt::Dugme::Hayir}, kt::Dugme::Evet);
    if (cevap != kt::mrYes)
        return false;
    ProgramiBitir();
    return true;
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (FormCloseQuery())
        e->accept();
    else
        e->ignore();
}

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (ilkGosterim_) {
        ilkGosterim_ = false;
        araedit_->setFocus(Qt::OtherFocusReason);
    }
}

void TForm1::G1Click() { close(); }

void TForm1::WebSitesi1Click()
{
    QDesktopServices::openUrl(QUrl(WebAdresi()));
    araedit_->selectAll();
    araedit_->setFocus();
}

void TForm1::sekmeBasligiYaz(QWidget *sayfa, const QString &baslik)
{
    const int i = PageControl1->indexOf(sayfa);
    if (i >= 0)
        PageControl1->setTabText(i, baslik);
}

void TForm1::sekmeyeGec(QWidget *sayfa)
{
    if (PageControl1->indexOf(sayfa) >= 0)
        PageControl1->setCurrentWidget(sayfa);
}

bool TForm1::aktifSekme(QWidget *sayfa) const { return PageControl1->currentWidget() == sayfa; }

QAbstractButton *TForm1::araButonu() { return aratus; }
QAbstractButton *TForm1::temizleButonu() { return temizletus; }

void TForm1::yukleniyorGoster(const char *resim, bool goster)
{
    if (kt::AnimasyonluResim *g = gifler_.value(QString::fromLatin1(resim)))
        g->setVisible(goster);
}

void TForm1::stokAra(const QString &metin)
{
    araedit_->setText(metin);
    sekmeyeGec(sstoklistesi);
    aratus->click();
}

QString TForm1::bakiyeUyarisi() const { return lbluyarbakiye->text(); }
