// The line entry: its arithmetic, the four ways into the dialog with their
// captions and editability, F4, Enter, and that an item already in the
// basket always opens its basket line.
#include "asyncresimu.h"
#include "izgara.h"
#include "paraedit.h"
#include "satirhesabi.h"
#include "sayiedit.h"
#include "sepetsayfasi.h"
#include "stokayarintiU.h"
#include "stoklistesi.h"
#include "tanitimlistesi.h"
#include "testpencere.h"
#include "veriseti.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using katalog::Tstokayarinti;

class TstSatirGirisi : public QObject {
    Q_OBJECT

    kt::SunucuSureci srv{300};
    std::unique_ptr<TestPencere> w;
    sepet::TSepetSayfasi *sepet = nullptr;
    katalog::TStokListesi *liste = nullptr;
    katalog::TTanitimListesi *yeni = nullptr;
    katalog::TTanitimListesi *kamp = nullptr;

    // A window of the demo user `idsi`; a representative acts for bayi3's
    // dealer. The basket starts empty.
    void kur(const QString &idsi)
    {
        w = std::make_unique<TestPencere>();
        QVERIFY(w->oturumAc(srv, QStringLiteral("DEMO-BAYI3")));
        const int carino = w->sbilgi().CARINO();
        if (idsi != QLatin1String("DEMO-BAYI3")) {
            QVERIFY(w->oturumAc(srv, idsi));
            w->sbilgi().setCARINO(carino);
        }
        {
            TServerMethods1Client p(&w->bagc());
            w->bagc().Open();
            p.SepetHepsiniSil(w->sbilgi().Kopya());
            w->bagc().Close();
        }
        sepet = new sepet::TSepetSayfasi(*w, w->sepetSekme, w->uyari);
        liste = new katalog::TStokListesi(*w, sepet->satirGirisi(), w->stokSekme);
        yeni = new katalog::TTanitimListesi(katalog::TanitimTuru::Yeniler, *w, sepet->satirGirisi(), w->yeniSekme);
        kamp = new katalog::TTanitimListesi(katalog::TanitimTuru::Kampanyali, *w, sepet->satirGirisi(), w->kampSekme);
        w->show();
        QVERIFY(sepet->SepetGetir());
    }
    void ara(const QString &metin)
    {
        QSignalSpy bitti(liste, &katalog::TStokListesi::aramaBitti);
        w->ara->setText(metin);
        QTest::keyClick(w->ara, Qt::Key_Return);
        QVERIFY(bitti.wait(30000));
    }
    void goster(katalog::TTanitimListesi *l, QWidget *sekme)
    {
        QSignalSpy bitti(l, &katalog::TTanitimListesi::yuklendi);
        w->sekmeler->setCurrentWidget(sekme);
        QVERIFY(bitti.wait(30000));
        QCOMPARE(bitti.at(0).at(0).toBool(), false);
    }
    // First row of `ds` whose campaign mark K is (or is not) 0.
    static int satirBul(const kt::VeriSeti &ds, bool kampanyali)
    {
        const int k = ds.alanNo(QStringLiteral("K"));
        for (int r = 0; r < ds.satirSayisi(); ++r)
            if ((ds.deger(r, k).toInt() > 0) == kampanyali)
                return r;
        return -1;
    }
    static QVariant deger(const kt::VeriSeti &ds, int satir, const char *alan)
    {
        return ds.deger(satir, ds.alanNo(QLatin1String(alan)));
    }
    // The server's basket lines of the dealer.
    kw::Tablo sunucuSepeti()
    {
        TBaglanti b;
        b.Params = w->bagc().Params;
        b.Open();
        TServerMethods1Client p(&b);
        return p.SepetVer2(w->sbilgi().CARINO());
    }
    int dialogSayisi() const { return int(w->findChildren<Tstokayarinti *>().size()); }

private slots:
    void initTestCase() { QVERIFY2(srv.baslat(), qPrintable(srv.hata())); }

    void hesap_data()
    {
        QTest::addColumn<double>("fiyat");
        QTest::addColumn<int>("adet");
        QTest::addColumn<QList<double>>("oranlar");
        QTest::addColumn<double>("kdv");
        QTest::addColumn<QList<double>>("beklenen");   // indirim, net, net birim, KDV dahil, tutar
        QTest::addColumn<bool>("indirimSatiri");
        QTest::newRow("iki oran birbirine eklenir")
            << 100.0 << 3 << QList<double>{10, 5, 0, 0} << 20.0 << QList<double>{43.5, 256.5, 85.5, 102.6, 307.8} << true;
        QTest::newRow("dört oran sırayla")
            << 200.0 << 1 << QList<double>{10, 10, 10, 10} << 18.0
            << QList<double>{68.78, 131.22, 131.22, 154.84, 154.84} << true;
        QTest::newRow("0 ve eksi oran atlanır")
            << 100.0 << 2 << QList<double>{0, -10, 0, 0} << 20.0 << QList<double>{0, 200, 100, 120, 240} << false;
        QTest::newRow("toplamı 1in altında: satır gizli, tutara girer")
            << 100.0 << 1 << QList<double>{0.5, 0.3, 0, 0} << 20.0 << QList<double>{0.7985, 99.2, 99.2, 119.04, 119.04}
            << false;
        QTest::newRow("tam 1: satır gizli") << 100.0 << 1 << QList<double>{1, 0, 0, 0} << 0.0
                                            << QList<double>{1, 99, 99, 99, 99} << false;
        QTest::newRow("yarım kuruş yukarı") << 10.05 << 1 << QList<double>{50, 0, 0, 0} << 0.0
                                             << QList<double>{5.025, 5.03, 5.03, 5.03, 5.03} << true;
        QTest::newRow("birim fiyat yuvarlanır, tutar ondan")
            << 10.0 << 3 << QList<double>{33.33, 0, 0, 0} << 20.0 << QList<double>{9.999, 20.0, 6.67, 8.0, 24.0} << true;
        QTest::newRow("adet 0: birim ve sonrası 0") << 100.0 << 0 << QList<double>{10, 0, 0, 0} << 20.0
                                                    << QList<double>{0, 0, 0, 0, 0} << true;
    }
    void hesap()
    {
        QFETCH(double, fiyat);
        QFETCH(int, adet);
        QFETCH(QList<double>, oranlar);
        QFETCH(double, kdv);
        QFETCH(QList<double>, beklenen);
        QFETCH(bool, indirimSatiri);
        const katalog::Oranlar o{oranlar[0], oranlar[1], oranlar[2], oranlar[3]};
        const katalog::SatirTutarlari t = katalog::Hesapla(fiyat, adet, o, kdv);
        QVERIFY(qAbs(t.indirimTutari - beklenen[0]) < 1e-9);
        QCOMPARE(t.netTutar, beklenen[1]);
        QCOMPARE(t.netBirimFiyat, beklenen[2]);
        QCOMPARE(t.kdvDahil, beklenen[3]);
        QCOMPARE(t.tutar, beklenen[4]);
        QCOMPARE(katalog::IndirimVarmi(o), indirimSatiri);
    }

    void kucukKurallar()
    {
        QCOMPARE(katalog::F4Fiyati(katalog::F4Fiyati(144.0)), 100.0);
        QCOMPARE(katalog::AdetDegeri(QStringLiteral("7")), 7);
        QCOMPARE(katalog::AdetDegeri(QString()), 1);
        QCOMPARE(katalog::AdetDegeri(QStringLiteral("a")), 1);
        QCOMPARE(katalog::KdvTamsayi(18.5), 18);
        QCOMPARE(katalog::KdvTamsayi(19.5), 20);
        QCOMPARE(katalog::KdvTamsayi(20.4), 20);
        int sira = 1;
        for (int i = 0; i < 5; ++i)
            sira = katalog::sonrakiResim(sira);
        QCOMPARE(sira, 4);
        QCOMPARE(katalog::oncekiResim(1), 1);
        QCOMPARE(katalog::resimAdresi(QStringLiteral("http://h/resimcoklu.ashx"), 42, 3),
                 QStringLiteral("http://h/resimcoklu.ashx?id=42&resim=3"));
    }

    // From the stock list: a new line with the row's price and rates; the
    // quantity has the focus; Enter stores it once, however often it is
    // pressed, and a second double click meanwhile opens nothing. Opening
    // the same item again shows its basket line.
    void stokListesindenVeSepettekiSatir()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        ara(QStringLiteral("FREN"));
        kt::VeriSeti &stok = liste->stok();
        const int r = satirBul(stok, false);
        QVERIFY(r >= 0);
        const int stokno = deger(stok, r, "STOK_STOKNO").toInt();
        liste->cxGrid1()->SatiraGit(r);

        bool goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("Sepete Ekle"));
            QCOMPARE(d->Label2->text(), QStringLiteral("Fiyat:"));
            QCOMPARE(d->indirimoran->text(), QStringLiteral("İndirim: %") + deger(stok, r, "INDIRIMYAZI").toString());
            QCOMPARE(d->birimfiyat->value(), katalog::AlanDegeri(deger(stok, r, "FIYAT").toDouble()));
            QCOMPARE(d->edindirim1->value(), katalog::AlanDegeri(deger(stok, r, "IND1").toDouble()));
            QVERIFY(d->birimfiyat->isReadOnly());
            QVERIFY(d->GridPanel2->isHidden());
            QCOMPARE(d->indtutar->isHidden(), !katalog::IndirimVarmi(d->oranlar()));
            QCOMPARE(d->adet->value(), 1);
            QVERIFY(d->focusWidget() == d->adet || d->focusWidget() == d->adet->findChild<QLineEdit *>());
            QVERIFY(d->AsyncResim1->Url().endsWith(QStringLiteral("resimcoklu.ashx?id=%1&resim=1").arg(stokno)));

            d->adet->setValue(3);
            QCOMPARE(d->geneltutar->value(),
                     katalog::Hesapla(d->birimfiyat->value(), 3, d->oranlar(), d->kdvoran).tutar);
            liste->cxGrid1DBTableView1DblClick();   // a second double click meanwhile
            QCOMPARE(dialogSayisi(), 1);
            QTest::keyClick(d->adet, Qt::Key_Return);
            QTest::keyClick(d->adet, Qt::Key_Return);
        });
        liste->cxGrid1DBTableView1DblClick();
        QVERIFY(goruldu);
        QCOMPARE(dialogSayisi(), 0);
        kw::Tablo s = sunucuSepeti();
        QCOMPARE(s.satirSayisi(), 1);
        QCOMPARE(s.hucre(0, QStringLiteral("STOKNO")).toInt(), stokno);
        QCOMPARE(s.hucre(0, QStringLiteral("MIKTAR")).toDouble(), 3.0);
        QCOMPARE(sepet->sepet().RecordCount(), 1);   // the basket was reloaded

        // The same item again: its basket line, with its quantity.
        goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QCOMPARE(d->adet->value(), 3);
            QCOMPARE(d->Label2->text(), QStringLiteral("Fiyat:"));
            QCOMPARE(d->indirimoran->text(), QStringLiteral("İndirim:"));
            d->adet->setValue(5);
            d->ParcaliTus1->click();
        });
        liste->cxGrid1()->SatiraGit(r);
        liste->cxGrid1DBTableView1DblClick();
        QVERIFY(goruldu);
        s = sunucuSepeti();
        QCOMPARE(s.satirSayisi(), 1);
        QCOMPARE(s.hucre(0, QStringLiteral("MIKTAR")).toDouble(), 5.0);
        QCOMPARE(sepet->sepet().FieldByName(QStringLiteral("MIKTAR")).AsFloat(), 5.0);
    }

    // A campaign row of the stock list; F4 twice in the (read-only) price
    // field; the picture paging; "Vazgeç" sends nothing.
    void kampanyaliSatirF4VeResimler()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        QString kod;   // a campaign item's code
        {
            TBaglanti b;
            b.Params = w->bagc().Params;
            b.Open();
            TServerMethods1Client p(&b);
            const kw::Tablo t = p.KampanyaliVer2(w->sbilgi().CARINO(), w->sbilgi().MusteriTipi());
            QVERIFY(t.satirSayisi() > 0);
            kod = t.hucre(0, QStringLiteral("BARKOD")).toString();
        }
        ara(kod);
        kt::VeriSeti &stok = liste->stok();
        const int r = satirBul(stok, true);
        QVERIFY2(r >= 0, "no campaign item among the results");
        liste->cxGrid1()->SatiraGit(r);
        bool goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QCOMPARE(d->Label2->text(), QStringLiteral("Kampanyalı Fiyat:"));
            QCOMPARE(d->indirimoran->text(), QStringLiteral("Kampanyalı ") + deger(stok, r, "INDIRIMYAZI").toString());
            d->birimfiyat->setValue(144);
            QTest::keyClick(d->birimfiyat, Qt::Key_F4);
            QTest::keyClick(d->birimfiyat, Qt::Key_F4);
            QCOMPARE(d->birimfiyat->value(), 100.0);
            QCOMPARE(d->kdvdahiltutar->value(),
                     katalog::Hesapla(100, 1, d->oranlar(), d->kdvoran).kdvDahil);
            for (int i = 0; i < 5; ++i)
                d->Button2->click();
            QCOMPARE(d->Sira(), 4);
            QVERIFY(d->AsyncResim1->Url().endsWith(QStringLiteral("&resim=4")));
            for (int i = 0; i < 5; ++i)
                d->Button1->click();
            QCOMPARE(d->Sira(), 1);
            d->ParcaliTus2->click();
        });
        liste->cxGrid1DBTableView1DblClick();
        QVERIFY(goruldu);
        QCOMPARE(sunucuSepeti().satirSayisi(), 0);
    }

    // The new-items and campaign lists open the dialog with their captions;
    // a campaign item that is in the basket opens its basket line.
    void yeniVeKampanyaListeleri()
    {
        kur(QStringLiteral("DEMO-BAYI3"));
        goster(yeni, w->yeniSekme);
        QCOMPARE(w->baslik(w->yeniSekme), QString::number(yeni->veri().RecordCount()) + QStringLiteral("=Yeni Stoklar"));
        const int r = satirBul(yeni->veri(), false);
        QVERIFY(r >= 0);
        yeni->izgara()->SatiraGit(r);
        bool goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QCOMPARE(d->Label2->text(), QStringLiteral("Fiyat:"));
            QCOMPARE(d->indirimoran->text(),
                     QStringLiteral("İndirim:  % ") + deger(yeni->veri(), r, "INDIRIMYAZI").toString());
            d->reject();
        });
        yeni->CiftTikla();
        QVERIFY(goruldu);

        goster(kamp, w->kampSekme);
        QCOMPARE(w->baslik(w->kampSekme), QString::number(kamp->veri().RecordCount()) + QStringLiteral("=Kampanyalı"));
        QVERIFY(kamp->veri().RecordCount() > 0);
        const int stokno = deger(kamp->veri(), 0, "STOK_STOKNO").toInt();
        kamp->izgara()->SatiraGit(0);
        goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QCOMPARE(d->Label2->text(), QStringLiteral("Kampanyalı Fiyat:"));
            QCOMPARE(d->indirimoran->text(),
                     QStringLiteral("Kampanyalı ") + deger(kamp->veri(), 0, "INDIRIMYAZI").toString());
            QCOMPARE(d->birimfiyat->value(), katalog::AlanDegeri(deger(kamp->veri(), 0, "FIYAT").toDouble()));
            d->accept();
        });
        kamp->CiftTikla();
        QVERIFY(goruldu);
        QCOMPARE(sunucuSepeti().satirSayisi(), 1);

        goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QCOMPARE(d->Stokno(), stokno);
            QCOMPARE(d->Label2->text(), QStringLiteral("Fiyat:"));   // the basket line's caption
            d->reject();
        });
        kamp->izgara()->SatiraGit(0);
        kamp->CiftTikla();
        QVERIFY(goruldu);
        QCOMPARE(sunucuSepeti().satirSayisi(), 1);
    }

    // A representative types the price and the rates: the stock flow shows
    // the rates panel, the campaign flow does not; what was typed is stored.
    void temsilciFiyatVeOranlari()
    {
        kur(QStringLiteral("DEMO-TEMSILCI1"));
        ara(QStringLiteral("FREN"));
        liste->cxGrid1()->SatiraGit(0);
        bool goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QVERIFY(!d->birimfiyat->isReadOnly());
            QVERIFY(!d->edindirim1->isReadOnly());
            QVERIFY(!d->GridPanel2->isHidden());
            d->birimfiyat->setValue(50);
            d->edindirim1->setValue(10);
            d->edindirim2->setValue(0);
            d->edindirim3->setValue(0);
            d->edindirim4->setValue(0);
            d->adet->setValue(2);
            d->accept();
        });
        liste->cxGrid1DBTableView1DblClick();
        QVERIFY(goruldu);
        const kw::Tablo s = sunucuSepeti();
        QCOMPARE(s.satirSayisi(), 1);
        QCOMPARE(s.hucre(0, QStringLiteral("BIRIMFIYAT")).toDouble(), 50.0);
        QCOMPARE(s.hucre(0, QStringLiteral("INDIRIMORANI1")).toDouble(), 10.0);

        goster(kamp, w->kampSekme);
        kamp->izgara()->SatiraGit(0);
        goruldu = false;
        diyalogda<Tstokayarinti>([&](Tstokayarinti *d) {
            goruldu = true;
            QVERIFY(!d->birimfiyat->isReadOnly());
            QVERIFY(d->GridPanel2->isHidden());
            d->reject();
        });
        kamp->CiftTikla();
        QVERIFY(goruldu);
    }
};

QTEST_MAIN(TstSatirGirisi)
#include "tst_satirgirisi.moc"
