// The basket tab: the totals of the selected lines, selection stored line by
// line, deleting with "Hayır" focused, and the Excel export.
#include "sepetortak.h"
#include "sepettoplam.h"
#include "sayiedit.h"
#include "stokayarintiU.h"
#include "utils.h"

#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

class TstSepet : public QObject {
    Q_OBJECT

    kt::SunucuSureci srv{300};
    SepetOrtami o;

    // The five totals the labels must show for the server's basket.
    static QStringList beklenenToplamlar(const kw::Tablo &t)
    {
        QVector<sepet::SepetSatiri> satirlar;
        for (int r = 0; r < t.satirSayisi(); ++r)
            satirlar.push_back({t.hucre(r, QStringLiteral("SEC")).toInt(), t.hucre(r, QStringLiteral("TUTAR")).toDouble(),
                                t.hucre(r, QStringLiteral("INDIRIMTUTAR")).toDouble(),
                                t.hucre(r, QStringLiteral("VERGITUTARI")).toDouble()});
        const sepet::SepetToplamlari s = sepet::ToplamHesapla(satirlar);
        return {sepet::toplamMetni(s.toplam), sepet::toplamMetni(s.indirim), sepet::toplamMetni(s.ara),
                sepet::toplamMetni(s.vergi), sepet::toplamMetni(s.genel)};
    }
    static QList<int> secimler(const kw::Tablo &t)
    {
        QList<int> l;
        for (int r = 0; r < t.satirSayisi(); ++r)
            l << t.hucre(r, QStringLiteral("SEC")).toInt();
        return l;
    }

private slots:
    void initTestCase() { QVERIFY2(srv.baslat(), qPrintable(srv.hata())); }
    void init() { QVERIFY(o.kur(srv)); }

    void toplamlar_data()
    {
        QTest::addColumn<QList<int>>("sec");
        QTest::addColumn<QList<double>>("beklenen");   // toplam, indirim, ara, vergi, genel
        // Lines: TUTAR 100 / 50, INDIRIMTUTAR 10 / 5, VERGITUTARI 16.20 / 8.10.
        QTest::newRow("yalnız birincisi") << QList<int>{1, 0} << QList<double>{100, 10, 90, 16.2, 106.2};
        QTest::newRow("ikisi de") << QList<int>{1, 1} << QList<double>{150, 15, 135, 24.3, 159.3};
        QTest::newRow("hiçbiri") << QList<int>{0, 0} << QList<double>{0, 0, 0, 0, 0};
    }
    void toplamlar()
    {
        QFETCH(QList<int>, sec);
        QFETCH(QList<double>, beklenen);
        const sepet::SepetToplamlari t =
            sepet::ToplamHesapla({{sec[0], 100, 10, 16.2}, {sec[1], 50, 5, 8.1}});
        QCOMPARE(QList<double>({t.toplam, t.indirim, t.ara, t.vergi, t.genel}), beklenen);
    }
    // Each running sum is rounded after every line: three halves of a cent
    // give 0.03, not the 0.02 of rounding the sum once.
    void adimAdimYuvarlama()
    {
        const sepet::SepetToplamlari t = sepet::ToplamHesapla({{1, 0.005, 0, 0}, {1, 0.005, 0, 0}, {1, 0.005, 0, 0}});
        QCOMPARE(t.toplam, 0.03);
    }

    // Ticking and unticking: each mark reaches the server, the totals follow
    // the selected lines, the footer sums all of them, and any other cell
    // opens the line for change.
    void secimVeToplamlar()
    {
        o.satirlarEkle(3);
        o.sepeteGec();
        QCOMPARE(o.w->baslik(o.w->sepetSekme), QStringLiteral("3=Sepet"));
        QCOMPARE(o.toplamlar(), QStringList(5, sepet::toplamMetni(0)));

        o.ciftTikla(1, QStringLiteral("Seç"));
        kw::Tablo s = o.sunucuSepeti();
        QCOMPARE(secimler(s), QList<int>({0, 1, 0}));
        QCOMPARE(o.toplamlar(), beklenenToplamlar(s));
        QVERIFY(o.toplamlar().at(4) != sepet::toplamMetni(0));
        QCOMPARE(o.sepet->cxGrid2()->AltBilgiMetni(QStringLiteral("MIKTAR")).isEmpty(), false);

        o.sepet->Button4Click();   // "Hepsini Seç"
        s = o.sunucuSepeti();
        QCOMPARE(secimler(s), QList<int>({1, 1, 1}));
        QCOMPARE(o.toplamlar(), beklenenToplamlar(s));

        o.ciftTikla(2, QStringLiteral("Seç"));
        s = o.sunucuSepeti();
        QCOMPARE(secimler(s), QList<int>({1, 1, 0}));
        QCOMPARE(o.toplamlar(), beklenenToplamlar(s));

        o.sepet->Button5Click();   // "Seçimleri Kaldır"
        QCOMPARE(secimler(o.sunucuSepeti()), QList<int>({0, 0, 0}));
        QCOMPARE(o.toplamlar(), QStringList(5, sepet::toplamMetni(0)));

        bool acildi = false;
        diyalogda<katalog::Tstokayarinti>([&](katalog::Tstokayarinti *d) {
            acildi = true;
            QCOMPARE(d->adet->value(), 2);
            d->reject();
        });
        o.ciftTikla(0, QStringLiteral("Miktar"));
        QVERIFY(acildi);
    }

    // Whatever reloads the basket, the totals follow what it shows.
    void yuklemedenSonraToplamlar()
    {
        o.satirlarEkle(2);
        o.sepeteGec();
        const kw::Tablo once = o.sunucuSepeti();
        o.cagir([&](TServerMethods1Client &p) { p.SepetSecimGuncelle(once.hucre(0, QStringLiteral("SIRANO")).toInt(), 1); });
        QVERIFY(o.sepet->SepetGetir());
        QCOMPARE(o.toplamlar(), beklenenToplamlar(o.sunucuSepeti()));
        QVERIFY(o.toplamlar().at(0) != sepet::toplamMetni(0));
    }

    // A mark that cannot reach the server is taken back: what the list shows
    // as selected is what an order will carry.
    void secimGitmezse()
    {
        o.satirlarEkle(1);
        o.sepeteGec();
        QTcpServer bos;
        QVERIFY(bos.listen(QHostAddress::LocalHost));
        const int kapali = bos.serverPort();
        bos.close();
        const int port = o.w->bagc().Params.value(QStringLiteral("Port")).toInt();
        o.w->portAyarla(kapali);
        MesajKaydi kayit;
        o.ciftTikla(0, QStringLiteral("Seç"));
        QCOMPARE(kayit.metinler(kt::MesajTipi::Hata), QStringList{BaglantiHatasiMetni()});
        QCOMPARE(o.sepet->sepet().FieldByName(QStringLiteral("SEC")).AsInteger(), 0);
        QCOMPARE(o.toplamlar(), QStringList(5, sepet::toplamMetni(0)));
        o.w->portAyarla(port);
        QCOMPARE(secimler(o.sunucuSepeti()), QList<int>({0}));
    }

    // Deleting asks with "Hayır" focused; only "Evet" deletes. "Hepsini Sil"
    // on an empty basket asks nothing.
    void silme()
    {
        o.satirlarEkle(2);
        o.sepeteGec();
        MesajKaydi kayit;
        o.sepet->cxGrid2()->SatiraGit(0);
        o.sepet->SatrSil1Click();   // answered with the focused button
        QCOMPARE(kayit.mesajlar.size(), 1);
        QCOMPARE(kayit.mesajlar[0].metin, QStringLiteral("Satırı silmek istiyor musunuz "));
        QCOMPARE(kayit.mesajlar[0].varsayilan, kt::Dugme::Hayir);
        QCOMPARE(o.sunucuSepeti().satirSayisi(), 2);

        kayit.temizle();
        kayit.cevaplar << kt::mrYes;
        o.sepet->cxGrid2()->SatiraGit(0);
        o.sepet->SatrSil1Click();
        QCOMPARE(o.sunucuSepeti().satirSayisi(), 1);
        QCOMPARE(o.sepet->sepet().RecordCount(), 1);
        QCOMPARE(kayit.metinler(kt::MesajTipi::Bilgi), QStringList{QStringLiteral("Satır silindi !")});

        kayit.temizle();
        o.sepet->HepsiniSil1Click();
        QCOMPARE(kayit.mesajlar.size(), 1);
        QCOMPARE(kayit.mesajlar[0].metin, QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "));
        QCOMPARE(kayit.mesajlar[0].varsayilan, kt::Dugme::Hayir);
        QCOMPARE(o.sunucuSepeti().satirSayisi(), 1);

        kayit.temizle();
        kayit.cevaplar << kt::mrYes;
        o.sepet->HepsiniSil1Click();
        QCOMPARE(kayit.metinler(kt::MesajTipi::Bilgi), QStringList{QStringLiteral("Sepet Silindi !")});
        QCOMPARE(o.sunucuSepeti().satirSayisi(), 0);
        QCOMPARE(o.w->baslik(o.w->sepetSekme), QStringLiteral("0=Sepet"));

        kayit.temizle();
        o.sepet->HepsiniSil1Click();
        QVERIFY(kayit.mesajlar.isEmpty());
    }

    // The exported workbook read back by xlrd: the shown columns under their
    // captions, one row per line, amounts as numbers.
    void excel()
    {
        o.satirlarEkle(2, 3);
        o.sepeteGec();
        QTemporaryDir dir;
        QString hata;
        QVERIFY2(o.sepet->cxGrid2()->ExcelAktar(dir.filePath(QStringLiteral("sepet.xlsx")), &hata), qPrintable(hata));
        const QString yol = dir.filePath(QStringLiteral("sepet.xls"));
        QVERIFY(QFile::exists(yol));
        QProcess py;
        py.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, xlrd\n"
                                 "s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
                                 "h = s.row_values(0)\n"
                                 "print(s.nrows)\n"
                                 "print('|'.join(h))\n"
                                 "print(sum(s.cell_value(r, h.index('Miktar')) for r in range(1, s.nrows)))\n"
                                 "print(repr(s.cell_value(1, h.index('Stok Açıklama'))))\n"),
                  yol});
        QVERIFY(py.waitForFinished(30000));
        QCOMPARE(py.exitCode(), 0);
        const QStringList cikti = QString::fromUtf8(py.readAllStandardOutput()).split(u'\n');
        QCOMPARE(cikti.value(0), QStringLiteral("3"));
        const QStringList basliklar = cikti.value(1).split(u'|');
        for (const char *b : {"Seç", "Sipariş Tarihi", "Barkod", "Stok Açıklama", "Miktar", "Net Tutar"})
            QVERIFY2(basliklar.contains(QString::fromUtf8(b)), b);
        QVERIFY(!basliklar.contains(QStringLiteral("SIRANO")));
        QCOMPARE(cikti.value(2).toDouble(), 6.0);
        QVERIFY(cikti.value(3).contains(o.sunucuSepeti().hucre(0, QStringLiteral("STOKADI")).toString()));
    }
};

QTEST_MAIN(TstSepet)
#include "tst_sepetsayfasi.moc"
