// The client dataset: loading, cursor, editing, display formats and the
// dataset checks, on a small basket-like fixture.
#include "sayibicimi.h"
#include "veriseti.h"

#include <QSignalSpy>
#include <QtTest>

using kt::VeriSeti;
using kw::KolonTipi;

namespace {

kw::Tablo sepetPaketi()
{
    kw::Tablo t;
    t.kolonEkle("SIRANO", KolonTipi::Int32);
    t.kolonEkle("SEC", KolonTipi::Int32);
    t.kolonEkle("STOKADI", KolonTipi::String);
    t.kolonEkle("TUTAR", KolonTipi::Double);
    t.kolonEkle("KUR", KolonTipi::Currency);
    t.kolonEkle("VERILISTARIHI", KolonTipi::Date);
    t.satirEkle({1, 0, QStringLiteral("Fren balatası"), 1234.5, 2.5, QDate(2024, 3, 1)});
    t.satirEkle({2, 0, QStringLiteral("Yağ filtresi"), 50.0, QVariant(), QDate(2024, 3, 2)});
    t.satirEkle({3, 1, QStringLiteral("Şanzıman yağı"), QVariant(), 1.0, QVariant()});
    t.satirEkle({4, 0});   // short row from a sloppy packet: the rest is null
    return t;
}

}  // namespace

class TstVeriSeti : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void yuklemeVeImlec();
    void duzenlemeEklemeSilme();
    void sayiBicimi_data();
    void sayiBicimi();
    void formatAyarla();
    void tabloKopyala();
    void seciliVeKayitVarmi();
    void kontrollerKapaliykenTekBildirim();
};

void TstVeriSeti::yuklemeVeImlec()
{
    VeriSeti ds;
    QVERIFY(!ds.Active());
    ds.VeriPaketiYukle(sepetPaketi());
    QVERIFY(ds.Active());
    QCOMPARE(ds.RecordCount(), 4);
    QCOMPARE(ds.RecNo(), 1);
    QVERIFY(ds.Bof());
    QVERIFY(!ds.Eof());

    QCOMPARE(ds.FieldByName("STOKADI").AsString(), QStringLiteral("Fren balatası"));
    QCOMPARE(ds.FieldByName("TUTAR").AsFloat(), 1234.5);
    QCOMPARE(ds.FieldByName("TUTAR").AsInteger(), 1235);
    QCOMPARE(ds.FieldByName("SIRANO").AsString(), QStringLiteral("1"));
    QCOMPARE(ds.FieldByName("VERILISTARIHI").AsDateTime(), QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    QCOMPARE(ds.FieldByName("VERILISTARIHI").AsString(), QStringLiteral("01.03.2024"));
    QVERIFY_THROWS_EXCEPTION(kt::VeriSetiHatasi, ds.FieldByName("YOK"));
    QVERIFY(!ds.FindField("YOK"));

    int adim = 0;
    for (ds.First(); !ds.Eof(); ds.Next())
        ++adim;
    QCOMPARE(adim, 4);
    QCOMPARE(ds.RecNo(), 4);
    QVERIFY(ds.FieldByName("STOKADI").IsNull());   // the short row
    QCOMPARE(ds.FieldByName("TUTAR").AsFloat(), 0.0);
    ds.Prior();
    QVERIFY(!ds.Eof());
    QCOMPARE(ds.RecNo(), 3);
    QVERIFY(ds.FieldByName("TUTAR").IsNull());
    ds.Last();
    QVERIFY(ds.Eof());
    ds.First();
    ds.Prior();
    QVERIFY(ds.Bof());
    QCOMPARE(ds.RecNo(), 1);

    QVERIFY(ds.Locate("SIRANO", 3));
    QCOMPARE(ds.RecNo(), 3);
    QVERIFY(ds.Locate("STOKADI", QStringLiteral("Yağ filtresi")));
    QCOMPARE(ds.RecNo(), 2);
    QVERIFY(!ds.Locate("SIRANO", 99));
    QCOMPARE(ds.RecNo(), 2);
    // A key that is no number finds nothing (not the row whose key is null).
    QVERIFY(!ds.Locate("TUTAR", QStringLiteral("abc")));
    QVERIFY(ds.Locate("TUTAR", QVariant()));
    QCOMPARE(ds.RecNo(), 3);

    ds.Close();
    QVERIFY(!ds.Active());
    QCOMPARE(ds.RecordCount(), 0);
    QVERIFY(ds.Eof() && ds.Bof());
}

void TstVeriSeti::duzenlemeEklemeSilme()
{
    VeriSeti ds;
    ds.VeriPaketiYukle(sepetPaketi());
    QSignalSpy degisim(&ds, &VeriSeti::satirDegisti);

    // Writing outside Edit is refused rather than silently lost.
    QVERIFY_THROWS_EXCEPTION(kt::VeriSetiHatasi, ds.FieldByName("SEC").SetAsInteger(1));

    ds.SetRecNo(2);
    ds.Edit();
    ds.FieldByName("SEC").SetAsInteger(1);
    ds.FieldByName("TUTAR").SetAsString(QStringLiteral("1.250,75"));   // typed in the locale's form
    QCOMPARE(ds.FieldByName("SEC").AsInteger(), 1);                    // the buffer is read back
    QCOMPARE(ds.deger(1, 1).toInt(), 0);                               // the row is not yet changed
    ds.Post();
    QCOMPARE(ds.State(), VeriSeti::Durum::Gezinme);
    QCOMPARE(ds.deger(1, 1).toInt(), 1);
    QCOMPARE(ds.deger(1, 3).toDouble(), 1250.75);
    QCOMPARE(degisim.count(), 1);
    QCOMPARE(degisim.at(0).at(0).toInt(), 1);

    // A value that does not fit its field is refused, not stored as null.
    ds.Edit();
    QVERIFY_THROWS_EXCEPTION(kt::VeriSetiHatasi, ds.FieldByName("SEC").SetAsString(QStringLiteral("bir")));
    QVERIFY_THROWS_EXCEPTION(kt::VeriSetiHatasi, ds.FieldByName("SIRANO").SetAsFloat(5e9));
    QCOMPARE(ds.FieldByName("SEC").AsInteger(), 1);
    ds.FieldByName("TUTAR").SetAsString(QString());   // empty text clears
    QVERIFY(ds.FieldByName("TUTAR").IsNull());
    ds.FieldByName("STOKADI").SetAsString(QStringLiteral("yanlış"));
    ds.Cancel();
    QCOMPARE(ds.FieldByName("STOKADI").AsString(), QStringLiteral("Yağ filtresi"));

    // Moving the cursor posts a pending edit.
    ds.Edit();
    ds.FieldByName("SEC").SetAsInteger(0);
    ds.Next();
    QCOMPARE(ds.deger(1, 1).toInt(), 0);
    QCOMPARE(ds.RecNo(), 3);

    ds.Append();
    ds.FieldByName("SIRANO").SetAsInteger(5);
    ds.Post();
    QCOMPARE(ds.RecordCount(), 5);
    QCOMPARE(ds.RecNo(), 5);

    ds.SetRecNo(1);
    ds.Insert();
    ds.FieldByName("SIRANO").SetAsInteger(0);
    ds.Post();
    QCOMPARE(ds.RecNo(), 1);
    QCOMPARE(ds.deger(0, 0).toInt(), 0);
    QCOMPARE(ds.deger(1, 0).toInt(), 1);

    ds.Last();
    ds.Delete();
    QCOMPARE(ds.RecordCount(), 5);
    QCOMPARE(ds.FieldByName("SIRANO").AsInteger(), 4);   // the cursor stays on the new last row

    ds.EmptyDataSet();
    QVERIFY(ds.Active());
    QCOMPARE(ds.RecordCount(), 0);
    QVERIFY_THROWS_EXCEPTION(kt::VeriSetiHatasi, ds.Delete());
    // Edit on an empty dataset appends, as the platform did.
    ds.Edit();
    QCOMPARE(ds.State(), VeriSeti::Durum::Ekleme);
    ds.Post();
    QCOMPARE(ds.RecordCount(), 1);
}

void TstVeriSeti::sayiBicimi_data()
{
    QTest::addColumn<double>("deger");
    QTest::addColumn<QString>("bicim");
    QTest::addColumn<QString>("tr");
    QTest::addColumn<QString>("c");

    const QString tutar = QString::fromUtf16(kt::kTutarBicimi);
    QTest::newRow("binler") << 1234.5 << tutar << "1.234,50" << "1,234.50";
    QTest::newRow("sifir") << 0.0 << tutar << "0,00" << "0.00";
    QTest::newRow("milyon") << 1234567.891 << tutar << "1.234.567,89" << "1,234,567.89";
    QTest::newRow("eksi") << -1234.567 << tutar << "-1.234,57" << "-1,234.57";
    QTest::newRow("yarim yukari") << 1.005 << tutar << "1,01" << "1.01";
    QTest::newRow("eksi yarim") << -2.675 << tutar << "-2,68" << "-2.68";
    QTest::newRow("eksi sifir") << -0.001 << tutar << "0,00" << "0.00";
    QTest::newRow("grupsuz") << 1234.5 << "0.00" << "1234,50" << "1234.50";
    QTest::newRow("istege bagli") << 12.5 << "0.##" << "12,5" << "12.5";
    QTest::newRow("tamsayi") << 12.0 << "0.##" << "12" << "12";
    QTest::newRow("bos bicim") << 1234.5 << "" << "1234,5" << "1234.5";
}

void TstVeriSeti::sayiBicimi()
{
    QFETCH(double, deger);
    QFETCH(QString, bicim);
    QFETCH(QString, tr);
    QFETCH(QString, c);
    QCOMPARE(kt::sayiBicimle(deger, bicim, QLocale(QLocale::Turkish, QLocale::Turkey)), tr);
    QCOMPARE(kt::sayiBicimle(deger, bicim, QLocale::c()), c);
}

void TstVeriSeti::formatAyarla()
{
    kw::Tablo t = sepetPaketi();
    t.kolonEkle("ADET", KolonTipi::Int64);
    for (auto &s : t.satirlar)
        s.resize(t.kolonlar.size());
    t.satirlar[0][6] = qlonglong(1234);
    VeriSeti ds;
    ds.VeriPaketiYukle(t);
    QSignalSpy bicim(&ds, &VeriSeti::bicimDegisti);
    kt::FormatAyarla(ds);
    QVERIFY(bicim.count() >= 1);
    QCOMPARE(ds.FieldByName("TUTAR").DisplayFormat(), QStringLiteral("#,###,##0.00"));
    QCOMPARE(ds.FieldByName("TUTAR").DisplayText(), QStringLiteral("1.234,50"));
    QCOMPARE(ds.FieldByName("TUTAR").AsString(), QStringLiteral("1234,5"));
    // Currency and integer fields do not take the amount format.
    QVERIFY(ds.FieldByName("KUR").DisplayFormat().isEmpty());
    QVERIFY(ds.FieldByName("SIRANO").DisplayFormat().isEmpty());
    QVERIFY(ds.FieldByName("ADET").DisplayFormat().isEmpty());
    QCOMPARE(ds.FieldByName("ADET").DisplayText(), QStringLiteral("1234"));
    QCOMPARE(ds.gosterim(1, 3), QStringLiteral("50,00"));
    QCOMPARE(ds.gosterim(2, 3), QString());   // null stays empty, not "0,00"

    // A reload with the same structure keeps the fields and their formats.
    kt::Alan *tutar = &ds.FieldByName("TUTAR");
    ds.VeriPaketiYukle(t);
    QCOMPARE(&ds.FieldByName("TUTAR"), tutar);
    QCOMPARE(tutar->DisplayText(), QStringLiteral("1.234,50"));
}

void TstVeriSeti::tabloKopyala()
{
    // Declared fields take the table's columns by name, in their own order
    // and type; extra columns are ignored.
    VeriSeti ds;
    ds.AlanEkle("TUTAR", KolonTipi::Double);
    ds.AlanEkle("SIRANO", KolonTipi::Int32);
    ds.AlanEkle("VERILISTARIHI", KolonTipi::DateTime);
    ds.TabloKopyala(sepetPaketi());
    QCOMPARE(ds.FieldCount(), 3);
    QCOMPARE(ds.RecordCount(), 4);
    ds.SetRecNo(2);
    QCOMPARE(ds.FieldByName("SIRANO").AsInteger(), 2);
    QCOMPARE(ds.FieldByName("TUTAR").AsFloat(), 50.0);
    QCOMPARE(ds.FieldByName("VERILISTARIHI").AsDateTime(), QDateTime(QDate(2024, 3, 2), QTime(0, 0)));

    VeriSeti eksik;
    eksik.AlanEkle("BORC", KolonTipi::Double);
    QVERIFY_THROWS_EXCEPTION(kt::VeriSetiHatasi, eksik.TabloKopyala(sepetPaketi()));
    QVERIFY(!eksik.Active());

    VeriSeti yanlis;
    yanlis.AlanEkle("STOKADI", KolonTipi::Int32);
    QVERIFY_THROWS_EXCEPTION(kt::VeriSetiHatasi, yanlis.TabloKopyala(sepetPaketi()));

    // Without declarations the table's own structure is taken.
    VeriSeti serbest;
    serbest.TabloKopyala(sepetPaketi());
    QCOMPARE(serbest.FieldCount(), 6);
    QCOMPARE(serbest.VeriPaketi().satirSayisi(), 4);
}

void TstVeriSeti::seciliVeKayitVarmi()
{
    VeriSeti ds;
    QVERIFY(!kt::KayitVarmi(ds));
    QVERIFY(!kt::SeciliVarmi(ds));
    ds.Open();
    QVERIFY(!kt::KayitVarmi(ds));

    kw::Tablo t = sepetPaketi();
    ds.VeriPaketiYukle(t);
    QVERIFY(kt::KayitVarmi(ds));
    QVERIFY(kt::SeciliVarmi(ds));
    QCOMPARE(ds.RecNo(), 3);   // stays on the third line, the marked one

    t.satirlar[2][1] = 0;
    ds.VeriPaketiYukle(t);
    QVERIFY(!kt::SeciliVarmi(ds));
    QVERIFY(ds.Eof());
    QCOMPARE(ds.RecNo(), 4);
}

void TstVeriSeti::kontrollerKapaliykenTekBildirim()
{
    VeriSeti ds;
    ds.VeriPaketiYukle(sepetPaketi());
    QSignalSpy yapi(&ds, &VeriSeti::yapiDegisti);
    QSignalSpy degisim(&ds, &VeriSeti::satirDegisti);
    ds.DisableControls();
    for (ds.First(); !ds.Eof(); ds.Next()) {
        ds.Edit();
        ds.FieldByName("SEC").SetAsInteger(1);
        ds.Post();
    }
    ds.VeriPaketiYukle(sepetPaketi());
    QCOMPARE(yapi.count(), 0);
    QCOMPARE(degisim.count(), 0);
    ds.EnableControls();
    QCOMPARE(yapi.count(), 1);
    QCOMPARE(degisim.count(), 0);
    ds.EnableControls();   // unbalanced call is harmless
    QCOMPARE(yapi.count(), 1);
}

QTEST_GUILESS_MAIN(TstVeriSeti)
#include "tst_veriseti.moc"
