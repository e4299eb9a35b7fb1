// A small main window for the page tests: the surface the pages use, a tab
// control with the four sheets, a session of a demo user taken from a real
// server, and a recorder of every message dialog.
#pragma once

#include "anapencere.h"
#include "baglanti.h"
#include "baglantiu.h"
#include "mesajgoster.h"
#include "proxim.h"
#include "sunucusureci.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

class TestPencere : public QMainWindow, public IAnaPencere {
    Q_OBJECT
public:
    TestPencere()
    {
        auto *govde = new QWidget(this);
        auto *dikey = new QVBoxLayout(govde);
        auto *cubuk = new QHBoxLayout;
        ara = new QLineEdit(govde);
        araTus = new QToolButton(govde);
        temizleTus = new QToolButton(govde);
        cubuk->addWidget(ara);
        cubuk->addWidget(araTus);
        cubuk->addWidget(temizleTus);
        dikey->addLayout(cubuk);
        sekmeler = new QTabWidget(govde);
        stokSekme = new QWidget;
        sepetSekme = new QWidget;
        yeniSekme = new QWidget;
        kampSekme = new QWidget;
        sekmeler->addTab(stokSekme, QStringLiteral("Stok Listesi"));
        sekmeler->addTab(sepetSekme, QStringLiteral("Sepet"));
        sekmeler->addTab(yeniSekme, QStringLiteral("Yeni Stoklar"));
        sekmeler->addTab(kampSekme, QStringLiteral("Kampanyalı Stoklar"));
        dikey->addWidget(sekmeler, 1);
        uyari = new QLabel;
        setCentralWidget(govde);
        resize(1300, 800);
    }

    // Points the connection at `srv` and logs in as the demo user whose
    // workstation is `idsi` ("DEMO-BAYI3" …). False when the server gave no
    // session.
    bool oturumAc(const kt::SunucuSureci &srv, const QString &idsi)
    {
        portAyarla(srv.port());
        TServerMethods1Client p(&bagc_);
        bagc_.Open();
        TSonucBilgisi *b = p.BuyukGetir(idsi);
        const bool var = b && b->Varmi();
        if (var)
            sbilgi_ = *b;
        bagc_.Close();
        qputenv("KORVEL_WEB", QStringLiteral("http://127.0.0.1:%1/").arg(srv.webPort()).toUtf8());
        return var;
    }
    void portAyarla(int port)
    {
        bagc_.Params.insert(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        bagc_.Params.insert(QStringLiteral("Port"), QString::number(port));
    }

    TSonucBilgisi &sbilgi() override { return sbilgi_; }
    TBaglanti &bagc() override { return bagc_; }
    QWidget *pencere() override { return this; }
    void sekmeBasligiYaz(QWidget *sayfa, const QString &baslik) override
    {
        const int i = sekmeler->indexOf(sayfa);
        if (i >= 0)
            sekmeler->setTabText(i, baslik);
    }
    void sekmeyeGec(QWidget *sayfa) override { sekmeler->setCurrentWidget(sayfa); }
    bool aktifSekme(QWidget *sayfa) const override { return sekmeler->currentWidget() == sayfa; }
    QLineEdit *araedit() override { return ara; }
    QAbstractButton *araButonu() override { return araTus; }
    QAbstractButton *temizleButonu() override { return temizleTus; }
    void yukleniyorGoster(const char *resim, bool goster) override
    {
        if (goster)
            yukleniyor.insert(QString::fromLatin1(resim));
        else
            yukleniyor.remove(QString::fromLatin1(resim));
    }
    void stokAra(const QString &metin) override
    {
        ara->setText(metin);
        sekmeyeGec(stokSekme);
        araTus->click();
    }
    void sepetiYenile() override { emit sepetYenilemeIstendi(); }
    void stokListesiniTemizle() override { emit stokListesiTemizlemeIstendi(); }
    QString bakiyeUyarisi() const override { return uyari->text(); }

    QString baslik(QWidget *sayfa) const { return sekmeler->tabText(sekmeler->indexOf(sayfa)); }

    QTabWidget *sekmeler;
    QWidget *stokSekme, *sepetSekme, *yeniSekme, *kampSekme;
    QLineEdit *ara;
    QToolButton *araTus, *temizleTus;
    QLabel *uyari;
    QSet<QString> yukleniyor;

signals:
    void sepetYenilemeIstendi();
    void stokListesiTemizlemeIstendi();

private:
    TSonucBilgisi sbilgi_;
    TBaglanti bagc_;
};

// Records every message dialog and answers it: with the answer a test set
// for the next question, else with the dialog's default button.
struct MesajKaydi {
    QList<kt::MesajBilgisi> mesajlar;
    QList<int> cevaplar;   // answers for the coming questions, in order

    MesajKaydi()
    {
        kt::MesajKancasiKur([this](const kt::MesajBilgisi &m) {
            mesajlar << m;
            if (m.tip == kt::MesajTipi::Soru && !cevaplar.isEmpty())
                return cevaplar.takeFirst();
            return kt::dugmeSonucu(m.varsayilan);
        });
    }
    ~MesajKaydi() { kt::MesajKancasiKur({}); }
    QStringList metinler(kt::MesajTipi tip) const
    {
        QStringList l;
        for (const kt::MesajBilgisi &m : mesajlar)
            if (m.tip == tip)
                l << m.metin;
        return l;
    }
    void temizle() { mesajlar.clear(); }
};

// Runs `adim` on the next modal dialog of type D as soon as it is open; a
// step that failed half-way leaves no dialog open behind it.
template <class D>
void diyalogda(std::function<void(D *)> adim, int zamanAsimi = 20000)
{
    auto *zaman = new QElapsedTimer;
    zaman->start();
    auto *t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, zaman, adim, zamanAsimi] {
        D *d = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!d && zaman->elapsed() < zamanAsimi)
            return;
        t->stop();
        t->deleteLater();
        delete zaman;
        if (!d)
            return;
        QPointer<D> p = d;
        adim(d);
        if (p && p->isVisible())
            p->reject();
    });
    t->start();
}
