// The message dialog; see mesajgoster.h.
#include "mesajgoster.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMutex>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>

namespace kt {

namespace {

QMutex kancaKilidi;
MesajKancasi &kanca()
{
    static MesajKancasi k;
    return k;
}

class MesajPenceresi : public QDialog {
public:
    MesajPenceresi(QWidget *ust, int kacisSonucu) : QDialog(ust), kacis_(kacisSonucu) {}

    void reject() override { done(mrCancel); }   // the window's close box

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
            if (kacis_ != mrNone)
                done(kacis_);
            e->accept();
            return;
        }
        QDialog::keyPressEvent(e);
    }

private:
    int kacis_;
};

QWidget *anaPencere()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    if (QWidget *w = QApplication::activeWindow())
        return w;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QMainWindow *>(w))
            return w;
    return nullptr;
}

QStyle::StandardPixmap simge(MesajTipi tip)
{
    switch (tip) {
    case MesajTipi::Uyari: return QStyle::SP_MessageBoxWarning;
    case MesajTipi::Hata: return QStyle::SP_MessageBoxCritical;
    case MesajTipi::Bilgi: return QStyle::SP_MessageBoxInformation;
    case MesajTipi::Soru: return QStyle::SP_MessageBoxQuestion;
    case MesajTipi::Ozel: break;
    }
    return QStyle::SP_CustomBase;
}

int goster(const QString &metin, MesajTipi tip, QList<Dugme> dugmeler, Dugme varsayilan)
{
    MesajKancasi k;
    {
        QMutexLocker kilit(&kancaKilidi);
        k = kanca();
    }
    if (k)
        return k({metin, tip, dugmeler, varsayilan});
    std::sort(dugmeler.begin(), dugmeler.end());
    dugmeler.erase(std::unique(dugmeler.begin(), dugmeler.end()), dugmeler.end());
    if (dugmeler.isEmpty())
        dugmeler = {Dugme::Tamam};

    int kacis = mrNone;
    if (dugmeler.contains(Dugme::Vazgec))
        kacis = mrCancel;
    else if (dugmeler.contains(Dugme::Hayir))
        kacis = mrNo;
    else if (dugmeler.contains(Dugme::Tamam))
        kacis = mrOk;

    if (tip != MesajTipi::Ozel)
        QApplication::beep();

    MesajPenceresi d(anaPencere(), kacis);
    d.setWindowTitle(mesajBasligi(tip));
    d.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    d.setObjectName(QStringLiteral("MesajGoster"));
    auto *ana = new QVBoxLayout(&d);
    ana->setContentsMargins(20, 18, 20, 14);
    ana->setSpacing(16);
    auto *ust = new QHBoxLayout;
    ust->setSpacing(16);
    if (tip != MesajTipi::Ozel) {
        auto *resim = new QLabel(&d);
        const int boy = 40;
        resim->setPixmap(d.style()->standardIcon(simge(tip), nullptr, &d).pixmap(boy, boy));
        resim->setAlignment(Qt::AlignTop);
        ust->addWidget(resim);
    }
    auto *yazi = new QLabel(metin, &d);
    yazi->setObjectName(QStringLiteral("mesajMetni"));
    yazi->setTextFormat(Qt::PlainText);
    yazi->setWordWrap(true);
    yazi->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = yazi->font();
    f.setPointSize(15);
    yazi->setFont(f);
    yazi->setMinimumWidth(std::min(520, yazi->fontMetrics().horizontalAdvance(metin) + 8));
    ust->addWidget(yazi, 1);
    ana->addLayout(ust);

    auto *satir = new QHBoxLayout;
    satir->addStretch();
    QPushButton *odak = nullptr;
    QList<QPushButton *> dugmeWidgetleri;
    for (Dugme b : dugmeler) {
        auto *w = new QPushButton(dugmeBasligi(b), &d);
        w->setObjectName(QStringLiteral("dugme%1").arg(int(b)));
        w->setMinimumWidth(90);
        w->setAutoDefault(false);
        const int sonuc = dugmeSonucu(b);
        QObject::connect(w, &QPushButton::clicked, &d, [&d, sonuc]() { d.done(sonuc); });
        satir->addWidget(w);
        dugmeWidgetleri.push_back(w);
        if (b == varsayilan)
            odak = w;
    }
    satir->addStretch();
    ana->addLayout(satir);
    if (!odak)
        odak = dugmeWidgetleri.first();
    // The default button comes first in the tab order, so it holds the focus
    // and Enter presses it.
    QWidget *onceki = odak;
    for (QPushButton *w : dugmeWidgetleri)
        if (w != odak) {
            QWidget::setTabOrder(onceki, w);
            onceki = w;
        }
    odak->setDefault(true);
    odak->setFocus(Qt::OtherFocusReason);
    return d.exec();
}

}  // namespace

QString mesajBasligi(MesajTipi tip)
{
    switch (tip) {
    case MesajTipi::Uyari: return QStringLiteral("Uyarı");
    case MesajTipi::Hata: return QStringLiteral("Hata");
    case MesajTipi::Bilgi: return QStringLiteral("Bilgi");
    case MesajTipi::Soru: return QStringLiteral("Soru");
    case MesajTipi::Ozel: break;
    }
    return QApplication::applicationDisplayName();
}

QString dugmeBasligi(Dugme d)
{
    switch (d) {
    case Dugme::Evet: return QStringLiteral("Evet");
    case Dugme::Hayir: return QStringLiteral("Hayır");
    case Dugme::Tamam: return QStringLiteral("Tamam");
    case Dugme::Vazgec: return QStringLiteral("Vazgeç");
    case Dugme::Iptal: return QStringLiteral("İptal");
    case Dugme::Tekrar: return QStringLiteral("Tekrar");
    case Dugme::Atla: return QStringLiteral("Atla");
    case Dugme::Tumu: return QStringLiteral("All");
    case Dugme::TumuneHayir: return QStringLiteral("Tümüne Hayır");
    case Dugme::TumuneEvet: return QStringLiteral("Tümüne Evet");
    case Dugme::Yardim: return QStringLiteral("Yardım");
    case Dugme::Kapat: return QStringLiteral("Close");
    }
    return QString();
}

int dugmeSonucu(Dugme d)
{
    switch (d) {
    case Dugme::Evet: return mrYes;
    case Dugme::Hayir: return mrNo;
    case Dugme::Tamam: return mrOk;
    case Dugme::Vazgec: return mrCancel;
    case Dugme::Iptal: return mrAbort;
    case Dugme::Tekrar: return mrRetry;
    case Dugme::Atla: return mrIgnore;
    case Dugme::Tumu: return mrAll;
    case Dugme::TumuneHayir: return mrNoToAll;
    case Dugme::TumuneEvet: return mrYesToAll;
    case Dugme::Yardim: return mrHelp;
    case Dugme::Kapat: return mrClose;
    }
    return mrNone;
}

int MesajGoster(const QString &metin, MesajTipi tip, const QList<Dugme> &dugmeler, Dugme varsayilan)
{
    if (QCoreApplication::instance() && QThread::currentThread() != QCoreApplication::instance()->thread()) {
        int sonuc = mrNone;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&]() { sonuc = goster(metin, tip, dugmeler, varsayilan); },
            Qt::BlockingQueuedConnection);
        return sonuc;
    }
    return goster(metin, tip, dugmeler, varsayilan);
}

void MesajKancasiKur(MesajKancasi k)
{
    QMutexLocker kilit(&kancaKilidi);
    kanca() = std::move(k);
}

}  // namespace kt

