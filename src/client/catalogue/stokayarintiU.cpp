// The line entry dialog; see stokayarintiU.h.
#include "stokayarintiU.h"

#include "asyncresimu.h"

#include "paraedit.h"
#include "sayiedit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace katalog {

QString resimAdresi(const QString &servis, int stokno, int sira)
{
    return servis + QStringLiteral("?id=") + QString::number(stokno) + QStringLiteral("&resim=") + QString::number(sira);
}

namespace {

// An amount field: two decimals with thousands separators, 20 px, read-only
// until a flow allows typing.
kt::ParaEdit *tutarAlani(QWidget *ust, double enAz, double enCok)
{
    auto *e = new kt::ParaEdit(ust);
    e->setRange(enAz, enCok);
    e->setReadOnly(true);
    // The amounts follow every key, not only the end of the typing.
    e->setKeyboardTracking(true);
    QFont f = e->font();
    f.setPixelSize(20);
    e->setFont(f);
    return e;
}

QLabel *etiket(const QString &metin, QWidget *ust, bool kalin = true)
{
    auto *l = new QLabel(metin, ust);
    QFont f = l->font();
    f.setBold(kalin);
    l->setFont(f);
    return l;
}

}  // namespace

Tstokayarinti *Tstokayarinti::Ac(QWidget *AOwner, int _stokno) { return new Tstokayarinti(AOwner, _stokno); }

Tstokayarinti::Tstokayarinti(QWidget *AOwner, int _stokno) : QDialog(AOwner), stokno(_stokno), Fsira(1)
{
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setModal(true);
    resize(672, 762);

    // Header strip: the item's texts.
    auto *ust = new QWidget(this);
    auto *ustDuzen = new QGridLayout(ust);
    barkod = etiket({}, ust, false);
    adi = etiket({}, ust, false);
    adi->setWordWrap(true);
    finishkod = etiket({}, ust, false);
    marka = etiket({}, ust, false);
    model = etiket({}, ust, false);
    const std::pair<const char16_t *, QLabel *> basliklar[] = {
        {u"Barkod:", barkod}, {u"Açıklama:", adi}, {u"Finish Kod:", finishkod}, {u"Marka:", marka}, {u"Model:", model}};
    int r = 0;
    for (const auto &[b, l] : basliklar) {
        ustDuzen->addWidget(etiket(QString::fromUtf16(b), ust), r, 0);
        ustDuzen->addWidget(l, r, 1);
        ++r;
    }
    ustDuzen->setColumnStretch(1, 1);

    // Picture area.
    AsyncResim1 = new TAsyncResim(this);
    AsyncResim1->setMinimumHeight(200);
    Image1 = new QLabel(this);
    Image1->hide();

    Button1 = new QPushButton(QStringLiteral("Önceki"), this);
    Button2 = new QPushButton(QStringLiteral("Sonraki"), this);
    auto *resimCubugu = new QHBoxLayout;
    resimCubugu->addStretch(1);
    resimCubugu->addWidget(Button1);
    resimCubugu->addWidget(Button2);
    resimCubugu->addStretch(1);

    // Discount panel (rates), hidden until a flow shows it.
    GridPanel2 = new QWidget(this);
    auto *oranDuzen = new QGridLayout(GridPanel2);
    edindirim1 = tutarAlani(GridPanel2, -100, 100);
    edindirim2 = tutarAlani(GridPanel2, -100, 100);
    edindirim3 = tutarAlani(GridPanel2, -100, 100);
    edindirim4 = tutarAlani(GridPanel2, -100, 100);
    const std::pair<const char16_t *, kt::ParaEdit *> oranlar[] = {
        {u"İsk", edindirim1}, {u"İsk2", edindirim2}, {u"İsk3", edindirim3}, {u"İsk4", edindirim4}};
    r = 0;
    for (const auto &[b, e] : oranlar) {
        oranDuzen->addWidget(etiket(QString::fromUtf16(b), GridPanel2), r, 0);
        oranDuzen->addWidget(e, r, 1);
        ++r;
    }
    GridPanel2->hide();

    // Amounts.
    auto *tutarlar = new QWidget(this);
    auto *tutarDuzen = new QGridLayout(tutarlar);
    adet = new kt::SayiEdit(tutarlar);
    adet->SetMinMax(1, 10000);
    adet->setValue(1);
    adet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    {
        QFont f = adet->font();
        f.setPixelSize(20);
        adet->setFont(f);
    }
    Label2 = etiket(QStringLiteral("Fiyat:"), tutarlar);
    birimfiyat = tutarAlani(tutarlar, 0, 1e12);
    indirimoran = etiket(QStringLiteral("İndirim:"), tutarlar);
    indtutar = tutarAlani(tutarlar, -1e12, 1e12);
    kdvdahilLabel = etiket(QStringLiteral("KDV Dahil:"), tutarlar);
    kdvdahiltutar = tutarAlani(tutarlar, -1e12, 1e12);
    tutarLabel = etiket(QStringLiteral("Tutar:"), tutarlar);
    geneltutar = tutarAlani(tutarlar, -1e12, 1e12);
    tutarDuzen->addWidget(etiket(QStringLiteral("Adet:"), tutarlar), 0, 0);
    tutarDuzen->addWidget(adet, 0, 1);
    tutarDuzen->addWidget(Label2, 1, 0);
    tutarDuzen->addWidget(birimfiyat, 1, 1);
    tutarDuzen->addWidget(indirimoran, 2, 0);
    tutarDuzen->addWidget(indtutar, 2, 1);
    tutarDuzen->addWidget(kdvdahilLabel, 3, 0);
    tutarDuzen->addWidget(kdvdahiltutar, 3, 1);
    tutarDuzen->addWidget(tutarLabel, 4, 0);
    tutarDuzen->addWidget(geneltutar, 4, 1);

    ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"), this);
    ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    for (QPushButton *b : {Button1, Button2, ParcaliTus1, ParcaliTus2})
        b->setAutoDefault(false);
    for (QPushButton *b : {ParcaliTus1, ParcaliTus2}) {
        b->setMinimumSize(150, 48);
        QFont f = b->font();
        f.setBold(true);
        f.setPixelSize(16);
        b->setFont(f);
    }
    auto *dugmeler = new QVBoxLayout;
    dugmeler->addWidget(ParcaliTus1);
    dugmeler->addWidget(ParcaliTus2);
    dugmeler->addStretch(1);

    auto *alt = new QHBoxLayout;
    alt->addWidget(GridPanel2);
    alt->addWidget(tutarlar, 1);
    alt->addLayout(dugmeler);

    auto *ana = new QVBoxLayout(this);
    ana->addWidget(ust);
    ana->addWidget(AsyncResim1, 1);
    ana->addWidget(Image1);
    ana->addLayout(resimCubugu);
    ana->addLayout(alt);

    connect(adet, &kt::SayiEdit::valueChanged, this, [this] { Hesapla(); });
    connect(ParcaliTus1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ParcaliTus2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &Tstokayarinti::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tstokayarinti::Button2Click);

    adet->installEventFilter(this);
    for (kt::ParaEdit *e : {birimfiyat, indtutar, kdvdahiltutar, geneltutar, edindirim1, edindirim2, edindirim3,
                              edindirim4})
        e->installEventFilter(this);
    setTabOrder(adet, birimfiyat);
    adet->setFocus();
}

void Tstokayarinti::fiyatDuzenlenir(bool evet)
{
    for (kt::ParaEdit *e : {birimfiyat, edindirim1, edindirim2, edindirim3, edindirim4})
        e->setReadOnly(!evet);
}

Oranlar Tstokayarinti::oranlar() const
{
    return {edindirim1->value(), edindirim2->value(), edindirim3->value(), edindirim4->value()};
}

bool Tstokayarinti::adetOku(double *miktar) const
{
    bool tamam = false;
    const double d = adet->cleanText().trimmed().toDouble(&tamam);
    if (tamam && miktar)
        *miktar = d;
    return tamam;
}

void Tstokayarinti::Hesapla()
{
    const SatirTutarlari t =
        katalog::Hesapla(birimfiyat->value(), AdetDegeri(adet->cleanText()), oranlar(), kdvoran);
    indtutar->setValue(t.indirimTutari);
    kdvdahiltutar->setValue(t.kdvDahil);
    geneltutar->setValue(t.tutar);
}

void Tstokayarinti::F4()
{
    birimfiyat->setValue(F4Fiyati(birimfiyat->value()));
    Hesapla();
}

void Tstokayarinti::resmiGoster()
{
    if (!resimServisi.isEmpty())
        AsyncResim1->setUrl(resimAdresi(resimServisi, stokno, Fsira));
}

void Tstokayarinti::Button1Click()
{
    Fsira = oncekiResim(Fsira);
    resmiGoster();
}

void Tstokayarinti::Button2Click()
{
    Fsira = sonrakiResim(Fsira);
    resmiGoster();
}

void Tstokayarinti::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (gosterildi_)
        return;
    gosterildi_ = true;
    if (QWidget *p = parentWidget(); p && p->screen())
        move(p->screen()->availableGeometry().center() - rect().center());
    const bool indirim = IndirimVarmi(oranlar());
    indirimoran->setVisible(indirim);
    indtutar->setVisible(indirim);
    Hesapla();
    resmiGoster();
    adet->setFocus();
    adet->selectAll();
}

void Tstokayarinti::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        adet->selectAll();
}

bool Tstokayarinti::eventFilter(QObject *nesne, QEvent *olay)
{
    if (olay->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(olay);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (enter && nesne == adet) {
            accept();
            return true;
        }
        if (enter && nesne == birimfiyat)
            return true;
    } else if (olay->type() == QEvent::KeyRelease && nesne != adet) {
        auto *k = static_cast<QKeyEvent *>(olay);
        if (k->isAutoRepeat())
            return false;
        if (k->key() == Qt::Key_F4)
            F4();
        else
            Hesapla();
    }
    return QDialog::eventFilter(nesne, olay);
}

}  // namespace katalog
