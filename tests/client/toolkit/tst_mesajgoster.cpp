// The Turkish message dialog: titles, captions, the focused default button,
// modal results for Enter/Escape/close, the answering hook and calls from a
// worker thread.
#include "mesajgoster.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <thread>

using namespace kt;

namespace {

struct Gorulen {
    QString baslik;
    QString metin;
    QStringList dugmeler;
    QString odak;
};

// Waits for the dialog, records what it shows, then acts on it.
void dialogaYanit(Gorulen *g, std::function<void(QDialog *)> eylem)
{
    auto *zaman = new QTimer;
    QObject::connect(zaman, &QTimer::timeout, [=]() {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        zaman->stop();
        zaman->deleteLater();
        g->baslik = d->windowTitle();
        if (auto *l = d->findChild<QLabel *>("mesajMetni"))
            g->metin = l->text();
        const auto dugmeler = d->findChildren<QPushButton *>();
        for (QPushButton *b : dugmeler)
            g->dugmeler << b->text();
        if (auto *b = qobject_cast<QPushButton *>(d->focusWidget()))
            g->odak = b->text();
        eylem(d);
    });
    zaman->start(10);
}

void tus(QDialog *d, Qt::Key k)
{
    QWidget *hedef = d->focusWidget() ? d->focusWidget() : d;
    QTest::keyClick(hedef, k);
}

}  // namespace

class TstMesajGoster : public QObject {
    Q_OBJECT

private slots:
    void cevaplar_data();
    void cevaplar();
    void basliklarVeDugmeler();
    void kancaVeIsciIpligi();
};

void TstMesajGoster::cevaplar_data()
{
    QTest::addColumn<int>("tip");
    QTest::addColumn<QList<Dugme>>("dugmeler");
    QTest::addColumn<int>("varsayilan");
    QTest::addColumn<int>("tusKodu");   // 0: close the window
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QString>("odak");
    QTest::addColumn<int>("sonuc");

    const QList<Dugme> evetHayir{Dugme::Evet, Dugme::Hayir};
    QTest::newRow("soru enter evet") << int(MesajTipi::Soru) << evetHayir << int(Dugme::Evet) << int(Qt::Key_Return)
                                     << "Soru" << "Evet" << 6;
    QTest::newRow("silme sorusu enter hayir") << int(MesajTipi::Soru) << evetHayir << int(Dugme::Hayir)
                                              << int(Qt::Key_Return) << "Soru" << QStringLiteral("Hayır") << 7;
    QTest::newRow("soru escape") << int(MesajTipi::Soru) << evetHayir << int(Dugme::Evet) << int(Qt::Key_Escape)
                                 << "Soru" << "Evet" << 7;
    QTest::newRow("soru kapatma") << int(MesajTipi::Soru) << evetHayir << int(Dugme::Evet) << 0 << "Soru" << "Evet"
                                  << 2;
    QTest::newRow("hata tamam") << int(MesajTipi::Hata) << QList<Dugme>{Dugme::Tamam} << int(Dugme::Tamam)
                                << int(Qt::Key_Return) << "Hata" << "Tamam" << 1;
    QTest::newRow("uyari escape") << int(MesajTipi::Uyari) << QList<Dugme>{Dugme::Tamam} << int(Dugme::Tamam)
                                  << int(Qt::Key_Escape) << QStringLiteral("Uyarı") << "Tamam" << 1;
    QTest::newRow("bilgi vazgec") << int(MesajTipi::Bilgi) << QList<Dugme>{Dugme::Tamam, Dugme::Vazgec}
                                  << int(Dugme::Vazgec) << int(Qt::Key_Return) << "Bilgi" << QStringLiteral("Vazgeç")
                                  << 2;
    // A default that is not in the set falls back to the first button.
    QTest::newRow("yok varsayilan") << int(MesajTipi::Soru) << evetHayir << int(Dugme::Tamam) << int(Qt::Key_Return)
                                    << "Soru" << "Evet" << 6;
}

void TstMesajGoster::cevaplar()
{
    QFETCH(int, tip);
    QFETCH(QList<Dugme>, dugmeler);
    QFETCH(int, varsayilan);
    QFETCH(int, tusKodu);
    QFETCH(QString, baslik);
    QFETCH(QString, odak);
    QFETCH(int, sonuc);

    Gorulen g;
    dialogaYanit(&g, [tusKodu](QDialog *d) {
        if (tusKodu == 0)
            d->close();
        else
            tus(d, Qt::Key(tusKodu));
    });
    const int r = MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), MesajTipi(tip), dugmeler,
                              Dugme(varsayilan));
    QCOMPARE(r, sonuc);
    QCOMPARE(g.baslik, baslik);
    QCOMPARE(g.odak, odak);
    QCOMPARE(g.metin, QStringLiteral("Satırı silmek istiyor musunuz "));
}

void TstMesajGoster::basliklarVeDugmeler()
{
    Gorulen g;
    dialogaYanit(&g, [](QDialog *d) { tus(d, Qt::Key_Return); });
    const int r = MesajGoster("x", MesajTipi::Uyari,
                              {Dugme::Yardim, Dugme::Atla, Dugme::Tekrar, Dugme::Iptal, Dugme::Vazgec, Dugme::Tamam,
                               Dugme::Hayir, Dugme::Evet, Dugme::TumuneEvet, Dugme::TumuneHayir},
                              Dugme::Tekrar);
    QCOMPARE(r, int(mrRetry));
    // Shown in the platform's order, whatever order the caller gave.
    QCOMPARE(g.dugmeler, (QStringList{"Evet", QStringLiteral("Hayır"), "Tamam", QStringLiteral("Vazgeç"),
                                      QStringLiteral("İptal"), "Tekrar", "Atla", QStringLiteral("Tümüne Hayır"),
                                      QStringLiteral("Tümüne Evet"), QStringLiteral("Yardım")}));
    QCOMPARE(g.odak, QStringLiteral("Tekrar"));
    QCOMPARE(dugmeSonucu(Dugme::Iptal), int(mrAbort));
    QCOMPARE(dugmeSonucu(Dugme::Atla), int(mrIgnore));
    QCOMPARE(mesajBasligi(MesajTipi::Bilgi), QStringLiteral("Bilgi"));
}

void TstMesajGoster::kancaVeIsciIpligi()
{
    QList<MesajBilgisi> sorulan;
    QThread *kancaIpligi = nullptr;
    MesajKancasiKur([&](const MesajBilgisi &b) {
        sorulan << b;
        kancaIpligi = QThread::currentThread();
        return b.varsayilan == Dugme::Hayir ? int(mrNo) : int(mrYes);
    });
    QCOMPARE(MesajGoster("Tüm Sepeti Silmek İstiyor musunuz ", MesajTipi::Soru, {Dugme::Evet, Dugme::Hayir},
                         Dugme::Hayir),
             int(mrNo));
    QCOMPARE(sorulan.size(), 1);
    QCOMPARE(sorulan[0].metin, QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "));
    QCOMPARE(sorulan[0].tip, MesajTipi::Soru);

    // From a worker the question runs on the UI thread while the worker waits.
    int isciSonucu = -1;
    std::thread isci([&]() {
        isciSonucu = MesajGoster("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", MesajTipi::Hata, {Dugme::Tamam},
                                 Dugme::Tamam);
    });
    QTRY_COMPARE(sorulan.size(), 2);
    isci.join();
    QCOMPARE(isciSonucu, int(mrYes));
    QCOMPARE(kancaIpligi, qApp->thread());
    MesajKancasiKur({});
}

QTEST_MAIN(TstMesajGoster)
#include "tst_mesajgoster.moc"
