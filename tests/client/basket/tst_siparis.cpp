// Sending the order: the confirmation's lists, preselection and its three
// checks in their order, a whole run from the search box to the order on
// the server, and sends that the server refuses.
#include "ONAYSIPU.h"
#include "radyogrubu.h"
#include "sayiedit.h"
#include "sepetortak.h"
#include "stokayarintiU.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

using sepet::TONAYSIP;

class TstSiparis : public QObject {
    Q_OBJECT

    kt::SunucuSureci srv{300};
    SepetOrtami o;

    // The dealer's orders, newest first: their numbers.
    QList<int> siparisler()
    {
        QList<int> l;
        o.cagir([&](TServerMethods1Client &p) {
            const kw::Tablo *t = p.OncekiSiparisler(o.w->sbilgi().CARINO());
            for (const auto &s : t->satirlar)
                l << s.value(1).toInt();
        });
        return l;
    }
    // Index of the cargo kind and of the company `adi` in the dialog.
    static int kargoTuru(TONAYSIP *d, const QString &adi) { return int(d->boxkargo->Items().indexOf(adi)); }

private slots:
    void initTestCase() { QVERIFY2(srv.baslat(), qPrintable(srv.hata())); }
    void init() { QVERIFY(o.kur(srv)); }

    void onayKontrolu_data()
    {
        QTest::addColumn<bool>("teslim");
        QTest::addColumn<bool>("tur");
        QTest::addColumn<QString>("kargo");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("hiçbiri") << false << false << QString() << QStringLiteral("Lütfen Teslim Durumu Seçiniz !");
        QTest::newRow("teslim yok, gerisi var") << false << true << QStringLiteral("Aras Kargo")
                                                 << QStringLiteral("Lütfen Teslim Durumu Seçiniz !");
        QTest::newRow("tür yok") << true << false << QStringLiteral("Aras Kargo") << QStringLiteral("Lütfen Kargo Türünü Seçiniz !");
        QTest::newRow("boş firma") << true << true << QStringLiteral(" ") << QStringLiteral("Lütfen Kargo  Seçiniz !");
        QTest::newRow("firma yok") << true << true << QString() << QStringLiteral("Lütfen Kargo  Seçiniz !");
        QTest::newRow("tamam") << true << true << QStringLiteral("Aras Kargo") << QString();
    }
    void onayKontrolu()
    {
        QFETCH(bool, teslim);
        QFETCH(bool, tur);
        QFETCH(QString, kargo);
        QFETCH(QString, mesaj);
        QCOMPARE(sepet::onayKontrolu(teslim, tur, kargo), mesaj);
    }

    void ozetVeOnSecim()
    {
        QCOMPARE(sepet::siparisOzeti(QStringLiteral("AHMET"), QStringLiteral("ABC OTO"), QStringLiteral("1.234,50")),
                 QStringLiteral("Kullanıcı: AHMET\r\nCari     : ABC OTO\r\nTutar    : 1.234,50"));
        QCOMPARE(sepet::teslimOnSecimi(3), 1);
        QCOMPARE(sepet::teslimOnSecimi(1), 0);
        QCOMPARE(sepet::teslimOnSecimi(0), -1);
    }

    // The dialog with the server's lists: the second delivery type chosen,
    // no cargo kind; a kind with one company picks it and shows its
    // warning; another kind empties the warning and refills the list;
    // "Evet" checks delivery, kind and company in this order.
    void onayDiyalogu()
    {
        MesajKaydi kayit;
        std::unique_ptr<TONAYSIP> d(TONAYSIP::Ac(o.w.get(), o.w->bagc(), QStringLiteral("Vadesi geçmiş borcunuz var"),
                                                 o.w->sbilgi(), QStringLiteral("12,00")));
        QCOMPARE(d->windowTitle(), QStringLiteral("Sipariş Onay"));
        QCOMPARE(d->teslimbox->Items().size(), 4);
        QCOMPARE(d->teslimbox->ItemIndex(), 1);
        QCOMPARE(d->boxkargo->Items().size(), 3);
        QCOMPARE(d->boxkargo->ItemIndex(), -1);
        QCOMPARE(d->Label3->text(), QStringLiteral("Vadesi geçmiş borcunuz var"));
        QVERIFY(d->Label2->text().endsWith(QStringLiteral("Tutar    : 12,00")));

        d->teslimbox->SetItemIndex(-1);
        d->Button1->click();
        QCOMPARE(kayit.metinler(kt::MesajTipi::Uyari), QStringList{QStringLiteral("Lütfen Teslim Durumu Seçiniz !")});
        d->teslimbox->SetItemIndex(1);
        kayit.temizle();
        d->Button1->click();
        QCOMPARE(kayit.metinler(kt::MesajTipi::Uyari), QStringList{QStringLiteral("Lütfen Kargo Türünü Seçiniz !")});

        d->boxkargo->SetItemIndex(kargoTuru(d.get(), QStringLiteral("Anlaşmalı Kargo")));
        QCOMPARE(d->kargocombo->count(), 2);
        QCOMPARE(d->kargocombo->itemText(0), QStringLiteral(" "));
        QCOMPARE(d->kargocombo->currentText(), QStringLiteral("Yurtiçi Kargo"));
        QCOMPARE(d->uyarikargo->text(), QStringLiteral("Anlaşmalı gönderiler ertesi iş günü teslim edilir."));

        d->boxkargo->SetItemIndex(kargoTuru(d.get(), QStringLiteral("Alıcı Ödemeli")));
        QCOMPARE(d->uyarikargo->text(), QString());
        QCOMPARE(d->kargocombo->count(), 6);
        QCOMPARE(d->kargocombo->currentText(), QStringLiteral(" "));
        kayit.temizle();
        d->Button1->click();
        QCOMPARE(kayit.metinler(kt::MesajTipi::Uyari), QStringList{QStringLiteral("Lütfen Kargo  Seçiniz !")});
        QCOMPARE(d->result(), int(QDialog::Rejected));

        d->kargocombo->setCurrentIndex(d->kargocombo->findText(QStringLiteral("Aras Kargo")));
        d->kargocomboChange();
        QCOMPARE(d->uyarikargo->text(), QStringLiteral("Cumartesi teslimat yoktur."));
        d->Button1->click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(d->KN > 0 && d->kt > 0 && d->td > 0);
        const kw::Tablo firmalar = [&] {
            kw::Tablo t;
            o.cagir([&](TServerMethods1Client &p) { t = *p.KargolarVer(d->kt); });
            return t;
        }();
        bool bulundu = false;
        for (int r = 0; r < firmalar.satirSayisi(); ++r)
            if (firmalar.hucre(r, QStringLiteral("SIRANO")).toInt() == d->KN)
                bulundu = firmalar.hucre(r, QStringLiteral("ADI")).toString() == QLatin1String("Aras Kargo");
        QVERIFY(bulundu);
    }

    void gonderilecekParcaYok()
    {
        o.satirlarEkle(2);
        o.sepeteGec();
        MesajKaydi kayit;
        o.sepet->Button1Click();
        QCOMPARE(kayit.metinler(kt::MesajTipi::Uyari), QStringList{QStringLiteral("Gönderilecek Parça Yok ")});
        QVERIFY(o.w->findChildren<TONAYSIP *>().isEmpty());
    }

    // From the search box to the order: two lines through the line entry,
    // both selected, "Gönder" (pressed twice), the confirmation answered;
    // the order is on the server once, with both lines, and the basket is
    // empty afterwards.
    void aramadanSipariseKadar()
    {
        QSignalSpy bitti(o.liste, &katalog::TStokListesi::aramaBitti);
        o.w->ara->setText(QStringLiteral("FİLTRE"));
        QTest::keyClick(o.w->ara, Qt::Key_Return);
        QVERIFY(bitti.wait(30000));
        QVERIFY(o.liste->stok().RecordCount() >= 2);
        QStringList barkodlar;
        for (int r = 0; r < 2; ++r) {
            o.liste->cxGrid1()->SatiraGit(r);
            barkodlar << o.liste->cxGrid1()->OdakDegeri(QStringLiteral("BARKOD")).toString();
            diyalogda<katalog::Tstokayarinti>([&](katalog::Tstokayarinti *d) {
                d->adet->setValue(r + 1);
                QTest::keyClick(d->adet, Qt::Key_Return);
            });
            o.liste->cxGrid1DBTableView1DblClick();
        }
        QCOMPARE(o.sunucuSepeti().satirSayisi(), 2);

        o.sepeteGec();
        o.sepet->Button4Click();
        const QString genel = o.sepet->geneltoplaml()->text();
        const QList<int> once = siparisler();

        MesajKaydi kayit;
        int diyaloglar = 0;
        diyalogda<TONAYSIP>([&](TONAYSIP *d) {
            diyaloglar = int(o.w->findChildren<TONAYSIP *>().size());
            o.sepet->Button1Click();   // the second press meanwhile
            QVERIFY(d->Label2->text().endsWith(QStringLiteral("Tutar    : ") + genel));
            d->boxkargo->SetItemIndex(kargoTuru(d, QStringLiteral("Anlaşmalı Kargo")));
            d->aciklamagir->setPlainText(QStringLiteral("Cumartesi\nkapalıyız"));
            d->Button1->click();
        });
        o.sepet->Button1Click();
        QCOMPARE(diyaloglar, 1);
        QCOMPARE(kayit.metinler(kt::MesajTipi::Bilgi), QStringList{QStringLiteral("Siparişiniz Gönderildi !")});

        const QList<int> sonra = siparisler();
        QCOMPARE(sonra.size(), once.size() + 1);
        QVERIFY(!once.contains(sonra.first()));
        kw::Tablo satirlar;
        o.cagir([&](TServerMethods1Client &p) { satirlar = *p.SiparisAyrintisi2(o.w->sbilgi().CARINO(), sonra.first()); });
        QCOMPARE(satirlar.satirSayisi(), 2);
        QStringList siparisteki;
        for (int r = 0; r < 2; ++r)
            siparisteki << satirlar.hucre(r, QStringLiteral("BARKOD")).toString();
        QCOMPARE(siparisteki, barkodlar);
        QCOMPARE(o.sunucuSepeti().satirSayisi(), 0);
        QCOMPARE(o.sepet->sepet().RecordCount(), 0);
        QCOMPARE(o.w->baslik(o.w->sepetSekme), QStringLiteral("0=Sepet"));
    }

    // Refused sends — a note the server will not take, and a basket whose
    // selection the server no longer holds — keep the basket and its
    // selections; "Hayır" sends nothing.
    void reddedilenGonderim()
    {
        o.satirlarEkle(2);
        o.sepeteGec();
        o.sepet->Button4Click();
        const QStringList toplamlar = o.toplamlar();
        const QList<int> once = siparisler();
        const auto gonder = [&](const QString &not_) {
            diyalogda<TONAYSIP>([&, not_](TONAYSIP *d) {
                d->boxkargo->SetItemIndex(kargoTuru(d, QStringLiteral("Anlaşmalı Kargo")));
                d->aciklamagir->setPlainText(not_);
                d->Button1->click();
            });
            o.sepet->Button1Click();
        };

        MesajKaydi kayit;
        gonder(QString(5000, u'x'));
        QCOMPARE(kayit.metinler(kt::MesajTipi::Hata), QStringList{QStringLiteral("Sipariş Göndermede Hata")});
        const kw::Tablo s = o.sunucuSepeti();
        QCOMPARE(s.satirSayisi(), 2);
        for (int r = 0; r < 2; ++r)
            QCOMPARE(s.hucre(r, QStringLiteral("SEC")).toInt(), 1);
        QCOMPARE(o.sepet->sepet().RecordCount(), 2);
        QCOMPARE(o.toplamlar(), toplamlar);

        for (int r = 0; r < 2; ++r)
            o.cagir([&](TServerMethods1Client &p) { p.SepetSecimGuncelle(s.hucre(r, QStringLiteral("SIRANO")).toInt(), 0); });
        kayit.temizle();
        gonder(QString());
        QCOMPARE(kayit.metinler(kt::MesajTipi::Hata), QStringList{QStringLiteral("Sipariş Göndermede Hata")});
        QCOMPARE(o.sepet->sepet().RecordCount(), 2);
        QCOMPARE(o.toplamlar(), toplamlar);

        kayit.temizle();
        diyalogda<TONAYSIP>([](TONAYSIP *d) { d->Button2->click(); });
        o.sepet->Button1Click();
        QVERIFY(kayit.mesajlar.isEmpty());
        QCOMPARE(siparisler(), once);
    }
};

QTEST_MAIN(TstSiparis)
#include "tst_siparis.moc"
