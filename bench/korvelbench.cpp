// korvel-bench: measures a running korvel-server through its wire protocol.
//
//   korvel-bench --port P [--istasyon ID] [--sorgu N] [--baglanti C] [--sure S]
//
// Search latency (one keep-alive connection, one call at a time) for code,
// OEM and word queries drawn from the store's own items, then small-call
// throughput: SepetVer2 on a basket of five lines from C keep-alive
// connections for S seconds.

#include "baglantiu.h"
#include "kodlayici.h"
#include "metotlar.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

using Saat = std::chrono::steady_clock;

class Istemci {
public:
    explicit Istemci(int port) : c_("127.0.0.1", port)
    {
        c_.set_tcp_nodelay(true);
        c_.set_keep_alive(true);
        c_.set_read_timeout(60, 0);
    }

    // One call; the decoded outputs, or an exception with the server's message.
    QVector<kw::Deger> cagir(const char *ad, const QVector<kw::Deger> &girdiler, double *ms = nullptr)
    {
        const kw::Metot &m = *kw::metotBul(QString::fromLatin1(ad));
        return kw::cevapOku(m, ham(ad, kw::istekYaz(m, girdiler), ms));
    }

    // One call with a ready body; the answer body as it came (a load
    // generator need not spend the shared cores on decoding it).
    QByteArray ham(const char *ad, const QByteArray &govde, double *ms = nullptr)
    {
        const std::string yol = std::string(kw::kYolOneki) + ad;
        const auto t0 = Saat::now();
        auto r = c_.Post(yol.c_str(), govde.constData(), size_t(govde.size()), "application/json");
        if (ms)
            *ms = std::chrono::duration<double, std::milli>(Saat::now() - t0).count();
        if (!r)
            throw std::runtime_error(std::string(ad) + ": no answer");
        const QByteArray cevap = QByteArray::fromStdString(r->body);
        if (r->status != 200)
            throw std::runtime_error(std::string(ad) + ": " + kw::hataOku(cevap).toStdString());
        return cevap;
    }

private:
    httplib::Client c_;
};

struct Ozet {
    double p50 = 0, p95 = 0, enCok = 0, ort = 0;
};

Ozet ozetle(std::vector<double> v)
{
    Ozet o;
    if (v.empty())
        return o;
    std::sort(v.begin(), v.end());
    auto yuzde = [&](double p) { return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))]; };
    o.p50 = yuzde(0.50);
    o.p95 = yuzde(0.95);
    o.enCok = v.back();
    double t = 0;
    for (double x : v)
        t += x;
    o.ort = t / double(v.size());
    return o;
}

struct Parca {
    int id = 0;
    QString barkod, adi, oem1, oemno, uretici, marka, model;
};

QString sutun(const kw::Tablo &t, int satir, const char *ad) { return t.hucre(satir, QString::fromLatin1(ad)).toString(); }

// Writes a code the way dealers do: as printed, run together, lower case,
// or with dashes for blanks.
QString kodYazimi(const QString &kod, std::mt19937 &r)
{
    static const QRegularExpression ayrac(QStringLiteral("[ .\\-/]"));
    switch (r() % 4) {
    case 0: return kod;
    case 1: return QString(kod).remove(ayrac);
    case 2: return kod.toLower();
    default: return QString(kod).replace(u' ', u'-');
    }
}

// A Turkish lower-case text as a dealer types it.
QString kucuk(const QString &s)
{
    static const QLocale tr(QLocale::Turkish);
    return tr.toLower(s);
}

QString kelimeSorgusu(const Parca &p, std::mt19937 &r)
{
    const QStringList kelimeler = p.adi.split(u' ', Qt::SkipEmptyParts);
    const QStringList model = p.model.split(u' ', Qt::SkipEmptyParts);
    QStringList q;
    q << kelimeler.value(0);
    switch (r() % 4) {
    case 0: q << kelimeler.value(1); break;                                  // "fren balatası"
    case 1: q << model.value(0); break;                                      // "balata passat"
    case 2: q << kelimeler.value(1) << model.value(0); break;                // "fren balatası passat"
    default: q << p.marka << kelimeler.value(1).left(4); break;              // "fren ford bala"
    }
    q.removeAll(QString());
    QString s = q.join(u' ');
    return r() % 2 ? kucuk(s) : s.toUpper();
}

void satirYaz(const char *ad, const std::vector<double> &ms, double satir)
{
    const Ozet o = ozetle(ms);
    std::printf("  %-14s n=%-4zu p50=%6.2f ms  p95=%6.2f ms  max=%7.2f ms  mean=%6.2f ms  rows/query=%.1f\n", ad,
                ms.size(), o.p50, o.p95, o.enCok, o.ort, satir);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser cp;
    cp.addHelpOption();
    QCommandLineOption portO(QStringLiteral("port"), QStringLiteral("server port"), QStringLiteral("port"));
    QCommandLineOption istO(QStringLiteral("istasyon"), QStringLiteral("workstation ID to log in with"),
                            QStringLiteral("id"), QStringLiteral("DEMO-BAYI3"));
    QCommandLineOption sorguO(QStringLiteral("sorgu"), QStringLiteral("queries per kind"), QStringLiteral("n"),
                              QStringLiteral("300"));
    QCommandLineOption bagO(QStringLiteral("baglanti"), QStringLiteral("connections of the throughput run"),
                            QStringLiteral("n"), QStringLiteral("16"));
    QCommandLineOption sureO(QStringLiteral("sure"), QStringLiteral("seconds of the throughput run"),
                             QStringLiteral("s"), QStringLiteral("10"));
    cp.addOptions({portO, istO, sorguO, bagO, sureO});
    cp.process(app);
    const int port = cp.value(portO).toInt();
    const int sorgu = qMax(10, cp.value(sorguO).toInt());
    const int baglanti = qMax(1, cp.value(bagO).toInt());
    const int sure = qMax(1, cp.value(sureO).toInt());
    if (port <= 0) {
        std::fprintf(stderr, "korvel-bench: --port is required\n");
        return 2;
    }

    try {
        Istemci c(port);
        const auto giris = c.cagir("BuyukGetir", {cp.value(istO)});
        const auto bilgi = std::dynamic_pointer_cast<TSonucBilgisi>(std::get<kw::Nesne>(giris.last()));
        if (!bilgi || !bilgi->Varmi()) {
            std::fprintf(stderr, "korvel-bench: workstation %s is not registered\n", qPrintable(cp.value(istO)));
            return 1;
        }
        auto oturum = [&] { return kw::Nesne(std::make_shared<TSonucBilgisi>(*bilgi)); };
        const int carino = bilgi->CARINO();

        // Items to draw queries from: what word searches of common parts find.
        std::vector<Parca> parcalar;
        QSet<int> gorulen;
        for (const char *k : {"FREN", "FILTRE", "AMORTISOR", "POMPA", "RADYATOR", "BUJI", "FAR", "DEBRIYAJ", "ROTIL",
                              "KAYIS", "TAKOZ", "SENSOR", "HORTUM", "CONTA", "AKU", "YAY", "AYNA", "MOTOR"}) {
            const kw::Tablo t = std::get<kw::Tablo>(c.cagir("StokAraGetirTarvel", {QString::fromLatin1(k), oturum()}).last());
            for (int i = 0; i < t.satirSayisi(); ++i) {
                Parca p;
                p.id = t.hucre(i, QStringLiteral("STOK_STOKNO")).toInt();
                if (gorulen.contains(p.id))
                    continue;
                gorulen.insert(p.id);
                p.barkod = sutun(t, i, "BARKOD");
                p.adi = sutun(t, i, "ADI");
                p.oem1 = sutun(t, i, "OEM1");
                p.oemno = sutun(t, i, "OEMNO");
                p.uretici = sutun(t, i, "URETICIKODU");
                p.marka = sutun(t, i, "MARKA");
                p.model = sutun(t, i, "MODEL");
                parcalar.push_back(p);
            }
        }
        if (parcalar.size() < 10) {
            std::fprintf(stderr, "korvel-bench: the store holds too few items to draw queries from\n");
            return 1;
        }

        std::mt19937 r(42);
        auto rastgele = [&]() -> const Parca & { return parcalar[r() % parcalar.size()]; };
        std::vector<QString> kodlar, oemler, kelimeler;
        while (int(kodlar.size()) < sorgu)
            kodlar.push_back(kodYazimi(rastgele().barkod, r));
        while (int(oemler.size()) < sorgu) {
            const Parca &p = rastgele();
            QString o = r() % 3 == 0 ? p.uretici.section(u' ', 1) : (p.oem1.isEmpty() ? p.oemno : p.oem1);
            if (!o.isEmpty())
                oemler.push_back(kodYazimi(o, r));
        }
        while (int(kelimeler.size()) < sorgu)
            kelimeler.push_back(kelimeSorgusu(rastgele(), r));

        auto olc = [&](const std::vector<QString> &sorgular, std::vector<double> &ms, double &satir) {
            int toplam = 0;
            for (const QString &q : sorgular) {
                double t = 0;
                const auto sonuc = c.cagir("StokAraGetirTarvel", {q, oturum()}, &t);
                ms.push_back(t);
                toplam += std::get<kw::Tablo>(sonuc.last()).satirSayisi();
            }
            satir = double(toplam) / double(sorgular.size());
        };
        {
            // Warm-up: the server's worker opens its store connection, the
            // pages come into memory.
            std::vector<double> x;
            double s;
            olc(std::vector<QString>(kelimeler.begin(), kelimeler.begin() + std::min<int>(50, sorgu)), x, s);
            olc(std::vector<QString>(kodlar.begin(), kodlar.begin() + std::min<int>(50, sorgu)), x, s);
        }
        std::printf("Search (StokAraGetirTarvel, one keep-alive connection, %zu items sampled):\n", parcalar.size());
        std::vector<double> hepsi;
        for (auto [ad, liste] : {std::pair{"code", &kodlar}, std::pair{"OEM", &oemler}, std::pair{"words", &kelimeler}}) {
            std::vector<double> ms;
            double satir = 0;
            olc(*liste, ms, satir);
            satirYaz(ad, ms, satir);
            hepsi.insert(hepsi.end(), ms.begin(), ms.end());
        }
        satirYaz("all", hepsi, 0);
        std::printf("  examples: code \"%s\", OEM \"%s\", words \"%s\"\n", qPrintable(kodlar[0]), qPrintable(oemler[0]),
                    qPrintable(kelimeler[0]));

        // Throughput: a small basket, read over and over.
        c.cagir("SepetHepsiniSil", {oturum()});
        for (int i = 0; i < 5; ++i)
            c.cagir("SepetEkle2", {oturum(), qint32(carino), qint32(parcalar[size_t(i)].id), QString(), QString(),
                                   double(i + 1), 20.0, 100.0, 10.0, qint32(bilgi->Sirano()), qint32(0), 5.0, 0.0, 0.0});
        std::atomic<bool> dur{false};
        std::atomic<long> cagri{0}, hata{0};
        std::vector<std::vector<double>> sureler(static_cast<size_t>(baglanti));
        // The answer is checked once in full; the load loop only reads it.
        const kw::Tablo sepet = std::get<kw::Tablo>(c.cagir("SepetVer2", {qint32(carino)}).last());
        if (sepet.satirSayisi() != 5)
            throw std::runtime_error("the basket does not hold the five lines");
        const QByteArray sepetIstegi = kw::istekYaz(*kw::metotBul(u"SepetVer2"), {qint32(carino)});
        std::vector<std::thread> isler;
        for (int i = 0; i < baglanti; ++i)
            isler.emplace_back([&, i] {
                Istemci k(port);
                auto &ms = sureler[size_t(i)];
                ms.reserve(200000);
                while (!dur) {
                    double t = 0;
                    try {
                        k.ham("SepetVer2", sepetIstegi, &t);
                        ms.push_back(t);
                        ++cagri;
                    } catch (const std::exception &) {
                        ++hata;
                    }
                }
            });
        std::this_thread::sleep_for(std::chrono::milliseconds(500));   // connections settle
        const long bas = cagri;
        const auto t0 = Saat::now();
        std::this_thread::sleep_for(std::chrono::seconds(sure));
        const long son = cagri;
        const double gecen = std::chrono::duration<double>(Saat::now() - t0).count();
        dur = true;
        for (std::thread &t : isler)
            t.join();
        std::vector<double> tum;
        for (const auto &v : sureler)
            tum.insert(tum.end(), v.begin(), v.end());
        const Ozet o = ozetle(tum);
        std::printf("Small calls (SepetVer2, basket of 5 lines, %d keep-alive connections, %d s):\n", baglanti, sure);
        std::printf("  %.0f calls/s  p50=%.2f ms  p95=%.2f ms  errors=%ld\n", double(son - bas) / gecen, o.p50, o.p95,
                    long(hata));
        c.cagir("SepetHepsiniSil", {oturum()});
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "korvel-bench: %s\n", e.what());
        return 1;
    }
}
