// Client benchmark: the stock search as the dealer feels it, inside the
// client process. The real main window logs in (KORVEL_GIRIS), then Enter is
// pressed in the search box again and again; each time counts from the key
// to the grid painted with the result. Afterwards the process's resident
// memory is read with the last result on screen.
//
//   korvel-client-bench [--sorgu TEXT] [--tekrar N] [--genislik W]
//
// The server and the login come from the environment (KORVEL_SERVER,
// KORVEL_WEB, KORVEL_GIRIS); bench/client/run.sh sets them.
#include "Unit1.h"
#include "beklesinu.h"
#include "izgara.h"
#include "stil.h"
#include "stoklistesi.h"
#include "testkancalari.h"
#include "veriseti.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// "VmRSS" or "VmHWM" of this process in MiB.
double bellek(const char *ad)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &satir : f.readAll().split('\n'))
        if (satir.startsWith(ad))
            return satir.mid(int(qstrlen(ad)) + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

void bekle(int ms)
{
    QEventLoop l;
    QTimer::singleShot(ms, &l, &QEventLoop::quit);
    l.exec();
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (qEnvironmentVariableIsEmpty("KORVEL_MESAJ_CEVAP"))
        qputenv("KORVEL_MESAJ_CEVAP", "varsayilan");
    QApplication app(argc, argv);
    QString sorgu = QStringLiteral("FREN");
    int tekrar = 20;
    int genislik = 1366;
    const QStringList a = app.arguments();
    for (int i = 1; i + 1 < a.size(); i += 2) {
        if (a[i] == QLatin1String("--sorgu"))
            sorgu = a[i + 1];
        else if (a[i] == QLatin1String("--tekrar"))
            tekrar = std::max(1, a[i + 1].toInt());
        else if (a[i] == QLatin1String("--genislik"))
            genislik = a[i + 1].toInt();
    }

    kt::StilUygula(app);
    OrtamKancalariniKur();
    const double bosBellek = bellek("VmRSS:");
    TForm1 form;
    if (!form.FormCreate()) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }
    form.resize(genislik, 768);
    form.show();
    // Let the start-up loaders and the first layout settle.
    for (int i = 0; i < 200 && CalisanGorevSayisi() > 0; ++i)
        bekle(50);
    bekle(300);

    auto *liste = form.findChild<katalog::TStokListesi *>();
    if (!liste) {
        std::fprintf(stderr, "no stock list page\n");
        return 1;
    }
    QLineEdit *kutu = form.araedit();
    QTableView *tablo = liste->cxGrid1()->Tablo();

    // One search: Enter in the box → rows in the grid, painted.
    auto ara = [&]() -> double {
        QEventLoop l;
        QObject::connect(liste, &katalog::TStokListesi::aramaBitti, &l, &QEventLoop::quit);
        kutu->setText(sorgu);
        QElapsedTimer t;
        t.start();
        QKeyEvent basma(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(kutu, &basma);
        l.exec();
        tablo->viewport()->repaint();
        return double(t.nsecsElapsed()) / 1e6;
    };

    ara();   // warm-up: connections, fonts, first layout
    QVector<double> sureler;
    for (int i = 0; i < tekrar; ++i)
        sureler << ara();
    std::sort(sureler.begin(), sureler.end());
    const int satir = liste->stok().RecordCount();
    bekle(200);
    std::printf("query \"%s\": %d rows, %d runs, window %dx768\n", qPrintable(sorgu), satir, tekrar, genislik);
    std::printf("Enter -> painted grid: median %.1f ms, min %.1f ms, p90 %.1f ms, max %.1f ms\n",
                sureler[sureler.size() / 2], sureler.front(), sureler[int(sureler.size() * 9 / 10)], sureler.back());
    std::printf("resident memory with the rows shown: %.1f MiB (peak %.1f MiB; %.1f MiB before the window)\n",
                bellek("VmRSS:"), bellek("VmHWM:"), bosBellek);
    std::fflush(stdout);
    _exit(satir > 0 ? 0 : 1);
}
