// Pricing rules and the search's text rules: pure functions, checked against
// figures worked out by hand.
#include "methods/fiyat.h"
#include "methods/stokarama.h"

#include <QtTest>

using ks::Oranlar;

class TstFiyat : public QObject {
    Q_OBJECT

private slots:
    void yuvarla_data();
    void yuvarla();
    void indirimYazisi_data();
    void indirimYazisi();
    void stokFiyati_data();
    void stokFiyati();
    void satirTutari_data();
    void satirTutari();
    void katlama_data();
    void katlama();
    void kelimeSorgusu_data();
    void kelimeSorgusu();
};

void TstFiyat::yuvarla_data()
{
    QTest::addColumn<double>("deger");
    QTest::addColumn<double>("beklenen");
    // Halves are decided on the decimal text: 2.675 is stored as 2.67499…
    QTest::newRow("2.675 up") << 2.675 << 2.68;
    QTest::newRow("1.005 up") << 1.005 << 1.01;
    QTest::newRow("1.115 up") << 1.115 << 1.12;
    QTest::newRow("-2.345 away from zero") << -2.345 << -2.35;
    QTest::newRow("0.125 up") << 0.125 << 0.13;
    QTest::newRow("2.674999 down") << 2.674999 << 2.67;
    QTest::newRow("0.005 up") << 0.005 << 0.01;
    QTest::newRow("0.0049 to zero") << 0.0049 << 0.0;
    QTest::newRow("-0.004 to zero") << -0.004 << 0.0;
    QTest::newRow("already two decimals") << 256.5 << 256.5;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << 0.3;
    QTest::newRow("large") << 1234567.895 << 1234567.9;
    QTest::newRow("tiny") << 1e-9 << 0.0;
}

void TstFiyat::yuvarla()
{
    QFETCH(double, deger);
    QFETCH(double, beklenen);
    QCOMPARE(ks::yuvarla(deger), beklenen);
}

void TstFiyat::indirimYazisi_data()
{
    QTest::addColumn<Oranlar>("oranlar");
    QTest::addColumn<QString>("yazi");
    QTest::newRow("two rates") << Oranlar{10, 5, 0, 0} << "10+5";
    QTest::newRow("four rates") << Oranlar{10, 5, 3, 2} << "10+5+3+2";
    QTest::newRow("decimal comma") << Oranlar{12.5, 0, 0, 0} << "12,5";
    QTest::newRow("zero and negative skipped") << Oranlar{0, -5, 7.25, 0} << "7,25";
    QTest::newRow("none") << Oranlar{0, 0, 0, 0} << "";
}

void TstFiyat::indirimYazisi()
{
    QFETCH(Oranlar, oranlar);
    QFETCH(QString, yazi);
    QCOMPARE(ks::indirimYazisi(oranlar), yazi);
}

void TstFiyat::stokFiyati_data()
{
    QTest::addColumn<ks::StokFiyatGirdisi>("g");
    QTest::addColumn<double>("fiyat");
    QTest::addColumn<double>("net");
    QTest::addColumn<double>("kdvDahil");
    QTest::addColumn<bool>("kampanyali");
    QTest::addColumn<double>("kampFiyati");
    QTest::addColumn<QString>("yazi");

    auto g = [](double l1, double l2, int liste, double kamp, bool kampanyada, bool gorur, double kdv, Oranlar o) {
        ks::StokFiyatGirdisi x;
        x.listeFiyati1 = l1;
        x.listeFiyati2 = l2;
        x.fiyatListesi = liste;
        x.kampFiyati = kamp;
        x.kampanyada = kampanyada;
        x.kampanyaGorur = gorur;
        x.kdv = kdv;
        x.oranlar = o;
        return x;
    };
    // 100 − 10 % = 90, − 5 % = 85.50; × 1.20 = 102.60.
    QTest::newRow("list 1 with 10+5") << g(100, 110, 1, 0, false, true, 20, {10, 5, 0, 0}) << 100.0 << 85.5 << 102.6
                                      << false << 0.0 << "10+5";
    QTest::newRow("list 2") << g(100, 110, 2, 0, false, true, 20, {0, 0, 0, 0}) << 110.0 << 110.0 << 132.0 << false
                            << 0.0 << "";
    // 333.33 → 299.997 → 284.99715 → 285.00; × 1.18 = 336.30.
    QTest::newRow("rounding after compounding") << g(333.33, 0, 1, 0, false, true, 18, {10, 5, 0, 0}) << 333.33
                                                << 285.0 << 336.3 << false << 0.0 << "10+5";
    QTest::newRow("campaign price is net") << g(120, 130, 1, 80, true, true, 20, {10, 5, 0, 0}) << 80.0 << 80.0
                                           << 96.0 << true << 80.0 << "";
    QTest::newRow("no campaign for this dealer") << g(120, 130, 2, 80, true, false, 20, {10, 0, 0, 0}) << 130.0
                                                 << 117.0 << 140.4 << false << 0.0 << "10";
    QTest::newRow("campaign flag without price") << g(120, 130, 1, 0, true, true, 20, {0, 0, 0, 0}) << 120.0 << 120.0
                                                 << 144.0 << false << 0.0 << "";
    QTest::newRow("negative rate gives nothing") << g(50, 0, 1, 0, false, true, 20, {-10, 0, 0, 0}) << 50.0 << 50.0
                                                 << 60.0 << false << 0.0 << "";
}

void TstFiyat::stokFiyati()
{
    QFETCH(ks::StokFiyatGirdisi, g);
    QFETCH(double, fiyat);
    QFETCH(double, net);
    QFETCH(double, kdvDahil);
    QFETCH(bool, kampanyali);
    QFETCH(double, kampFiyati);
    QFETCH(QString, yazi);
    const ks::StokFiyati f = ks::stokFiyati(g);
    QCOMPARE(f.fiyat, fiyat);
    QCOMPARE(f.netFiyat, net);
    QCOMPARE(f.kdvDahil, kdvDahil);
    QCOMPARE(f.kampanyali, kampanyali);
    QCOMPARE(f.kampFiyati, kampFiyati);
    QCOMPARE(f.indirimYazi, yazi);
}

void TstFiyat::satirTutari_data()
{
    QTest::addColumn<double>("miktar");
    QTest::addColumn<double>("fiyat");
    QTest::addColumn<Oranlar>("oranlar");
    QTest::addColumn<double>("kdv");
    QTest::addColumn<QVector<double>>("beklenen");   // tutar, indirim, net, net birim, vergi, kdv dahil birim
    // The line entry's own example: 3 × 100.00 at 10 % + 5 %, VAT 20.
    QTest::newRow("3 x 100 at 10+5") << 3.0 << 100.0 << Oranlar{10, 5, 0, 0} << 20.0
                                     << QVector<double>{300, 43.5, 256.5, 85.5, 51.3, 102.6};
    // 7 × 1.115 = 7.805 → 7.81; net unrounded 7.805 × 0.9 = 7.0245 → 7.02.
    QTest::newRow("halves of the gross") << 7.0 << 1.115 << Oranlar{10, 0, 0, 0} << 20.0
                                         << QVector<double>{7.81, 0.79, 7.02, 1.0, 1.4, 1.2};
    QTest::newRow("no discount") << 2.0 << 12.5 << Oranlar{0, 0, 0, 0} << 18.0
                                 << QVector<double>{25, 0, 25, 12.5, 4.5, 14.75};
    QTest::newRow("hundred percent") << 4.0 << 10.0 << Oranlar{100, 0, 0, 0} << 20.0
                                     << QVector<double>{40, 40, 0, 0, 0, 0};
}

void TstFiyat::satirTutari()
{
    QFETCH(double, miktar);
    QFETCH(double, fiyat);
    QFETCH(Oranlar, oranlar);
    QFETCH(double, kdv);
    QFETCH(QVector<double>, beklenen);
    const ks::SatirTutari t = ks::satirTutari(miktar, fiyat, oranlar, kdv);
    QCOMPARE(t.tutar, beklenen[0]);
    QCOMPARE(t.indirimTutar, beklenen[1]);
    QCOMPARE(t.netTutar, beklenen[2]);
    QCOMPARE(t.netBirimFiyat, beklenen[3]);
    QCOMPARE(t.vergiTutari, beklenen[4]);
    QCOMPARE(t.kdvDahilBirimFiyat, beklenen[5]);
    QCOMPARE(t.tutar - t.indirimTutar, t.netTutar);
}

void TstFiyat::katlama_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("katli");
    QTest::addColumn<QString>("kod");
    QTest::newRow("turkish lower") << "şoğuçı" << "SOGUCI" << "SOGUCI";
    QTest::newRow("turkish upper") << "ŞÖĞÜÇİI" << "SOGUCII" << "SOGUCII";
    QTest::newRow("ascii i") << "fren balatası" << "FREN BALATASI" << "FRENBALATASI";
    QTest::newRow("code separators") << "1k0-615 301.aa/x\\y_z" << "1K0-615 301.AA/X\\Y_Z" << "1K0615301AAXYZ";
    QTest::newRow("others kept") << "W+12é" << "W+12é" << "W+12é";
}

void TstFiyat::katlama()
{
    QFETCH(QString, metin);
    QFETCH(QString, katli);
    QFETCH(QString, kod);
    QCOMPARE(ks::aramaKatla(metin), katli);
    QCOMPARE(ks::kodNormal(metin), kod);
}

void TstFiyat::kelimeSorgusu_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("sorgu");   // "-" = nothing can match
    QTest::newRow("blank") << "   " << "";
    QTest::newRow("words become the index words they start") << "Fren  balata" << R"("fren" AND ("balata" OR "balatasi"))";
    QTest::newRow("turkish letters") << "BALATASI" << R"("balatasi")";
    QTest::newRow("turkish letters, lower") << "balatası" << R"("balatasi")";
    QTest::newRow("short words are prefixes") << "ön sağ" << R"("ON"* AND "SAG"*)";
    QTest::newRow("one letter is whole") << "a 4" << R"("A" AND "4")";
    QTest::newRow("dotted word: parts or joined") << "1.6" << R"((("1" AND "6") OR "16"*))";
    QTest::newRow("groups of digits are a code") << "0 986 494-407" << "";
    QTest::newRow("a number with a word is words") << "fren 4" << R"("fren" AND "4")";
    QTest::newRow("a code with separators is taken whole") << "w712/95 fren" << R"("w71295" AND "fren")";
    QTest::newRow("words joined by a dash") << "ön-sağ" << R"(("ON"* AND "SAG"*))";
    QTest::newRow("unknown word") << "fren yokki" << "-";
    QTest::newRow("too many words for a prefix") << "kod9" << R"("KOD9"*)";
    QTest::newRow("punctuation only") << "-- / ." << "";
    QTest::newRow("quotes cannot break out") << R"(fren" OR "x)" << R"("fren" AND "OR"* AND "X")";
}

void TstFiyat::kelimeSorgusu()
{
    QFETCH(QString, metin);
    QFETCH(QString, sorgu);
    // A stand-in index: its words and one prefix with too many of them.
    const ks::TerimAcici ac = [](const QString &onek) -> std::optional<QStringList> {
        if (onek == QLatin1String("kod9"))
            return std::nullopt;
        QStringList l;
        for (const char *w : {"balata", "balatasi", "fren", "w71295", "x"})
            if (QString::fromLatin1(w).startsWith(onek))
                l << QString::fromLatin1(w);
        return l;
    };
    const std::optional<QString> q = ks::kelimeSorgusu(metin, ac);
    QCOMPARE(q ? *q : QStringLiteral("-"), sorgu);
}

QTEST_GUILESS_MAIN(TstFiyat)
#include "tst_fiyat.moc"
