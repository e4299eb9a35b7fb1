// The stock search: the key filter of the box, the result and its caption,
// the narrow and wide layouts, and a search that cannot reach the server.
#include "aramafiltresi.h"
#include "izgara.h"
#include "sepetsayfasi.h"
#include "stokdizilimi.h"
#include "stoklistesi.h"
#include "testpencere.h"
#include "veriseti.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

class TstStokArama : public QObject {
    Q_OBJECT

    kt::SunucuSureci srv{300};
    std::unique_ptr<TestPencere> w;
    sepet::TSepetSayfasi *sepet = nullptr;
    katalog::TStokListesi *liste = nullptr;

    void kur(const QString &idsi)
    {
        liste = nullptr;
        w = std::make_unique<TestPencere>();
        QVERIFY(w->oturumAc(srv, idsi));
        sepet = new sepet::TSepetSayfasi(*w, w->sepetSekme, w->uyari);
        liste = new katalog::TStokListesi(*w, sepet->satirGirisi(), w->stokSekme);
        w->show();
    }
    // Enter in the box; waits for the search to end.
    bool ara(const QString &metin)
    {
        QSignalSpy bitti(liste, &katalog::TStokListesi::aramaBitti);
        w->ara->setText(metin);
        QTest::keyClick(w->ara, Qt::Key_Return);
        return bitti.wait(30000) && bitti.count() == 1;
    }
    int sunucudakiAdet(const QString &metin)
    {
        TBaglanti b;
        b.Params = w->bagc().Params;
        b.Open();
        TServerMethods1Client p(&b);
        return p.StokAraGetirTarvel(metin, w->sbilgi().Kopya()).satirSayisi();
    }

private slots:
    void initTestCase() { QVERIFY2(srv.baslat(), qPrintable(srv.hata())); }

    void tusFiltresi_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QString>("kutuda");
        QTest::newRow("küçük Türkçe harfler") << QStringLiteral("şöğüçı") << QStringLiteral("SOGUCI");
        QTest::newRow("büyük Türkçe harfler") << QStringLiteral("ĞÜŞİÖÇ") << QStringLiteral("GUSIOC");
        QTest::newRow("düz harf ve rakam") << QStringLiteral("fren 12-b") << QStringLiteral("FREN 12-B");
    }
    void tusFiltresi()
    {
        QFETCH(QString, yazilan);
        QFETCH(QString, kutuda);
        QCOMPARE(katalog::yazilmisMetin(yazilan), kutuda);
    }

    // What the box shows when the keys are typed into it, and that pasted
    // text keeps its Turkish letters.
    void kutuyaYazmak()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        w->ara->setFocus();
        // Typed keys as a keyboard gives them: Turkish letters carry only their text.
        for (QChar c : QStringLiteral("şöğüçı")) {
            QKeyEvent basma(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent birakma(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w->ara, &basma);
            QApplication::sendEvent(w->ara, &birakma);
        }
        QCOMPARE(w->ara->text(), QStringLiteral("SOGUCI"));
        w->ara->clear();
        w->ara->insert(QStringLiteral("şöğ"));
        QCOMPARE(w->ara->text(), QStringLiteral("ŞÖĞ"));
        QCOMPARE(katalog::araeditKeyPress(QChar(13)), QChar(13));
    }

    // Enter searches; the tab shows the number of rows the server sent,
    // also 0 for an empty box; the grid shows them and the box is ready for
    // the next search.
    void aramaVeBaslik()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        const int beklenen = sunucudakiAdet(QStringLiteral("FREN"));
        QVERIFY(beklenen > 0);
        QVERIFY(ara(QStringLiteral("FREN")));
        QCOMPARE(w->baslik(w->stokSekme), QString::number(beklenen) + QStringLiteral("=Stok Listesi"));
        QCOMPARE(liste->cxGrid1()->GorunenSatirSayisi(), beklenen);
        QCOMPARE(liste->stok().FieldByName(QStringLiteral("NETFIYAT")).DisplayFormat(), QStringLiteral("#,###,##0.00"));
        QVERIFY(w->ara->isEnabled());
        QCOMPARE(w->ara->selectedText(), QStringLiteral("FREN"));
        QVERIFY(w->yukleniyor.isEmpty());

        QVERIFY(ara(QString()));
        QCOMPARE(w->baslik(w->stokSekme), QStringLiteral("0=Stok Listesi"));

        // "Temizle" empties the list and the box.
        QVERIFY(ara(QStringLiteral("FREN")));
        w->temizleTus->click();
        QCOMPARE(liste->stok().RecordCount(), 0);
        QCOMPARE(w->baslik(w->stokSekme), QStringLiteral("Stok Listesi"));
        QVERIFY(w->ara->text().isEmpty());
    }

    // A server that does not answer: the retries' boxes, then the Turkish
    // message once; the list is empty, the caption plain, the box usable
    // again, and the window kept working meanwhile.
    void sunucuYok()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        QVERIFY(ara(QStringLiteral("FREN")));
        QVERIFY(liste->stok().RecordCount() > 0);

        QTcpServer bos;
        QVERIFY(bos.listen(QHostAddress::LocalHost));
        const int kapali = bos.serverPort();
        bos.close();
        w->portAyarla(kapali);

        MesajKaydi kayit;
        int tik = 0;
        QTimer nabiz;
        connect(&nabiz, &QTimer::timeout, [&] { ++tik; });
        nabiz.start(100);
        QVERIFY(ara(QStringLiteral("FREN")));
        QCOMPARE(kayit.metinler(kt::MesajTipi::Ozel).size(), 11);
        QCOMPARE(kayit.metinler(kt::MesajTipi::Hata), QStringList{QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
        QCOMPARE(liste->stok().RecordCount(), 0);
        QCOMPARE(w->baslik(w->stokSekme), QStringLiteral("Stok Listesi"));
        QVERIFY(w->ara->isEnabled());
        QVERIFY2(tik >= 20, "the window froze during the search");
    }

    void fiyatBilgisi_data()
    {
        QTest::addColumn<double>("kamp");
        QTest::addColumn<QString>("metin");
        QTest::newRow("kampanyasız") << 0.0
                                     << QStringLiteral("Liste Fiyatı: 1.234,50\r\nNetFiyat: 1.000,00\r\nKDV li Fiyat: 1.200,00\r\n");
        QTest::newRow("kampanyalı")
            << 12.5
            << QStringLiteral("Liste Fiyatı: 1.234,50\r\nKampanyalı Fiyat: 12,50\r\nNetFiyat: 1.000,00\r\nKDV li Fiyat: 1.200,00\r\n");
    }
    void fiyatBilgisi()
    {
        QFETCH(double, kamp);
        QFETCH(QString, metin);
        QCOMPARE(katalog::FiyatBilgisiMetni(1234.5, kamp, 1000, 1200, QLocale(QLocale::Turkish, QLocale::Turkey)), metin);
    }

    // Up to 1152 pixels the price information cell replaces the price
    // columns; above it the columns come back — except the campaign price
    // for a user who may not see campaigns.
    void darVeGenisDuzen_data()
    {
        QTest::addColumn<QString>("idsi");
        QTest::addColumn<bool>("kampanyaGorunur");
        QTest::newRow("bayi3") << QStringLiteral("DEMO-BAYI3") << true;
        QTest::newRow("bayi4") << QStringLiteral("DEMO-BAYI4") << false;
    }
    void darVeGenisDuzen()
    {
        QFETCH(QString, idsi);
        QFETCH(bool, kampanyaGorunur);
        kur(idsi);
        QVERIFY(ara(QStringLiteral("FREN")));
        kt::Izgara *g = liste->cxGrid1();
        const int bilgi = g->BaslikKolonNo(QStringLiteral("Fiyat Bilgisi"));
        const auto gorunur = [g](const char *alan) { return g->KolonGorunurMu(g->KolonNo(QLatin1String(alan))); };

        w->resize(1152, 800);
        QTRY_VERIFY(g->KolonGorunurMu(bilgi));
        liste->StokKolonAyarla();
        QCOMPARE(g->KolonGenisligiAl(bilgi), 150);
        QCOMPARE(g->Stil().satirYuksekligi, 100);
        QVERIFY(!gorunur("LISTEFIYAT1") && !gorunur("NETFIYAT") && !gorunur("KAMPFIYAT") && !gorunur("KDVDAHIL"));

        w->resize(1153, 800);
        QTRY_VERIFY(!g->KolonGorunurMu(bilgi));
        liste->StokKolonAyarla();
        QCOMPARE(g->Stil().satirYuksekligi, 60);
        QVERIFY(gorunur("LISTEFIYAT1") && gorunur("NETFIYAT") && !gorunur("KDVDAHIL"));
        QCOMPARE(gorunur("KAMPFIYAT"), kampanyaGorunur);
    }
};

QTEST_MAIN(TstStokArama)
#include "tst_stokarama.moc"
