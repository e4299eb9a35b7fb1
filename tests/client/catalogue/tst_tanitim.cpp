// The new-items and campaign tabs: each showing loads the list with its
// caption; a load that cannot reach the server keeps rows and caption; the
// campaign columns a user type may not see.
#include "izgara.h"
#include "sepetsayfasi.h"
#include "tanitimlistesi.h"
#include "testpencere.h"
#include "veriseti.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

class TstTanitim : public QObject {
    Q_OBJECT

    kt::SunucuSureci srv{300};
    std::unique_ptr<TestPencere> w;
    sepet::TSepetSayfasi *sepet = nullptr;
    katalog::TTanitimListesi *yeni = nullptr;
    katalog::TTanitimListesi *kamp = nullptr;

    void kur(const QString &idsi)
    {
        w = std::make_unique<TestPencere>();
        QVERIFY(w->oturumAc(srv, idsi));
        sepet = new sepet::TSepetSayfasi(*w, w->sepetSekme, w->uyari);
        yeni = new katalog::TTanitimListesi(katalog::TanitimTuru::Yeniler, *w, sepet->satirGirisi(), w->yeniSekme);
        kamp = new katalog::TTanitimListesi(katalog::TanitimTuru::Kampanyali, *w, sepet->satirGirisi(), w->kampSekme);
        w->show();
    }
    bool goster(katalog::TTanitimListesi *l, QWidget *sekme, bool *hata = nullptr)
    {
        QSignalSpy bitti(l, &katalog::TTanitimListesi::yuklendi);
        w->sekmeler->setCurrentIndex(0);
        w->sekmeler->setCurrentWidget(sekme);
        if (!bitti.wait(30000))
            return false;
        if (hata)
            *hata = bitti.at(0).at(0).toBool();
        return true;
    }
    int sunucudakiAdet(bool yeniler)
    {
        TBaglanti b;
        b.Params = w->bagc().Params;
        b.Open();
        TServerMethods1Client p(&b);
        const TSonucBilgisi &s = w->sbilgi();
        return (yeniler ? p.YenilerVer2(s.CARINO()) : p.KampanyaliVer2(s.CARINO(), s.MusteriTipi())).satirSayisi();
    }

private slots:
    void initTestCase() { QVERIFY2(srv.baslat(), qPrintable(srv.hata())); }

    void yuklemeVeBaslik()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        QVERIFY(goster(yeni, w->yeniSekme));
        QCOMPARE(w->baslik(w->yeniSekme), QString::number(sunucudakiAdet(true)) + QStringLiteral("=Yeni Stoklar"));
        QCOMPARE(yeni->izgara()->GorunenSatirSayisi(), yeni->veri().RecordCount());
        QVERIFY(goster(kamp, w->kampSekme));
        const int adet = sunucudakiAdet(false);
        QVERIFY(adet > 0);
        QCOMPARE(w->baslik(w->kampSekme), QString::number(adet) + QStringLiteral("=Kampanyalı"));
        QCOMPARE(kamp->veri().FieldByName(QStringLiteral("FIYAT")).DisplayFormat(), QStringLiteral("#,###,##0.00"));

        // Showing it again loads it again.
        QVERIFY(goster(kamp, w->kampSekme));
    }

    void sunucuYok()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        QVERIFY(goster(kamp, w->kampSekme));
        const QString baslik = w->baslik(w->kampSekme);
        const int satir = kamp->veri().RecordCount();
        QTcpServer bos;
        QVERIFY(bos.listen(QHostAddress::LocalHost));
        const int kapali = bos.serverPort();
        bos.close();
        w->portAyarla(kapali);
        MesajKaydi kayit;
        bool hata = false;
        QVERIFY(goster(kamp, w->kampSekme, &hata));
        QVERIFY(hata);
        QCOMPARE(kayit.metinler(kt::MesajTipi::Hata), QStringList{QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
        QCOMPARE(w->baslik(w->kampSekme), baslik);
        QCOMPARE(kamp->veri().RecordCount(), satir);
        QVERIFY(kamp->izgara()->isEnabled());
    }

    void kullaniciTipineGoreKolonlar_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<bool>("kampanya");
        QTest::addColumn<bool>("kalan");
        QTest::newRow("temsilci") << 1 << true << true;
        QTest::newRow("bayi 3") << 3 << true << false;
        QTest::newRow("bayi 4") << 4 << false << false;
    }
    void kullaniciTipineGoreKolonlar()
    {
        QFETCH(int, tip);
        QFETCH(bool, kampanya);
        QFETCH(bool, kalan);
        const auto kolon = [](const QVector<kt::IzgaraKolonu> &k, const char *alan) {
            for (const kt::IzgaraKolonu &c : k)
                if (c.alan == QLatin1String(alan))
                    return c;
            return kt::IzgaraKolonu();
        };
        const QVector<kt::IzgaraKolonu> y = katalog::tanitimKolonlari(katalog::TanitimTuru::Yeniler, tip);
        QCOMPARE(kolon(y, "KAMPFIYAT").gorunur, kampanya);
        QCOMPARE(kolon(y, "K").gorunur, kampanya);
        QCOMPARE(kolon(y, "KAMPFIYAT").secicide, kampanya);
        QCOMPARE(kolon(y, "KALAN").gorunur, kalan);
        const QVector<kt::IzgaraKolonu> k = katalog::tanitimKolonlari(katalog::TanitimTuru::Kampanyali, tip);
        QCOMPARE(kolon(k, "KALAN").gorunur, kalan);
        QCOMPARE(kolon(k, "ALINANSIPARIS").secicide, kalan);
        QCOMPARE(kolon(k, "ESKIFIYAT").baslik, QStringLiteral("Liste Fiyatı"));
        QCOMPARE(kolon(k, "FIYAT").baslik, QStringLiteral("Kampanyalı Fiyatı"));
    }
};

QTEST_MAIN(TstTanitim)
#include "tst_tanitim.moc"
