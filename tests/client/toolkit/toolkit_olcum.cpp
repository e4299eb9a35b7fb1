// Measures the platform layer on a stock-list-sized load (10,000 rows × 40
// columns): dataset loading, the grid's sort/filter/group/footer, painting
// a full page and the Excel export. Run by hand; prints milliseconds.
// With --goster it opens the grid in a window instead (to look at it and
// scroll through it).
#include "izgara.h"
#include "mesajgoster.h"
#include "sayibicimi.h"
#include "simgeler.h"
#include "stil.h"
#include "veriseti.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

using namespace kt;
using kw::KolonTipi;

namespace {

const char *kMarkalar[] = {"FORD", "FIAT", "RENAULT", "OPEL", "TOFAŞ", "HYUNDAI", "PEUGEOT", "ŞAHİN"};

kw::Tablo stokPaketi(int satir)
{
    kw::Tablo t;
    t.kolonEkle("STOK_STOKNO", KolonTipi::Int32);
    t.kolonEkle("BARKOD", KolonTipi::String);
    t.kolonEkle("ADI", KolonTipi::String);
    t.kolonEkle("MARKA", KolonTipi::String);
    t.kolonEkle("MODEL", KolonTipi::String);
    t.kolonEkle("DURUM", KolonTipi::Int32);
    t.kolonEkle("DEPOIKIDURUM", KolonTipi::Int32);
    t.kolonEkle("Y", KolonTipi::Int32);
    t.kolonEkle("K", KolonTipi::Int32);
    t.kolonEkle("RESIM", KolonTipi::Int32);
    t.kolonEkle("LISTEFIYAT1", KolonTipi::Double);
    t.kolonEkle("KAMPFIYAT", KolonTipi::Double);
    t.kolonEkle("NETFIYAT", KolonTipi::Double);
    t.kolonEkle("KDVDAHIL", KolonTipi::Double);
    t.kolonEkle("INDIRIMYAZI", KolonTipi::String);
    t.kolonEkle("OZELKOD", KolonTipi::String);
    t.kolonEkle("KUR", KolonTipi::Currency);
    t.kolonEkle("TARIH", KolonTipi::Date);
    for (int i = t.kolonlar.size(); i < 40; ++i)
        t.kolonEkle(QStringLiteral("EK%1").arg(i), i % 3 == 0 ? KolonTipi::Double : i % 3 == 1 ? KolonTipi::Int32
                                                                                              : KolonTipi::String);
    t.satirlar.reserve(satir);
    for (int r = 0; r < satir; ++r) {
        QVector<QVariant> s;
        s.reserve(40);
        const double fiyat = 10.0 + (r * 37 % 5000) / 3.0;
        s << (100000 + r) << QStringLiteral("BRK-%1").arg(r * 7919 % 100000, 6, 10, QChar('0'))
          << QStringLiteral("Fren balatası ön takım %1").arg(r) << QString::fromUtf8(kMarkalar[r % 8])
          << QStringLiteral("Model %1").arg(r % 40) << (r % 7) << (r % 6) << (r % 5 == 0) << (r % 9 == 0)
          << (r % 4 == 0 ? 1 : 0) << fiyat << (r % 3 == 0 ? fiyat * 0.9 : 0.0) << fiyat * 0.75 << fiyat * 0.75 * 1.2
          << QStringLiteral("%10+%5") << QStringLiteral("OZ%1").arg(r % 13) << 1.0 << QDate(2024, 1, 1).addDays(r % 365);
        for (int i = s.size(); i < 40; ++i)
            s << (i % 3 == 0 ? QVariant(r * 1.5) : i % 3 == 1 ? QVariant(r) : QVariant(QStringLiteral("Metin %1").arg(r)));
        t.satirlar.push_back(std::move(s));
    }
    return t;
}

void fiyatBilgisi(const IzgaraHucresi &h)
{
    h.painter->fillRect(h.rect, h.arkaPlan);
    QString s = QStringLiteral("Liste Fiyatı: ") + sayiBicimle(h.deger("LISTEFIYAT1").toDouble(), kTutarBicimi) + "\r\n";
    const double kamp = h.deger("KAMPFIYAT").toDouble();
    if (kamp > 0)
        s += QStringLiteral("Kampanyalı Fiyat: ") + sayiBicimle(kamp, kTutarBicimi) + "\r\n";
    s += QStringLiteral("NetFiyat: ") + sayiBicimle(h.deger("NETFIYAT").toDouble(), kTutarBicimi) + "\r\n";
    s += QStringLiteral("KDV li Fiyat: ") + sayiBicimle(h.deger("KDVDAHIL").toDouble(), kTutarBicimi) + "\r\n";
    h.painter->drawText(h.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter, s.trimmed());
}

QVector<IzgaraKolonu> stokKolonlari()
{
    return {
        IzgaraKolonu("DURUM", "Depo1", 1).Durum(durumSimgeHaritasi(), durumAciklamalari()),
        IzgaraKolonu("DEPOIKIDURUM", "Depo2", 1).Durum(durumSimgeHaritasi(true), durumAciklamalari(true)).Gizli(),
        IzgaraKolonu("BARKOD", "Barkod", 2).Ozet(OzetTuru::Sayi),
        IzgaraKolonu("ADI", QStringLiteral("Açıklama"), 3),
        IzgaraKolonu("STOK_STOKNO", "STOK_STOKNO", 1).Gizli().SecicideYok().Odaksiz(),
        IzgaraKolonu("RESIM", "Resim", 1).ResimIsareti(),
        IzgaraKolonu("MARKA", "Marka", 2),
        IzgaraKolonu("MODEL", "Model", 2),
        IzgaraKolonu("OZELKOD", QStringLiteral("Özel Kod"), 2),
        IzgaraKolonu("LISTEFIYAT1", QStringLiteral("Liste Fiyatı"), 2).Ozet(OzetTuru::Toplam),
        IzgaraKolonu("KAMPFIYAT", QStringLiteral("Kampanyalı Fiyat"), 2),
        IzgaraKolonu("Y", "Yeni", 1).EvetHayir(0),
        IzgaraKolonu("K", QStringLiteral("Kampanyalı"), 1).EvetHayir(),
        IzgaraKolonu("INDIRIMYAZI", QStringLiteral("İndirim Oran"), 2).Ortala(),
        IzgaraKolonu("NETFIYAT", QStringLiteral("Net Fiyatı"), 2).Ozet(OzetTuru::Ortalama),
        IzgaraKolonu({}, "Fiyat Bilgisi", 2).Sahibi(fiyatBilgisi).Gizli(),
    };
}

template <typename F>
double olc(int tekrar, F f)
{
    QVector<double> sureler;
    for (int i = 0; i < tekrar; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        sureler << t.nsecsElapsed() / 1e6;
    }
    std::sort(sureler.begin(), sureler.end());
    return sureler[sureler.size() / 2];
}

int olcumler()
{
    QTextStream out(stdout);
    const kw::Tablo paket = stokPaketi(10000);
    VeriSeti ds;
    out << "10,000 rows x 40 columns (median ms)\n";
    out << "  VeriPaketiYukle          " << olc(9, [&] { ds.VeriPaketiYukle(paket); }) << "\n";
    VeriSeti bildirilen;
    for (const kw::Kolon &k : paket.kolonlar)
        bildirilen.AlanEkle(k.ad, k.tip);
    out << "  TabloKopyala (declared)  " << olc(5, [&] { bildirilen.TabloKopyala(paket); }) << "\n";
    out << "  FormatAyarla             " << olc(9, [&] { FormatAyarla(ds); }) << "\n";
    out << "  walk + FieldByName x3    " << olc(5, [&] {
        double t = 0;
        for (ds.First(); !ds.Eof(); ds.Next())
            t += ds.FieldByName("NETFIYAT").AsFloat() + ds.FieldByName("DURUM").AsInteger()
                 + ds.FieldByName("ADI").AsString().size();
        Q_UNUSED(t);
    }) << "\n";

    Izgara iz;
    iz.KolonlariKur(stokKolonlari());
    iz.resize(1360, 800);
    iz.show();
    QCoreApplication::processEvents();
    out << "  Bagla (attach + fit)     " << olc(5, [&] {
        iz.Ayir();
        iz.Bagla(&ds);
    }) << "\n";
    out << "  AgirlikliSigdir          " << olc(9, [&] { iz.AgirlikliSigdir(); }) << "\n";
    out << "  paint one page           " << olc(9, [&] { iz.Tablo()->viewport()->grab(); }) << "\n";
    out << "  scroll 30 pages + paint  " << olc(3, [&] {
        for (int i = 0; i < 30; ++i) {
            iz.Tablo()->verticalScrollBar()->setValue(i * 300);
            iz.Tablo()->viewport()->grab();
        }
    }) << "\n";
    out << "  sort by text column      " << olc(3, [&] { iz.Sirala("ADI", Qt::DescendingOrder); iz.SiralamayiKaldir(); }) << "\n";
    out << "  filter one value         " << olc(5, [&] { iz.FiltreKoy("MARKA", "FORD"); iz.FiltreyiTemizle(); }) << "\n";
    out << "  filter value list        " << olc(5, [&] { iz.FiltreDegerleri("MODEL"); }) << "\n";
    out << "  group by MARKA           " << olc(3, [&] { iz.Grupla("MARKA"); iz.GruplamayiKaldir(); }) << "\n";
    out << "  footer sums              " << olc(5, [&] { iz.FiltreyiTemizle(); iz.AltBilgiMetni("LISTEFIYAT1"); }) << "\n";
    out << "  incremental search       " << olc(9, [&] { iz.ArtimliAra("Fren balatası ön takım 9999"); }) << "\n";
    out << "  best fit                 " << olc(3, [&] { iz.EnIyiGenislik(); }) << "\n";
    QTemporaryDir dizin;
    out << "  Excel export             " << olc(3, [&] { iz.ExcelAktar(dizin.filePath("stok.xls")); }) << "\n";
    return 0;
}

int goster()
{
    auto *ds = new VeriSeti;
    ds->VeriPaketiYukle(stokPaketi(10000));
    FormatAyarla(*ds);
    auto *w = new QWidget;
    w->setWindowTitle(QStringLiteral("Korvel Otomotiv B2B Programı"));
    auto *v = new QVBoxLayout(w);
    auto *iz = new Izgara;
    iz->KolonlariKur(stokKolonlari());
    iz->Bagla(ds);
    v->addWidget(iz, 1);
    auto *lejant = new QHBoxLayout;
    lejant->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    ")));
    const QList<QPair<int, QString>> simgeler{{0, QStringLiteral(" Stok mevcut  ")},  {10, QStringLiteral(" Kritik Seviye ")},
                                              {8, QStringLiteral(" Telefon Açınız  ")}, {2, QStringLiteral(" Yolda  ")},
                                              {5, QStringLiteral(" Tedarik Sürecinde ")}, {1, QStringLiteral(" Özel Sipariş  ")},
                                              {4, QStringLiteral(" Yok  ")}};
    for (const auto &s : simgeler) {
        auto *l = new QLabel;
        l->setPixmap(durumSimgesi(s.first, 24));
        lejant->addWidget(l);
        lejant->addWidget(new QLabel(s.second));
    }
    lejant->addStretch();
    auto *soru = new QPushButton(QStringLiteral("Çıkış"));
    QObject::connect(soru, &QPushButton::clicked, [] {
        MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), MesajTipi::Soru, {Dugme::Evet, Dugme::Hayir},
                    Dugme::Evet);
    });
    lejant->addWidget(soru);
    v->addLayout(lejant);
    QObject::connect(iz, &Izgara::boyutDegisti, iz, [iz] { iz->AgirlikliSigdir(); });
    w->resize(1360, 760);
    w->show();
    iz->Grupla(qEnvironmentVariableIsSet("KORVEL_GRUP") ? QStringLiteral("MARKA") : QString());
    return qApp->exec();
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    StilUygula(app);
    if (app.arguments().contains(QStringLiteral("--goster")))
        return goster();
    return olcumler();
}
