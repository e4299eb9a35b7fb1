// Environment hooks for scripted runs; see testkancalari.h.
#include "testkancalari.h"

#include "Unit1.h"
#include "girisformu.h"
#include "mesajgoster.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

kt::Dugme istenenDugme(const QString &ad, const kt::MesajBilgisi &m)
{
    const QString a = ad.toLower();
    const QList<QPair<QString, kt::Dugme>> adlar{{QStringLiteral("evet"), kt::Dugme::Evet},
                                                 {QStringLiteral("hayir"), kt::Dugme::Hayir},
                                                 {QStringLiteral("tamam"), kt::Dugme::Tamam},
                                                 {QStringLiteral("vazgec"), kt::Dugme::Vazgec}};
    for (const auto &[isim, dugme] : adlar)
        if (a == isim && m.dugmeler.contains(dugme))
            return dugme;
    return m.varsayilan;
}

// Watches for the login dialog and the main window being shown.
class Izleyici : public QObject {
public:
    Izleyici(QString giris, int cikisMs) : giris_(std::move(giris)), cikisMs_(cikisMs) {}

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override
    {
        if (olay->type() != QEvent::Show)
            return false;
        if (auto *g = qobject_cast<Tgirisform *>(nesne); g && !giris_.isEmpty()) {
            const QString g2 = giris_;
            giris_.clear();
            QPointer<Tgirisform> p(g);
            QTimer::singleShot(150, g, [p, g2]() {
                if (!p)
                    return;
                if (g2 == QStringLiteral("-")) {
                    p->Button2->click();
                    return;
                }
                const qsizetype iki = g2.indexOf(u':');
                p->adi->setText(g2.left(iki));
                p->sifre->setText(iki < 0 ? QString() : g2.mid(iki + 1));
                p->Button1->click();
            });
        } else if (auto *f = qobject_cast<TForm1 *>(nesne); f && cikisMs_ >= 0) {
            const int ms = cikisMs_;
            cikisMs_ = -1;
            QTimer::singleShot(ms, f, [f]() { f->G1->trigger(); });
        }
        return false;
    }

private:
    QString giris_;
    int cikisMs_;
};

}  // namespace

void OrtamKancalariniKur()
{
    const QString cevap = qEnvironmentVariable("KORVEL_MESAJ_CEVAP");
    if (!cevap.isEmpty()) {
        kt::MesajKancasiKur([cevap](const kt::MesajBilgisi &m) {
            std::fprintf(stderr, "MESAJ %d: %s\n", int(m.tip), m.metin.toUtf8().constData());
            std::fflush(stderr);
            return kt::dugmeSonucu(istenenDugme(cevap, m));
        });
    }
    const QString giris = qEnvironmentVariable("KORVEL_GIRIS");
    bool ok = false;
    const int cikis = qEnvironmentVariableIntValue("KORVEL_CIKIS_MS", &ok);
    if (!giris.isEmpty() || ok) {
        auto *i = new Izleyici(giris, ok ? cikis : -1);
        i->setParent(qApp);
        qApp->installEventFilter(i);
    }
}
