// The .xls writer, read back by an independent reader (Debian's python3-xlrd):
// Turkish texts, numbers, dates, a shared string table that needs CONTINUE
// records, and more rows than one sheet holds.
#include "xlsokuyucu.h"
#include "xlsyazici.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using test::xlsOku;
enum { Bos = test::XlsBos, Metin = test::XlsMetin, Sayi = test::XlsSayi, Tarih = test::XlsTarih, Mantik = test::XlsMantik };

QJsonArray hucre(const QJsonArray &sayfa, int r, int c) { return sayfa.at(r).toArray().at(c).toArray(); }

}  // namespace

class TstXlsYazici : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void uzanti_data();
    void uzanti();
    void turkceMetinVeSayilar();
    void buyukPaylasilanMetinTablosu();
    void sayfaSiniriniAsanSatirlar();
    void cokKolonReddedilir();

private:
    QTemporaryDir dizin_;
};

void TstXlsYazici::initTestCase()
{
    QVERIFY(dizin_.isValid());
    QVERIFY2(QFile::exists("/usr/bin/python3"), "python3-xlrd is needed to read workbooks back");
}

void TstXlsYazici::uzanti_data()
{
    QTest::addColumn<QString>("girdi");
    QTest::addColumn<QString>("cikti");
    QTest::newRow("xlsx") << "/tmp/liste.xlsx" << "/tmp/liste.xls";
    QTest::newRow("uzantisiz") << "/tmp/liste" << "/tmp/liste.xls";
    QTest::newRow("baska") << "/tmp/a.b/sepet.csv" << "/tmp/a.b/sepet.xls";
    QTest::newRow("zaten") << "sepet.xls" << "sepet.xls";
    QTest::newRow("iki nokta") << "/tmp/sepet.2024.xlsx" << "/tmp/sepet.2024.xls";
}

void TstXlsYazici::uzanti()
{
    QFETCH(QString, girdi);
    QFETCH(QString, cikti);
    QCOMPARE(kt::xlsUzantili(girdi), cikti);
}

void TstXlsYazici::turkceMetinVeSayilar()
{
    const QString turkce = QStringLiteral("ğüşıöçİĞÜŞÖÇ");
    const QVector<kt::XlsKolon> kolonlar = {
        {QStringLiteral("Stok Açıklama"), 200, {}},
        {QStringLiteral("Net Tutar"), 90, QStringLiteral("#,##0.00")},
        {QStringLiteral("Miktar"), 0, {}},
        {QStringLiteral("Sipariş Tarihi"), 0, {}},
        {QStringLiteral("Seç"), 0, {}},
    };
    const QVector<QVector<QVariant>> satirlar = {
        {turkce, 1234.5, 3, QDate(2024, 2, 29), true},
        {QStringLiteral("Şanzıman yağı"), -0.125, qlonglong(4000000000LL), QDateTime(QDate(2023, 12, 31), QTime(23, 59, 58)), false},
        {QVariant(), QVariant(), QString(), QVariant(), QVariant()},
        {turkce, 1e-9, 0, QDate(1900, 3, 1), QStringLiteral("metin")},
    };
    const QString yol = dizin_.filePath("turkce.xls");
    QString hata;
    QVERIFY2(kt::xlsYaz(yol, kolonlar, satirlar, &hata), qPrintable(hata));

    const QJsonArray kitap = xlsOku(yol);
    QCOMPARE(kitap.size(), 1);
    QCOMPARE(kitap.at(0).toObject().value("ad").toString(), QStringLiteral("Sayfa1"));
    const QJsonArray s = kitap.at(0).toObject().value("hucreler").toArray();
    QCOMPARE(s.size(), 5);
    for (int k = 0; k < kolonlar.size(); ++k)
        QCOMPARE(hucre(s, 0, k), (QJsonArray{Metin, kolonlar[k].baslik}));
    QCOMPARE(hucre(s, 1, 0), (QJsonArray{Metin, turkce}));
    QCOMPARE(hucre(s, 1, 1), (QJsonArray{Sayi, 1234.5}));
    QCOMPARE(hucre(s, 1, 2), (QJsonArray{Sayi, 3.0}));
    QCOMPARE(hucre(s, 1, 3), (QJsonArray{Tarih, QJsonArray{2024, 2, 29, 0, 0, 0}}));
    QCOMPARE(hucre(s, 1, 4), (QJsonArray{Mantik, 1}));
    QCOMPARE(hucre(s, 2, 0), (QJsonArray{Metin, QStringLiteral("Şanzıman yağı")}));
    QCOMPARE(hucre(s, 2, 1), (QJsonArray{Sayi, -0.125}));
    QCOMPARE(hucre(s, 2, 2), (QJsonArray{Sayi, 4000000000.0}));
    QCOMPARE(hucre(s, 2, 3), (QJsonArray{Tarih, QJsonArray{2023, 12, 31, 23, 59, 58}}));
    QCOMPARE(hucre(s, 2, 4), (QJsonArray{Mantik, 0}));
    for (int k = 0; k < 5; ++k)
        QCOMPARE(hucre(s, 3, k).at(0).toInt(), int(Bos));
    QCOMPARE(hucre(s, 4, 1), (QJsonArray{Sayi, 1e-9}));
    QCOMPARE(hucre(s, 4, 3), (QJsonArray{Tarih, QJsonArray{1900, 3, 1, 0, 0, 0}}));
    QCOMPARE(hucre(s, 4, 4), (QJsonArray{Metin, QStringLiteral("metin")}));
}

void TstXlsYazici::buyukPaylasilanMetinTablosu()
{
    // 10,000 distinct Turkish texts fill many CONTINUE records; two long
    // texts (one Latin-1, one wide) are split across records themselves.
    const QVector<kt::XlsKolon> kolonlar = {{QStringLiteral("Açıklama")}, {QStringLiteral("No")}, {QStringLiteral("Tutar")}};
    QVector<QVector<QVariant>> satirlar;
    for (int i = 0; i < 10000; ++i)
        satirlar.push_back({QStringLiteral("Parça ğüşıöç %1").arg(i), i, i * 1.25});
    const QString uzunDar = QString(9000, u'a') + QStringLiteral("son");
    const QString uzunGenis = QString(6000, u'ğ') + QStringLiteral("SON");
    satirlar.push_back({uzunDar, 10000, 0.5});
    satirlar.push_back({uzunGenis, 10001, 0.5});
    satirlar.push_back({QStringLiteral("Parça ğüşıöç 7"), 10002, 0.5});   // a repeated text

    const QString yol = dizin_.filePath("buyuk.xls");
    QString hata;
    QVERIFY2(kt::xlsYaz(yol, kolonlar, satirlar, &hata), qPrintable(hata));
    const QJsonArray kitap = xlsOku(yol);
    QCOMPARE(kitap.size(), 1);
    const QJsonArray s = kitap.at(0).toObject().value("hucreler").toArray();
    QCOMPARE(s.size(), 10004);
    for (int i = 0; i < 10000; ++i) {
        const QJsonArray satir = s.at(i + 1).toArray();
        if (satir.at(0).toArray().at(1).toString() != QStringLiteral("Parça ğüşıöç %1").arg(i)
            || satir.at(1).toArray().at(1).toDouble() != i || satir.at(2).toArray().at(1).toDouble() != i * 1.25)
            QFAIL(qPrintable(QStringLiteral("satır %1 yanlış okundu").arg(i)));
    }
    QCOMPARE(hucre(s, 10001, 0).at(1).toString(), uzunDar);
    QCOMPARE(hucre(s, 10002, 0).at(1).toString(), uzunGenis);
    QCOMPARE(hucre(s, 10003, 0).at(1).toString(), QStringLiteral("Parça ğüşıöç 7"));
}

void TstXlsYazici::sayfaSiniriniAsanSatirlar()
{
    // One sheet holds 65,536 rows; the rest continue on a second sheet with
    // the header repeated instead of wrapping row numbers.
    const QVector<kt::XlsKolon> kolonlar = {{QStringLiteral("No")}};
    QVector<QVector<QVariant>> satirlar;
    for (int i = 0; i < 70000; ++i)
        satirlar.push_back({i});
    const QString yol = dizin_.filePath("iki_sayfa.xls");
    QVERIFY(kt::xlsYaz(yol, kolonlar, satirlar));
    const QJsonArray kitap = xlsOku(yol);
    QCOMPARE(kitap.size(), 2);
    const QJsonArray s1 = kitap.at(0).toObject().value("hucreler").toArray();
    const QJsonArray s2 = kitap.at(1).toObject().value("hucreler").toArray();
    QCOMPARE(kitap.at(1).toObject().value("ad").toString(), QStringLiteral("Sayfa2"));
    QCOMPARE(s1.size(), 65536);
    QCOMPARE(s2.size(), 70000 - 65535 + 1);
    QCOMPARE(hucre(s1, 0, 0).at(1).toString(), QStringLiteral("No"));
    QCOMPARE(hucre(s1, 65535, 0).at(1).toDouble(), 65534.0);
    QCOMPARE(hucre(s2, 0, 0).at(1).toString(), QStringLiteral("No"));
    QCOMPARE(hucre(s2, 1, 0).at(1).toDouble(), 65535.0);
    QCOMPARE(hucre(s2, 70000 - 65535, 0).at(1).toDouble(), 69999.0);
}

void TstXlsYazici::cokKolonReddedilir()
{
    const QVector<kt::XlsKolon> kolonlar(257, kt::XlsKolon{QStringLiteral("K")});
    QString hata;
    const QString yol = dizin_.filePath("genis.xls");
    QVERIFY(!kt::xlsYaz(yol, kolonlar, {}, &hata));
    QVERIFY(!hata.isEmpty());
    QVERIFY(!QFile::exists(yol));
}

QTEST_GUILESS_MAIN(TstXlsYazici)
#include "tst_xlsyazici.moc"
