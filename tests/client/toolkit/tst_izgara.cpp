// The grid on a small basket-like fixture: weighted fitting, header filters
// (also through the filter button), footers, grouping with group footers,
// incremental search, cursor following, detaching for a background load,
// the column chooser, owner-drawn cells and the Excel export.
#include "izgara.h"
#include "kolonsigdirma.h"
#include "simgeler.h"
#include "verimodeli.h"
#include "veriseti.h"
#include "xlsokuyucu.h"
#include "izgarabaslik.h"

#include <QCheckBox>
#include <QJsonObject>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

using namespace kt;
using kw::KolonTipi;

namespace {

kw::Tablo sepet()
{
    kw::Tablo t;
    t.kolonEkle("SIRANO", KolonTipi::Int32);
    t.kolonEkle("SEC", KolonTipi::Int32);
    t.kolonEkle("MARKA", KolonTipi::String);
    t.kolonEkle("STOKADI", KolonTipi::String);
    t.kolonEkle("MIKTAR", KolonTipi::Double);
    t.kolonEkle("NETTUTAR", KolonTipi::Double);
    t.kolonEkle("DURUM", KolonTipi::Int32);
    t.satirEkle({1, 1, "FORD", QStringLiteral("Fren balatası"), 2.0, 1000.0, 1});
    t.satirEkle({2, 0, "FIAT", QStringLiteral("Yağ filtresi"), 1.0, 234.5, 0});
    t.satirEkle({3, 0, "FORD", QStringLiteral("Işık grubu"), 4.0, 80.25, 3});
    t.satirEkle({4, 1, "RENAULT", QStringLiteral("Şanzıman yağı"), 1.0, 10.0, 6});
    t.satirEkle({5, 0, "FIAT", QStringLiteral("Amortisör"), 3.0, 1500.0, 2});
    t.satirEkle({6, 0, "FORD", QStringLiteral("Debriyaj seti"), 1.0, QVariant(), 1});
    return t;
}

QVector<IzgaraKolonu> kolonlar()
{
    return {
        IzgaraKolonu("SEC", QStringLiteral("Seç"), 1).OnayKutusu().SecicideYok(),
        IzgaraKolonu("SIRANO", "SIRANO", 0).Gizli().SecicideYok(),
        IzgaraKolonu("MARKA", QStringLiteral("Marka"), 2),
        IzgaraKolonu("STOKADI", QStringLiteral("Stok Açıklama"), 3).Ozet(OzetTuru::Sayi),
        IzgaraKolonu("MIKTAR", QStringLiteral("Miktar"), 1).Ozet(OzetTuru::Toplam),
        IzgaraKolonu("NETTUTAR", QStringLiteral("Net Tutar"), 1).Ozet(OzetTuru::Toplam),
        IzgaraKolonu("DURUM", QStringLiteral("Durum"), 1).Durum(durumSimgeHaritasi(), durumAciklamalari()),
    };
}

struct Kurulum {
    VeriSeti ds;
    Izgara izgara;
    Kurulum()
    {
        ds.VeriPaketiYukle(sepet());
        FormatAyarla(ds);
        izgara.KolonlariKur(kolonlar());
        izgara.Bagla(&ds);
        izgara.resize(900, 500);
    }
};

// Types text the way a keyboard does, Turkish letters included (QTest's
// key helpers take Latin-1 only).
void yaz(QWidget *w, const QString &metin)
{
    for (QChar c : metin) {
        QKeyEvent bas(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &bas);
        QKeyEvent birak(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &birak);
    }
}

QModelIndex hucre(Izgara &iz, int gorunumSatiri, const QString &alan)
{
    return iz.GorunumModeli()->index(gorunumSatiri, iz.KolonNo(alan));
}

}  // namespace

class TstIzgara : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void agirlikBirimi_data();
    void agirlikBirimi();
    void agirlikliSigdirma();
    void filtreVeAltBilgi();
    void filtreDugmesiIleFiltre();
    void siralamaDegisikligiIzler();
    void gruplamaVeGrupAltlari();
    void artimliArama();
    void imlecIzlenirVeCiftTiklama();
    void ayirArkaPlandaDoldurBagla();
    void eklemeSilmeVeFiltredeOdak();
    void kolonSeciciSadeceSunulanlar();
    void sahibiCizimSatirBilgisi();
    void excelGorunenKolonlar();
};

void TstIzgara::agirlikBirimi_data()
{
    QTest::addColumn<int>("genislik");
    QTest::addColumn<int>("toplam");
    QTest::addColumn<int>("birim");
    QTest::newRow("20 agirlik 1030") << 1030 << 20 << 50;
    QTest::newRow("asagi yuvarlanir") << 1049 << 20 << 50;
    QTest::newRow("bir fazla") << 1050 << 20 << 51;
    QTest::newRow("dar izgara") << 45 << 20 << 0;
    QTest::newRow("agirlik yok") << 1030 << 0 << 0;
    QTest::newRow("30dan dar") << 20 << 1 << 0;
}

void TstIzgara::agirlikBirimi()
{
    QFETCH(int, genislik);
    QFETCH(int, toplam);
    QFETCH(int, birim);
    QCOMPARE(kt::agirlikBirimi(genislik, toplam), birim);
}

void TstIzgara::agirlikliSigdirma()
{
    // Pure function: each visible column weight × unit, weight 0 still visible.
    QCOMPARE(agirlikliGenislikler({1, 2, 3, 0}, 630, 20), (QVector<int>{100, 200, 300, 20}));
    QVERIFY(agirlikliGenislikler({0, 0}, 630).isEmpty());
    QVERIFY(agirlikliGenislikler({5, 5}, 35).isEmpty());

    // The grid uses the visible columns only: SIRANO (hidden) keeps its width.
    Kurulum k;
    const int gizliOnce = k.izgara.KolonGenisligiAl(k.izgara.KolonNo("SIRANO"));
    QVERIFY(k.izgara.AgirlikliSigdir(1030));   // visible weights 1+2+3+1+1+1 = 9 → unit 111
    QCOMPARE(k.izgara.KolonGenisligiAl(k.izgara.KolonNo("SEC")), 111);
    QCOMPARE(k.izgara.KolonGenisligiAl(k.izgara.KolonNo("STOKADI")), 333);
    QCOMPARE(k.izgara.KolonGenisligiAl(k.izgara.KolonNo("SIRANO")), gizliOnce);
    // Too narrow to fit: widths are left alone rather than collapsed.
    QVERIFY(!k.izgara.AgirlikliSigdir(25));
    QCOMPARE(k.izgara.KolonGenisligiAl(k.izgara.KolonNo("SEC")), 111);
}

void TstIzgara::filtreVeAltBilgi()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    QCOMPARE(iz.GorunenSatirSayisi(), 6);
    QCOMPARE(iz.AltBilgiMetni("STOKADI"), QStringLiteral("6"));
    QCOMPARE(iz.AltBilgiMetni("MIKTAR"), QStringLiteral("12,00"));
    QCOMPARE(iz.AltBilgiMetni("NETTUTAR"), QStringLiteral("2.824,75"));   // the null row adds nothing
    QCOMPARE(iz.AltBilgiMetni("MARKA"), QString());

    QCOMPARE(iz.FiltreDegerleri("MARKA"), (QStringList{"FIAT", "FORD", "RENAULT"}));
    iz.FiltreKoy("MARKA", "FORD");
    QCOMPARE(iz.GorunenSatirSayisi(), 3);
    QCOMPARE(iz.AltBilgiMetni("STOKADI"), QStringLiteral("3"));
    QCOMPARE(iz.AltBilgiMetni("NETTUTAR"), QStringLiteral("1.080,25"));
    // Values offered for another column follow the active filter.
    QCOMPARE(iz.FiltreDegerleri("DURUM"), (QStringList{"1", "3"}));
    iz.FiltreKoy("DURUM", "3");
    QCOMPARE(iz.GorunenSatirSayisi(), 1);
    QCOMPARE(iz.GorunumSatiriVeri(0), 2);
    // The marca list still shows every make that passes the other filter.
    QCOMPARE(iz.FiltreDegerleri("MARKA"), (QStringList{"FORD"}));
    iz.FiltreyiTemizle();
    QCOMPARE(iz.GorunenSatirSayisi(), 6);

    // A value edited in the dataset reaches the footer.
    k.ds.SetRecNo(2);
    k.ds.Edit();
    k.ds.FieldByName("MIKTAR").SetAsFloat(11);
    k.ds.Post();
    QCOMPARE(iz.AltBilgiMetni("MIKTAR"), QStringLiteral("22,00"));
}

void TstIzgara::filtreDugmesiIleFiltre()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    iz.show();
    QVERIFY(QTest::qWaitForWindowExposed(&iz));
    auto *baslik = qobject_cast<IzgaraBasligi *>(iz.Tablo()->horizontalHeader());
    QVERIFY(baslik);
    const int kolon = iz.KolonNo("DURUM");
    const QRect dugme = baslik->filtreDugmesi(kolon);
    QVERIFY(dugme.isValid());
    QTest::mouseClick(baslik->viewport(), Qt::LeftButton, {}, dugme.center());

    QListWidget *liste = nullptr;
    QTRY_VERIFY((liste = qApp->findChild<QListWidget *>("filtreListesi")) != nullptr
                || [&] {
                       for (QWidget *w : QApplication::topLevelWidgets())
                           if (w->objectName() == "filtreListesi" && w->isVisible())
                               liste = qobject_cast<QListWidget *>(w);
                       return liste != nullptr;
                   }());
    // "(Tümü)" first, then the codes under their descriptions.
    QStringList etiketler;
    for (int i = 0; i < liste->count(); ++i)
        etiketler << liste->item(i)->text();
    QCOMPARE(etiketler, (QStringList{QStringLiteral("(Tümü)"), "Yok", "Var", QStringLiteral("Telefon Açınız"), "Yolda",
                                     "Kritik Seviye"}));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(2)).center());
    QCOMPARE(iz.GorunenSatirSayisi(), 2);   // "Var" = code 1: rows 1 and 6
    QCOMPARE(iz.GorunumSatiriVeri(0), 0);
    QCOMPARE(iz.GorunumSatiriVeri(1), 5);
}

void TstIzgara::siralamaDegisikligiIzler()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    auto sira = [&] {
        QList<int> s;
        for (int r = 0; r < iz.GorunumModeli()->rowCount(); ++r)
            s << hucre(iz, r, "SIRANO").data(HamDegerRolu).toInt();
        return s;
    };
    iz.Sirala("NETTUTAR", Qt::DescendingOrder);
    QCOMPARE(sira(), (QList<int>{5, 1, 2, 3, 4, 6}));   // null last when descending
    // An edited amount takes its new place at once.
    k.ds.Locate("SIRANO", 3);
    k.ds.Edit();
    k.ds.FieldByName("NETTUTAR").SetAsFloat(5000);
    k.ds.Post();
    QCOMPARE(sira(), (QList<int>{3, 5, 1, 2, 4, 6}));
    // Texts follow the Turkish alphabet (… Fren, Işık, Şanzıman, Yağ).
    iz.Sirala("STOKADI");
    QCOMPARE(sira(), (QList<int>{5, 6, 1, 3, 4, 2}));
    iz.SiralamayiKaldir();
    QCOMPARE(sira(), (QList<int>{1, 2, 3, 4, 5, 6}));
}

void TstIzgara::gruplamaVeGrupAltlari()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    QAbstractItemModel *m = iz.GorunumModeli();
    iz.Grupla("MARKA");
    QCOMPARE(iz.GrupSayisi(), 3);
    // FIAT: header, 2 rows, footer; FORD: header, 3, footer; RENAULT: header, 1, footer.
    QCOMPARE(m->rowCount(), 12);
    QCOMPARE(m->index(0, 0).data(SatirTuruRolu).toInt(), int(GrupBasligi));
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("Marka: FIAT  (2)"));
    QCOMPARE(hucre(iz, 1, "SIRANO").data(HamDegerRolu).toInt(), 2);
    QCOMPARE(hucre(iz, 2, "SIRANO").data(HamDegerRolu).toInt(), 5);
    QCOMPARE(m->index(3, 0).data(SatirTuruRolu).toInt(), int(GrupAltligi));
    QCOMPARE(hucre(iz, 3, "MIKTAR").data().toString(), QStringLiteral("4,00"));
    QCOMPARE(hucre(iz, 3, "STOKADI").data().toString(), QStringLiteral("2"));
    QCOMPARE(hucre(iz, 8, "NETTUTAR").data().toString(), QStringLiteral("1.080,25"));   // FORD's footer
    QCOMPARE(iz.Tablo()->columnSpan(0, 0), m->columnCount());   // header spans the row

    // A changed value moves into the group sums.
    k.ds.Locate("SIRANO", 5);
    k.ds.Edit();
    k.ds.FieldByName("MIKTAR").SetAsFloat(10);
    k.ds.Post();
    QCOMPARE(hucre(iz, 3, "MIKTAR").data().toString(), QStringLiteral("11,00"));

    // Collapsed: one header and one footer per group; the footer stays.
    iz.GruplariDaralt();
    QCOMPARE(m->rowCount(), 6);
    QCOMPARE(hucre(iz, 1, "MIKTAR").data().toString(), QStringLiteral("11,00"));
    // Keyboard: Right opens the focused group.
    iz.Tablo()->setCurrentIndex(m->index(2, 0));
    QTest::keyClick(iz.Tablo(), Qt::Key_Right);
    QCOMPARE(m->rowCount(), 9);
    QCOMPARE(hucre(iz, 3, "SIRANO").data(HamDegerRolu).toInt(), 1);
    // The grid footer still covers every row.
    QCOMPARE(iz.AltBilgiMetni("MIKTAR"), QStringLiteral("19,00"));

    iz.GruplamayiKaldir();
    QCOMPARE(m->rowCount(), 6);
    QCOMPARE(hucre(iz, 0, "SIRANO").data(HamDegerRolu).toInt(), 1);   // the dataset's order again
    QCOMPARE(iz.Tablo()->columnSpan(0, 0), 1);
}

void TstIzgara::artimliArama()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    iz.show();
    QVERIFY(QTest::qWaitForWindowExposed(&iz));
    iz.Tablo()->setFocus();
    iz.Tablo()->setCurrentIndex(hucre(iz, 0, "MARKA"));
    QTest::keyClicks(iz.Tablo(), "re");
    QCOMPARE(iz.OdakDegeri("SIRANO").toInt(), 4);
    QCOMPARE(iz.AramaMetni(), QStringLiteral("re"));
    QTest::keyClicks(iz.Tablo(), "x");   // no make starts with "rex": nothing moves, text kept
    QCOMPARE(iz.OdakDegeri("SIRANO").toInt(), 4);
    QCOMPARE(iz.AramaMetni(), QStringLiteral("re"));
    QTest::keyClick(iz.Tablo(), Qt::Key_Escape);
    QCOMPARE(iz.AramaMetni(), QString());

    // In another column; the Turkish i's match each other ("işı" finds "Işık").
    iz.Tablo()->setCurrentIndex(hucre(iz, 0, "STOKADI"));
    yaz(iz.Tablo(), QStringLiteral("işı"));
    QCOMPARE(iz.AramaMetni(), QStringLiteral("işı"));
    QCOMPARE(iz.OdakDegeri("SIRANO").toInt(), 3);
    QTest::keyClick(iz.Tablo(), Qt::Key_Backspace);
    QCOMPARE(iz.AramaMetni(), QStringLiteral("iş"));
    QCOMPARE(iz.OdakDegeri("SIRANO").toInt(), 3);

    // The search runs in the shown order: sorted by line number descending,
    // the first FORD is line 6.
    iz.Sirala("SIRANO", Qt::DescendingOrder);
    QTest::keyClick(iz.Tablo(), Qt::Key_Escape);
    iz.Tablo()->setCurrentIndex(hucre(iz, 0, "MARKA"));
    yaz(iz.Tablo(), QStringLiteral("fo"));
    QCOMPARE(iz.OdakDegeri("SIRANO").toInt(), 6);
}

void TstIzgara::imlecIzlenirVeCiftTiklama()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    iz.show();
    QVERIFY(QTest::qWaitForWindowExposed(&iz));
    QSignalSpy cift(&iz, &Izgara::satirCiftTiklandi);
    QSignalSpy odak(&iz, &Izgara::odakSatiriDegisti);

    // Clicking a row makes it the dataset's current row.
    const QRect r = iz.Tablo()->visualRect(hucre(iz, 2, "MARKA"));
    QTest::mouseClick(iz.Tablo()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(k.ds.RecNo(), 3);
    QCOMPARE(k.ds.FieldByName("SIRANO").AsInteger(), 3);
    QVERIFY(!odak.isEmpty());
    QCOMPARE(odak.last().at(0).toInt(), 2);

    QTest::mouseDClick(iz.Tablo()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(cift.count(), 1);
    QCOMPARE(cift.at(0).at(0).toInt(), 2);
    QCOMPARE(iz.OdakKolonBasligi(), QStringLiteral("Marka"));

    // Moving the dataset's cursor focuses its row, also in a sorted view.
    iz.Sirala("NETTUTAR", Qt::DescendingOrder);
    QVERIFY(k.ds.Locate("SIRANO", 5));
    QTRY_COMPARE(iz.OdakSatiri(), 4);
    QCOMPARE(iz.Tablo()->currentIndex().row(), 0);   // 1500 is the largest amount

    // A walk over the whole dataset moves the focus once, to where it ends.
    for (k.ds.First(); !k.ds.Eof(); k.ds.Next()) {
    }
    QTRY_COMPARE(iz.OdakSatiri(), 5);
}

void TstIzgara::ayirArkaPlandaDoldurBagla()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    iz.Ayir();
    QCOMPARE(iz.GorunumModeli()->rowCount(), 0);
    // Detached, the dataset may be refilled on another thread.
    kw::Tablo buyuk = sepet();
    for (int i = 7; i <= 2000; ++i)
        buyuk.satirEkle({i, 0, "OPEL", QStringLiteral("Parça %1").arg(i), 1.0, 1.0, 1});
    std::thread isci([&]() {
        k.ds.DisableControls();
        k.ds.VeriPaketiYukle(buyuk);
        FormatAyarla(k.ds);
        k.ds.EnableControls();
    });
    isci.join();
    QCoreApplication::processEvents();
    QCOMPARE(iz.GorunumModeli()->rowCount(), 0);
    iz.Bagla(&k.ds);
    QCOMPARE(iz.GorunumModeli()->rowCount(), 2000);
    QCOMPARE(iz.AltBilgiMetni("STOKADI"), QStringLiteral("2000"));
    QCOMPARE(iz.OdakSatiri(), 0);   // the dataset's current row
    QCOMPARE(hucre(iz, 1999, "STOKADI").data().toString(), QStringLiteral("Parça 2000"));
}

void TstIzgara::eklemeSilmeVeFiltredeOdak()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    iz.FiltreKoy("MARKA", "FORD");
    QCOMPARE(iz.GorunenSatirSayisi(), 3);
    // Rows added or deleted in the dataset show at once, through the filter.
    k.ds.Append();
    k.ds.FieldByName("SIRANO").SetAsInteger(7);
    k.ds.FieldByName("MARKA").SetAsString("FORD");
    k.ds.FieldByName("MIKTAR").SetAsFloat(5);
    k.ds.Post();
    QCOMPARE(iz.GorunenSatirSayisi(), 4);
    QCOMPARE(iz.AltBilgiMetni("MIKTAR"), QStringLiteral("12,00"));
    QTRY_COMPARE(iz.OdakSatiri(), 6);   // the new row is the current one
    k.ds.Delete();
    QCOMPARE(iz.GorunenSatirSayisi(), 3);
    QCOMPARE(iz.AltBilgiMetni("MIKTAR"), QStringLiteral("7,00"));

    // Filtering away the focused row moves the focus (and the cursor) to
    // the first shown row.
    iz.SatiraGit(2);
    QCOMPARE(iz.OdakSatiri(), 2);
    iz.FiltreKoy("MARKA", "FIAT");
    QCOMPARE(iz.OdakSatiri(), 1);
    QCOMPARE(k.ds.RecNo(), 2);
}

void TstIzgara::kolonSeciciSadeceSunulanlar()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    iz.KolonGorunur("MARKA", false);
    QStringList sunulan;
    QTimer::singleShot(0, [&]() {
        QMenu *menu = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *m = qobject_cast<QMenu *>(w); m && m->objectName() == "kolonSecici" && m->isVisible())
                menu = m;
        if (!menu)
            return;
        for (QCheckBox *c : menu->findChildren<QCheckBox *>()) {
            sunulan << c->text();
            if (c->text() == "Marka")
                c->click();
        }
        menu->close();
    });
    iz.KolonSeciciGoster(QPoint(100, 100));
    // SEC and SIRANO are not offered; toggling "Marka" shows it again.
    QCOMPARE(sunulan, (QStringList{"Marka", QStringLiteral("Stok Açıklama"), "Miktar", "Net Tutar", "Durum"}));
    QVERIFY(iz.KolonGorunurMu(iz.KolonNo("MARKA")));
}

void TstIzgara::sahibiCizimSatirBilgisi()
{
    VeriSeti ds;
    ds.VeriPaketiYukle(sepet());
    struct Cagri {
        int satir;
        bool cift;
        QColor arka;
        QString marka;
    };
    QVector<Cagri> cagrilar;
    Izgara iz;
    QVector<IzgaraKolonu> k = kolonlar();
    k.push_back(IzgaraKolonu({}, QStringLiteral("Fiyat Bilgisi"), 2)
                    .Sahibi([&](const IzgaraHucresi &h) {
                        cagrilar.push_back({h.satir, h.ciftSatir, h.arkaPlan, h.gosterim("MARKA")});
                        h.painter->fillRect(h.rect, h.arkaPlan);
                    },
                            [&](int satir) { return ds.gosterim(satir, ds.alanNo("MARKA")) + "!"; }));
    iz.KolonlariKur(k);
    iz.Bagla(&ds);
    iz.resize(1200, 600);
    iz.Tablo()->clearSelection();
    iz.Tablo()->setCurrentIndex({});
    iz.grab();
    QVERIFY(cagrilar.size() >= 6);
    std::sort(cagrilar.begin(), cagrilar.end(), [](const Cagri &a, const Cagri &b) { return a.satir < b.satir; });
    QCOMPARE(cagrilar[0].satir, 0);
    QVERIFY(cagrilar[0].cift);
    QCOMPARE(cagrilar[0].arka, QColor(239, 239, 239));
    QCOMPARE(cagrilar[1].arka, QColor(255, 255, 255));
    QCOMPARE(cagrilar[1].marka, QStringLiteral("FIAT"));
    // The column's text is what search and export use.
    iz.Tablo()->setCurrentIndex(hucre(iz, 0, "STOKADI"));
    iz.Tablo()->setCurrentIndex(iz.GorunumModeli()->index(0, k.size() - 1));
    QVERIFY(iz.ArtimliAra("ren"));
    QCOMPARE(iz.OdakSatiri(), 3);
}

void TstIzgara::excelGorunenKolonlar()
{
    Kurulum k;
    Izgara &iz = k.izgara;
    iz.Sirala("SIRANO", Qt::DescendingOrder);
    QTemporaryDir dizin;
    QString hata;
    QVERIFY2(iz.ExcelAktar(dizin.filePath("sepet.xlsx"), &hata), qPrintable(hata));
    QVERIFY(!QFile::exists(dizin.filePath("sepet.xlsx")));
    const QJsonArray kitap = test::xlsOku(dizin.filePath("sepet.xls"));
    QCOMPARE(kitap.size(), 1);
    const QJsonArray s = kitap.at(0).toObject().value("hucreler").toArray();
    QCOMPARE(s.size(), 7);
    QStringList basliklar;
    for (const QJsonValue &h : s.at(0).toArray())
        basliklar << h.toArray().at(1).toString();
    // Hidden SIRANO is left out; captions head the columns.
    QCOMPARE(basliklar, (QStringList{QStringLiteral("Seç"), "Marka", QStringLiteral("Stok Açıklama"), "Miktar",
                                     "Net Tutar", "Durum"}));
    const QJsonArray ilk = s.at(1).toArray();   // SIRANO 6 first: the shown order
    QCOMPARE(ilk.at(0).toArray(), (QJsonArray{test::XlsSayi, 0.0}));
    QCOMPARE(ilk.at(2).toArray(), (QJsonArray{test::XlsMetin, QStringLiteral("Debriyaj seti")}));
    QCOMPARE(ilk.at(4).toArray().at(0).toInt(), int(test::XlsBos));   // null amount
    QCOMPARE(ilk.at(5).toArray(), (QJsonArray{test::XlsMetin, "Var"}));
    const QJsonArray son = s.at(6).toArray();
    QCOMPARE(son.at(4).toArray(), (QJsonArray{test::XlsSayi, 1000.0}));   // a number, not "1.000,00"
    QCOMPARE(son.at(5).toArray(), (QJsonArray{test::XlsMetin, "Var"}));
    QCOMPARE(s.at(3).toArray().at(5).toArray(), (QJsonArray{test::XlsMetin, "Kritik Seviye"}));
}

QTEST_MAIN(TstIzgara)
#include "tst_izgara.moc"
