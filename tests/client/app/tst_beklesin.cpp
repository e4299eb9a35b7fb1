// Background tasks (TAwait), the hand-over to the UI thread and the tab
// loading pattern built on them.
#include "anapencere.h"
#include "baglanti.h"
#include "baglantiu.h"
#include "beklesinu.h"
#include "izgara.h"
#include "mesajgoster.h"
#include "sekmeyukleyici.h"
#include "testyardim.h"
#include "utils.h"
#include "veriseti.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <stdexcept>

namespace {

// A transport that opens (or refuses to) without a network.
struct SahteAg {
    std::atomic<bool> acilmaz{false};
};

class SahteTasiyici : public Tasiyici {
public:
    explicit SahteTasiyici(std::shared_ptr<SahteAg> a) : a_(std::move(a)) {}
    void ac(const QString &, int) override
    {
        if (a_->acilmaz)
            throw EUzakHata(QStringLiteral("Sunucuya bağlanılamadı"));
    }
    void kapat() override {}
    HttpYanit gonder(const QString &, const QByteArray &) override { throw EUzakHata(QStringLiteral("yok")); }
    std::unique_ptr<Tasiyici> yeni() const override { return std::make_unique<SahteTasiyici>(a_); }

private:
    std::shared_ptr<SahteAg> a_;
};

// The main window as a page sees it.
class SahtePencere : public IAnaPencere {
public:
    std::shared_ptr<SahteAg> ag = std::make_shared<SahteAg>();
    TBaglanti bag{std::make_unique<SahteTasiyici>(ag)};
    TSonucBilgisi bilgi;
    QWidget w;
    QLineEdit edit;
    QPushButton ara, temizle;
    QHash<QString, bool> resimler;
    QStringList resimOlaylari;

    TSonucBilgisi &sbilgi() override { return bilgi; }
    TBaglanti &bagc() override { return bag; }
    QWidget *pencere() override { return &w; }
    void sekmeBasligiYaz(QWidget *, const QString &) override {}
    void sekmeyeGec(QWidget *) override {}
    bool aktifSekme(QWidget *) const override { return true; }
    QLineEdit *araedit() override { return &edit; }
    QAbstractButton *araButonu() override { return &ara; }
    QAbstractButton *temizleButonu() override { return &temizle; }
    void yukleniyorGoster(const char *resim, bool goster) override
    {
        resimler[QString::fromLatin1(resim)] = goster;
        resimOlaylari << QStringLiteral("%1=%2").arg(QString::fromLatin1(resim)).arg(goster);
    }
    void stokAra(const QString &) override {}
    void sepetiYenile() override {}
    void stokListesiniTemizle() override {}
    QString bakiyeUyarisi() const override { return {}; }
};


kw::Tablo ikiSatir(int ilk)
{
    kw::Tablo t;
    t.kolonEkle("SIRANO", kw::KolonTipi::Int32);
    t.kolonEkle("TUTAR", kw::KolonTipi::Double);
    t.satirlar = {{ilk, 1234.5}, {ilk + 1, 2.0}};
    return t;
}

}  // namespace

class TstBeklesin : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QTRY_COMPARE(CalisanGorevSayisi(), 0); }
    void devamArayuzIpligindeSonraCalisir();
    void modalPencereIcindeDevam();
    void arkaPlanHatasiDevamdanSonraGorunur();
    void baglamGidinceDevamDusar();
    void arayuzdeCalistir();
    void sekmeYukleyiciIkinciYuklemeyiYoksayar();
    void sekmeYukleyiciHatalari();
};

void TstBeklesin::devamArayuzIpligindeSonraCalisir()
{
    QThread *ui = QThread::currentThread();
    std::atomic<QThread *> isci{nullptr};
    auto bitti = std::make_shared<std::atomic<bool>>(false);
    bool devam = false, sirali = false;
    AsyncBaslat([&]() {
        isci = QThread::currentThread();
        QThread::msleep(50);
        *bitti = true;
    })->Await([&]() {
        devam = QThread::currentThread() == ui;
        sirali = *bitti;
    });
    QCOMPARE(CalisanGorevSayisi(), 1);
    QTRY_VERIFY(devam);
    QVERIFY(sirali);
    QVERIFY(isci.load() && isci.load() != ui);
}

void TstBeklesin::modalPencereIcindeDevam()
{
    // The continuation arrives while a modal dialog runs its own loop.
    QDialog d;
    QTimer::singleShot(10000, &d, &QDialog::reject);
    AsyncBaslat([]() { QThread::msleep(100); })->Await([&]() { d.accept(); });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
}

void TstBeklesin::arkaPlanHatasiDevamdanSonraGorunur()
{
    Mesajlar m;
    int devamdaGorulen = -1;
    bool kalanCalisti = false;
    AsyncBaslat([&]() {
        throw EUzakHata(QStringLiteral("Sunucu ile iletişim kesildi"));
        kalanCalisti = true;
    })->Await([&]() { devamdaGorulen = int(m.liste.size()); });
    QTRY_COMPARE(m.liste.size(), 1);
    QCOMPARE(devamdaGorulen, 0);   // the continuation ran, and before the message
    QVERIFY(!kalanCalisti);
    QCOMPARE(m.liste[0].metin, QStringLiteral("Sunucu ile iletişim kesildi"));
    QCOMPARE(m.liste[0].tip, kt::MesajTipi::Hata);

    AsyncBaslat([]() { throw std::runtime_error("beklenmeyen durum"); })->Await([]() {});
    QTRY_COMPARE(m.liste.size(), 2);
    QCOMPARE(m.liste[1].metin, QStringLiteral("beklenmeyen durum"));
}

void TstBeklesin::baglamGidinceDevamDusar()
{
    auto *baglam = new QObject;
    QSemaphore s;
    bool calisti = false;
    AsyncBaslat([&]() { s.acquire(); })->Await(baglam, [&]() { calisti = true; });
    delete baglam;
    s.release();
    QTRY_COMPARE(CalisanGorevSayisi(), 0);
    QVERIFY(!calisti);
}

void TstBeklesin::arayuzdeCalistir()
{
    QThread *ui = QThread::currentThread();
    std::atomic<bool> adimArayuzde{false}, bekledi{false}, hataGeldi{false};
    AsyncBaslat([&]() {
        int deger = 0;
        ArayuzdeCalistir([&]() {
            adimArayuzde = QThread::currentThread() == ui;
            deger = 42;
        });
        bekledi = deger == 42;   // the worker waited for the step
        try {
            ArayuzdeCalistir([]() { throw std::runtime_error("adım"); });
        } catch (const std::runtime_error &) {
            hataGeldi = true;
        }
    })->Await([]() {});
    QTRY_COMPARE(CalisanGorevSayisi(), 0);
    QVERIFY(adimArayuzde);
    QVERIFY(bekledi);
    QVERIFY(hataGeldi);
}

void TstBeklesin::sekmeYukleyiciIkinciYuklemeyiYoksayar()
{
    Mesajlar m;
    SahtePencere ana;
    kt::Izgara izgara;
    kt::VeriSeti veri;
    izgara.Bagla(&veri);
    TSekmeYukleyici y(&ana, {"gifsepet", &izgara, &veri, true});

    QSemaphore sal;
    std::atomic<int> cagri{0};
    std::atomic<bool> acikti{false};
    auto yukleyici = [&](TBaglanti &bag) {
        acikti = bag.Connected();
        ++cagri;
        sal.acquire();
        veri.VeriPaketiYukle(ikiSatir(cagri * 10));
        return false;
    };
    QSignalSpy yuklendi(&y, &TSekmeYukleyici::yuklendi);
    QVERIFY(y.Yukle(yukleyici));
    QVERIFY(y.Yukleniyor());
    QVERIFY(ana.resimler.value("gifsepet"));
    QVERIFY(!izgara.isEnabled());
    QCOMPARE(izgara.BagliVeriSeti(), nullptr);

    // The tab shown again while its load runs: ignored.
    QVERIFY(!y.Yukle(yukleyici));
    sal.release();
    QTRY_COMPARE(yuklendi.size(), 1);
    QCOMPARE(cagri.load(), 1);
    QVERIFY(acikti);
    QVERIFY(!y.Yukleniyor());
    QCOMPARE(yuklendi[0][0].toBool(), false);
    QCOMPARE(izgara.BagliVeriSeti(), &veri);
    QVERIFY(izgara.isEnabled());
    QVERIFY(!ana.resimler.value("gifsepet"));
    QCOMPARE(veri.RecordCount(), 2);
    QCOMPARE(veri.FieldByName("TUTAR").DisplayFormat(), QStringLiteral("#,###,##0.00"));
    QCOMPARE(izgara.GorunenSatirSayisi(), 2);
    QVERIFY(m.liste.isEmpty());

    // Every later showing loads again.
    sal.release();
    QVERIFY(y.Yukle(yukleyici));
    QTRY_COMPARE(yuklendi.size(), 2);
    QCOMPARE(cagri.load(), 2);
    QCOMPARE(veri.FieldByName("SIRANO").AsInteger(), 20);
}

void TstBeklesin::sekmeYukleyiciHatalari()
{
    Mesajlar m;
    SahteAg *ag = nullptr;
    SahtePencere ana;
    ag = ana.ag.get();
    kt::Izgara izgara;
    kt::VeriSeti veri;
    veri.VeriPaketiYukle(ikiSatir(1));
    izgara.Bagla(&veri);
    TSekmeYukleyici y(&ana, {"gifekstre", &izgara, &veri, false});
    QSignalSpy yuklendi(&y, &TSekmeYukleyici::yuklendi);

    // A failed remote call: the dataset keeps its content, one message.
    y.Yukle([](TBaglanti &) -> bool { throw EUzakHata(QStringLiteral("500")); });
    QTRY_COMPARE(yuklendi.size(), 1);
    QCOMPARE(yuklendi[0][0].toBool(), true);
    QCOMPARE(m.metinler(), QStringList{BaglantiHatasiMetni()});
    QCOMPARE(veri.RecordCount(), 2);
    QCOMPARE(izgara.BagliVeriSeti(), &veri);

    // Any other fault: the continuation still puts the tab back (picture
    // off, grid attached), then the fault's text shows.
    m.liste.clear();
    ana.resimOlaylari.clear();
    y.Yukle([](TBaglanti &) -> bool { throw std::logic_error("alan bulunamadı"); });
    QTRY_COMPARE(m.liste.size(), 1);
    QCOMPARE(yuklendi.size(), 2);
    QCOMPARE(ana.resimOlaylari, (QStringList{"gifekstre=1", "gifekstre=0"}));
    QCOMPARE(m.liste[0].metin, QStringLiteral("alan bulunamadı"));
    QVERIFY(izgara.isEnabled());

    // No connection: the retries' eleven plain boxes, then the connection
    // message once; the loader never runs.
    m.liste.clear();
    ag->acilmaz = true;
    bool calisti = false;
    y.Yukle([&](TBaglanti &) { calisti = true; return false; });
    QTRY_COMPARE_WITH_TIMEOUT(yuklendi.size(), 3, 20000);
    QVERIFY(!calisti);
    QCOMPARE(m.liste.size(), 12);
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(m.liste[i].tip, kt::MesajTipi::Ozel);
        QCOMPARE(m.liste[i].metin, QStringLiteral("Sunucuya bağlanılamadı"));
    }
    QCOMPARE(m.liste[11].metin, BaglantiHatasiMetni());
    QCOMPARE(m.liste[11].tip, kt::MesajTipi::Hata);
    QCOMPARE(veri.RecordCount(), 2);
}

QTEST_MAIN(TstBeklesin)
#include "tst_beklesin.moc"
