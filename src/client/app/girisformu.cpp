// The login dialog; see girisformu.h.
#include "girisformu.h"

#include "animasyonluresim.h"
#include "ayarini.h"
#include "baglanti.h"
#include "beklesinu.h"
#include "kabuksimgeleri.h"
#include "mesajgoster.h"
#include "proxim.h"
#include "utils.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QValidator>
#include <memory>

namespace {

// The edits turn what is typed into capitals, as the server's accounts are
// kept. Locale-independent: "i" becomes "I".
class BuyukHarf : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &girdi, int &) const override
    {
        girdi = girdi.toUpper();
        return Acceptable;
    }
};

// The password edit shows "*" for each character.
class YildizStili : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint ipucu, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        if (ipucu == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(ipucu, o, w, r);
    }
};

constexpr int kGenislik = 368;
constexpr int kYukseklik = 550;

}  // namespace

Tgirisform::Tgirisform(QWidget *owner) : QDialog(owner)
{
    // Its own window (and taskbar entry) although the main window is not
    // shown yet; a close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Giriş"));
    setObjectName(QStringLiteral("girisform"));
    setFixedSize(kGenislik, kYukseklik);
    setAttribute(Qt::WA_StyledBackground, false);

    const int sol = 34, gen = kGenislik - 2 * sol;
    QFont etiketFont(QStringLiteral("Tahoma"));
    etiketFont.setPixelSize(13);
    etiketFont.setBold(true);
    QFont editFont(QStringLiteral("Tahoma"));
    editFont.setPixelSize(16);
    editFont.setBold(true);

    auto etiket = [&](const QString &metin, int y) {
        auto *l = new QLabel(metin, this);
        l->setFont(etiketFont);
        l->setGeometry(sol, y, gen, 24);
        l->setStyleSheet(QStringLiteral("QLabel { background: rgb(251,184,36); color: white; padding-left: 4px;"
                                        " border-top-left-radius: 4px; border-top-right-radius: 4px; }"));
        return l;
    };
    auto edit = [&](int y) {
        auto *e = new QLineEdit(this);
        e->setFont(editFont);
        e->setGeometry(sol, y, gen, 36);
        e->setValidator(new BuyukHarf(e));
        e->installEventFilter(this);
        return e;
    };
    const QString editStili = QStringLiteral(
        "QLineEdit { border: 1px solid rgb(200,208,215); border-top: none; border-bottom-left-radius: 4px;"
        " border-bottom-right-radius: 4px; padding: 2px 8px; background: white; color: rgb(30,40,50);"
        " selection-background-color: rgb(46,125,154); }"
        "QLineEdit:focus { border: 2px solid rgb(251,184,36); border-top: none; padding: 2px 7px; }");

    Label1 = etiket(QStringLiteral(" Kullanıcı Adı:"), 204);
    Label1->setObjectName(QStringLiteral("Label1"));
    adi = edit(228);
    adi->setObjectName(QStringLiteral("adi"));
    adi->setStyleSheet(editStili);
    Label2 = etiket(QStringLiteral(" Şifre:"), 278);
    Label2->setObjectName(QStringLiteral("Label2"));
    sifre = edit(302);
    sifre->setObjectName(QStringLiteral("sifre"));
    auto *yildiz = new YildizStili(QStyleFactory::create(QApplication::style()->name()));
    yildiz->setParent(sifre);
    sifre->setStyle(yildiz);
    sifre->setStyleSheet(editStili);
    sifre->setEchoMode(QLineEdit::Password);

    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setChecked(true);
    benihatirla->setGeometry(sol, 348, 200, 24);
    benihatirla->setStyleSheet(QStringLiteral("QCheckBox { color: rgb(50,60,70); font: bold 13px 'Tahoma'; }"));

    RxGIFAnimator1 = new kt::AnimasyonluResim(this);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->Yukleniyor(28);
    RxGIFAnimator1->setFixedSize(28, 28);
    RxGIFAnimator1->move(sol + gen - 28, 346);
    RxGIFAnimator1->hide();

    Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(sol, 386, gen, 40);
    Button1->setAutoDefault(false);
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setStyleSheet(QStringLiteral(
        "QPushButton { background: rgb(46,125,154); color: white; border: none; border-radius: 5px;"
        " font: bold 15px 'Tahoma'; }"
        "QPushButton:hover { background: rgb(56,142,173); }"
        "QPushButton:pressed { background: rgb(36,104,130); }"
        "QPushButton:disabled { background: rgb(150,176,188); color: rgb(235,240,243); }"));
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(sol, 434, gen, 34);
    Button2->setAutoDefault(false);
    Button2->setCursor(Qt::PointingHandCursor);
    Button2->setStyleSheet(QStringLiteral(
        "QPushButton { background: transparent; color: rgb(70,85,98); border: 1px solid rgb(190,200,208);"
        " border-radius: 5px; font: bold 13px 'Tahoma'; }"
        "QPushButton:hover { background: rgb(236,241,245); }"));

    RxLabel1 = new QLabel(this);
    RxLabel1->setObjectName(QStringLiteral("RxLabel1"));
    RxLabel1->setText(QStringLiteral("Korvel Otomotiv Yedek Parça San. ve Tic. A.Ş.\n"
                                     "İkitelli OSB 4. Blok No: 12  Başakşehir / İSTANBUL\n"
                                     "b2b@korveloto.com.tr   •   0 (212) 555 40 40"));
    RxLabel1->setAlignment(Qt::AlignCenter);
    RxLabel1->setWordWrap(true);
    RxLabel1->setGeometry(12, 480, kGenislik - 24, 58);
    RxLabel1->setStyleSheet(QStringLiteral("QLabel { color: rgb(96,110,122); font: 11px 'Tahoma'; }"));

    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    FormCreate();
    adi->setFocus(Qt::OtherFocusReason);
}

Tgirisform::~Tgirisform() = default;

void Tgirisform::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPixmap arka = kabuk::girisArkaPlani(size(), devicePixelRatioF());
    p.drawPixmap(0, 0, arka);
}

void Tgirisform::FormCreate()
{
    idsi = BilgisayarIdAl();
    AyarOku();
}

void Tgirisform::AyarOku()
{
    GirisAyari a;
    if (!AyarDosyasiOku(AyarDosyasiYolu(), &a))
        return;
    benihatirla->setChecked(a.hatirla);
    if (benihatirla->isChecked()) {
        adi->setText(a.isim);
        sifre->setText(a.sifre);
    }
}

void Tgirisform::AyarKaydet()
{
    GirisAyari a;
    a.isim = adi->text();
    a.sifre = sifre->text();
    a.hatirla = benihatirla->isChecked();
    AyarDosyasiYaz(AyarDosyasiYolu(), a);
}

QString Tgirisform::DisIpAl() { return QStringLiteral("127.0.0.1"); }

bool Tgirisform::eventFilter(QObject *nesne, QEvent *olay)
{
    if (olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent *>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {
            if (nesne == adi)
                return adiKeyDown();
            if (nesne == sifre)
                return sifreKeyDown();
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

bool Tgirisform::adiKeyDown()
{
    if (adi->text().trimmed().isEmpty()) {
        kt::MesajGoster(QStringLiteral("Lütfen kullanıcı adını giriniz !"), kt::MesajTipi::Uyari, {kt::Dugme::Tamam},
                        kt::Dugme::Tamam);
        adi->selectAll();
        adi->setFocus();
        return true;
    }
    sifre->selectAll();
    sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown()
{
    if (sifre->text().trimmed().isEmpty()) {
        kt::MesajGoster(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), kt::MesajTipi::Uyari,
                        {kt::Dugme::Tamam}, kt::Dugme::Tamam);
        sifre->selectAll();
        sifre->setFocus();
        return true;
    }
    Button1Click();
    return true;
}

void Tgirisform::Button1Click()
{
    // One attempt at a time, whether it was started by Enter or the button.
    if (calisiyor_)
        return;
    calisiyor_ = true;
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    RxGIFAnimator1->show();

    auto adres = std::make_shared<QString>();
    AsyncBaslat([adres]() { *adres = DisIpAl(); })->Await(this, [this, adres]() {
        Button1->setText(QStringLiteral("Giriş!"));
        Devamet(*adres);
    });
}

void Tgirisform::Devamet(const QString &disIp)
{
    Bilgim->setDisip(disIp);
    bagim->Params[QStringLiteral("HostName")] = SunucuHostAdi();

    // The copy is taken here, where the main connection lives.
    std::shared_ptr<TBaglanti> kopya(bagim->CloneConnection().release());
    auto dogrusonuc = std::make_shared<bool>(false);
    AsyncBaslat([this, kopya, dogrusonuc]() { *dogrusonuc = GirisKontrol(*kopya); })->Await(this, [this, dogrusonuc]() {
        RxGIFAnimator1->hide();
        if (!*dogrusonuc) {
            kt::MesajGoster(QStringLiteral("Bağlantı Kurulamadı !"), kt::MesajTipi::Hata, {kt::Dugme::Tamam},
                            kt::Dugme::Tamam);
            denemeBitti();
            return;
        }
        if (Bilgim->Version() != kProgramSurumu) {
            GuncellemeAc();
            if (!isVisible())
                return;
        }
        if (!Bilgim->Varmi()) {
            IstekFormuAc(WebAdresi());
            ProgramiBitir();
            reject();
            return;
        }
        if (Bilgim->ADI() == adi->text() && Bilgim->SIFRE() == sifre->text()) {
            AyarKaydet();
            if (Bilgim->AKTIF() == 1) {
                // Representatives (types 1 and 2) choose the dealer account
                // here once the customer selection exists; until then they
                // act for the account the server gives them.
                calisiyor_ = false;
                accept();
                return;
            }
        }
        kt::MesajGoster(QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"), kt::MesajTipi::Uyari,
                        {kt::Dugme::Tamam}, kt::Dugme::Tamam);
        denemeBitti();
    });
}

void Tgirisform::denemeBitti()
{
    calisiyor_ = false;
    RxGIFAnimator1->hide();
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

bool Tgirisform::GirisKontrol(TBaglanti &kopya)
{
    if (!BaglantiAc(kopya, 0))
        return false;
    try {
        TServerMethods1Client proxy(&kopya);
        const TSonucBilgisi *sonuc = proxy.BuyukGetir(idsi);
        if (!sonuc)
            return false;
        Bilgim->Kopyala(*sonuc);
    } catch (const std::exception &) {
        return false;
    }
    kopya.Close();
    Bilgim->setBilgiSayarAdi(BilgisayarAdiAl());
    Bilgim->setBilgisayarKullanici(KullaniciAdiAl());
    Bilgim->setIcip(IcIpAl());
    Bilgim->setBILGISAYARID(BilgisayarIdAl());
    Bilgim->setDisip(DisIpAl());
    return true;
}

void Tgirisform::GuncellemeAc()
{
    // Until the installer download exists the user learns that a new
    // version is due, and the program ends as the download would end it.
    kt::MesajGoster(GuncellemeNotu(Bilgim->Version()), kt::MesajTipi::Bilgi, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
    ProgramiBitir();
    reject();
}

void Tgirisform::IstekFormuAc(const QString &webAdresi)
{
    // Until the embedded request form exists: the address of the form and
    // the ID the distributor registers.
    const QString id = BilgisayarIdAl();
    kt::MesajGoster(QStringLiteral("Bu bilgisayar sistemde kayıtlı değil.\n"
                                   "Bilgisayar ID: %1\n"
                                   "Kayıt isteğinizi aşağıdaki adresteki form ile iletebilirsiniz:\n%2")
                        .arg(id, webAdresi + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") + id),
                    kt::MesajTipi::Bilgi, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
}

void Tgirisform::Button2Click()
{
    ProgramiBitir();
    reject();
}
