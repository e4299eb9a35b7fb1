// The proxy's own logic over an in-process transport: what goes on the wire,
// how answers are read, who owns the results, and how failures surface.
#include "kodlayici.h"
#include "proxim.h"

#include <QtTest>
#include <atomic>
#include <cstdlib>
#include <new>

// Records every pointer handed to operator delete while `izle` is on, so a
// test can see which results were freed.
namespace {
std::atomic<bool> izle{false};
constexpr int kKayitSiniri = 1 << 16;
void *silinenler[kKayitSiniri];
std::atomic<int> silinenSayisi{0};

void kaydet(void *p)
{
    if (p && izle.load(std::memory_order_relaxed)) {
        const int i = silinenSayisi.fetch_add(1);
        if (i < kKayitSiniri)
            silinenler[i] = p;
    }
}

bool silindi(const void *p)
{
    const int n = std::min(silinenSayisi.load(), kKayitSiniri);
    for (int i = 0; i < n; ++i)
        if (silinenler[i] == p)
            return true;
    return false;
}

struct Izleme {
    Izleme() { silinenSayisi = 0; izle = true; }
    ~Izleme() { izle = false; }
};
}  // namespace

void *operator new(std::size_t n)
{
    if (void *p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { kaydet(p); std::free(p); }
void operator delete(void *p, std::size_t) noexcept { kaydet(p); std::free(p); }

namespace {

// A transport that answers from a queue and keeps what was sent.
struct SahteDurum {
    QList<QPair<QString, QByteArray>> istekler;
    QList<HttpYanit> yanitlar;
    bool acilmaz = false;
};

class SahteTasiyici : public Tasiyici {
public:
    explicit SahteTasiyici(std::shared_ptr<SahteDurum> d) : d_(std::move(d)) {}
    void ac(const QString &host, int port) override
    {
        if (d_->acilmaz)
            throw EUzakHata(QStringLiteral("Sunucuya bağlanılamadı (%1:%2)").arg(host).arg(port));
    }
    void kapat() override {}
    HttpYanit gonder(const QString &yol, const QByteArray &govde) override
    {
        d_->istekler.append({yol, govde});
        if (d_->yanitlar.isEmpty())
            throw EUzakHata(QStringLiteral("Sunucu ile iletişim kesildi"));
        return d_->yanitlar.takeFirst();
    }
    std::unique_ptr<Tasiyici> yeni() const override { return std::make_unique<SahteTasiyici>(d_); }

private:
    std::shared_ptr<SahteDurum> d_;
};

struct Ortam {
    std::shared_ptr<SahteDurum> d = std::make_shared<SahteDurum>();
    TBaglanti bag{std::make_unique<SahteTasiyici>(d)};
    Ortam() { bag.Open(); }
    void cevap(const QByteArray &govde, int durum = 200) { d->yanitlar.append({durum, govde}); }
    QByteArray sonGovde() const { return d->istekler.isEmpty() ? QByteArray() : d->istekler.last().second; }
};

QByteArray sonucBilgisiJson(const QString &adi)
{
    TSonucBilgisi b;
    b.setADI(adi);
    kw::JsonYazici y;
    y.nesneBasla();
    y.anahtar("result");
    y.diziBasla();
    kw::kayitYaz(y, &b);
    y.diziBitir();
    y.nesneBitir();
    return y.al();
}

const QByteArray kTablo = R"({"result":[{"columns":[{"name":"SIRANO","type":"int32"},{"name":"ADI","type":"string"}],)"
                          R"("rows":[[1,"Yurtiçi"],[2,"Aras"]]}]})";

}  // namespace

class TstProxim : public QObject {
    Q_OBJECT

private slots:
    void vekilKatalogaUyar();
    void istekBicimi();
    void nesneSonucununSahibi();
    void sahipOlmayanVekil();
    void tablolarVekilleYasar();
    void akisBoyu_data();
    void akisBoyu();
    void hatalar_data();
    void hatalar();
    void gondermedenReddedilenler();
    void kopyaBaglanti();
    void sunucuAdresi_data();
    void sunucuAdresi();
};

void TstProxim::vekilKatalogaUyar()
{
    const auto &imzalar = TServerMethods1Client::imzalar();
    QCOMPARE(imzalar.size(), kw::metotlar().size());
    for (const kw::Metot &m : kw::metotlar()) {
        int bulunan = 0;
        for (const auto &i : imzalar) {
            if (qstrcmp(i.ad, m.ad) != 0)
                continue;
            ++bulunan;
            QVERIFY2(TServerMethods1Client::uyar(m, i.parametreler.data(), i.parametreler.size(), i.sonuc), m.ad);
        }
        QVERIFY2(bulunan == 1, m.ad);
    }
    // The check itself notices a difference in direction, type or class.
    const kw::Metot *r = kw::metotBul(u"RaporGetir");
    auto p = std::find_if(imzalar.begin(), imzalar.end(), [](const auto &i) { return qstrcmp(i.ad, "RaporGetir") == 0; })->parametreler;
    p[7].yon = kw::Yon::Girdi;
    QVERIFY(!TServerMethods1Client::uyar(*r, p.data(), p.size(), {kw::Yon::Cikti, kw::Tip::Akis}));
    const kw::Metot *b = kw::metotBul(u"BuyukGetir");
    const proxy_detay::Arguman s{kw::Yon::Girdi, kw::Tip::Metin};
    QVERIFY(!TServerMethods1Client::uyar(*b, &s, 1, {kw::Yon::Cikti, kw::Tip::Nesne, TTusSonuclari::TIP}));
}

void TstProxim::istekBicimi()
{
    Ortam o;
    TServerMethods1Client p(&o.bag);

    // Inputs in declaration order, the record marshalled, out parameters left out.
    auto bilgi = std::make_unique<TSonucBilgisi>();
    bilgi->setCARINO(77);
    const TSonucBilgisi kopya = *bilgi;
    o.cevap(R"({"result":[1]})");
    QCOMPARE(p.SepetEkle2(std::move(bilgi), 77, 1234, QStringLiteral("BRK-1"), QStringLiteral("Fren balatası"), 2.5, 20,
                          149.9, 10, 5, 1, 0, 0, 0.25),
             1);
    QVERIFY(!bilgi);
    QCOMPARE(o.d->istekler.last().first, QStringLiteral("/datasnap/rest/TServerMethods1/SepetEkle2"));
    QCOMPARE(o.sonGovde(), kw::istekYaz(*kw::metotBul(u"SepetEkle2"),
                                        {kw::Nesne(kopya.Kopya()), 77, 1234, QStringLiteral("BRK-1"),
                                         QStringLiteral("Fren balatası"), 2.5, 20.0, 149.9, 10.0, 5, 1, 0.0, 0.0, 0.25}));

    // A nil record goes as null.
    o.cevap(R"({"result":[{"columns":[],"rows":[]}]})");
    p.StokAraGetirTarvel(QStringLiteral("fren"), nullptr);
    QCOMPARE(o.sonGovde(), QByteArray(R"({"_parameters":["fren",null]})"));

    // The out size comes before the result; a procedure reads nothing.
    o.cevap(R"({"result":[3,"YWJj"]})");
    qint64 boy = -1;
    QCOMPARE(p.RaporGetir(1, 2, 3, 4, QStringLiteral("Ali"), 45000.5, 45010, boy), QByteArray("abc"));
    QCOMPARE(boy, 3);
    QCOMPARE(o.sonGovde(), QByteArray(R"({"_parameters":[1,2,3,4,"Ali",45000.5,45010]})"));
    o.cevap(R"({"result":[]})");
    p.SepetSecimGuncelle(9, 1);
    QCOMPARE(o.sonGovde(), QByteArray(R"({"_parameters":[9,1]})"));
    o.cevap(R"({"result":["Hoş geldiniz"]})");
    QCOMPARE(p.KayanYaziGetir(), QStringLiteral("Hoş geldiniz"));
    QCOMPARE(o.sonGovde(), QByteArray(R"({"_parameters":[]})"));
    o.cevap(R"({"result":[true]})");
    QVERIFY(p.SiparisKaydet(kopya.Kopya(), 77, 1, 2, QStringLiteral("not"), 5, 3));

    // The context setting is part of the path.
    o.bag.Params[QStringLiteral("DatasnapContext")] = QStringLiteral("baska/");
    o.cevap(R"({"result":[0]})");
    p.AcilisReklamAdet();
    QCOMPARE(o.d->istekler.last().first, QStringLiteral("/baska/rest/TServerMethods1/AcilisReklamAdet"));
}

void TstProxim::nesneSonucununSahibi()
{
    Ortam o;
    Izleme iz;
    const TSonucBilgisi *ilk = nullptr;
    const TSonucBilgisi *ikinci = nullptr;
    const TTusSonuclari *tus = nullptr;
    {
        TServerMethods1Client p(&o.bag);
        o.cevap(sonucBilgisiJson(QStringLiteral("ayse")));
        ilk = p.BuyukGetir(QStringLiteral("ID1"));
        QVERIFY(ilk);
        QCOMPARE(ilk->ADI(), QStringLiteral("ayse"));

        // Another method's result does not touch the first one. (The record
        // is reset before each step: freed addresses are reused.)
        silinenSayisi = 0;
        o.cevap(R"({"result":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":4}}]})");
        tus = p.TusSonuclariVer(nullptr);
        QCOMPARE(tus->Alindi(), 4);
        QVERIFY(!silindi(ilk));

        // The same method again frees the earlier result.
        silinenSayisi = 0;
        o.cevap(sonucBilgisiJson(QStringLiteral("veli")));
        ikinci = p.BuyukGetir(QStringLiteral("ID2"));
        QVERIFY(silindi(ilk));
        QCOMPARE(ikinci->ADI(), QStringLiteral("veli"));
        QVERIFY(!silindi(tus));

        // A null answer is nullptr, and the earlier result is gone as well.
        silinenSayisi = 0;
        o.cevap(R"({"result":[null]})");
        QCOMPARE(p.BuyukGetir(QStringLiteral("ID3")), nullptr);
        QVERIFY(silindi(ikinci));
        silinenSayisi = 0;
    }
    // The proxy takes what it still holds with it.
    QVERIFY(silindi(tus));
}

void TstProxim::sahipOlmayanVekil()
{
    Ortam o;
    TSiparisDipAyrinti *dip = nullptr;
    {
        TServerMethods1Client p(&o.bag, false);
        o.cevap(R"({"result":[{"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FKargo":"Aras"}}]})");
        dip = p.SiparisAytintisiDip(0, 15);
        o.cevap(R"({"result":[{"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FKargo":"MNG"}}]})");
        std::unique_ptr<TSiparisDipAyrinti> ikinci(p.SiparisAytintisiDip(0, 16));
        QCOMPARE(ikinci->Kargo(), QStringLiteral("MNG"));
    }
    // Handed over: it outlives the proxy and the next call.
    std::unique_ptr<TSiparisDipAyrinti> sahip(dip);
    QCOMPARE(sahip->Kargo(), QStringLiteral("Aras"));
}

void TstProxim::tablolarVekilleYasar()
{
    Ortam o;
    Izleme iz;
    const kw::Tablo *a = nullptr;
    const kw::Tablo *b = nullptr;
    {
        TServerMethods1Client p(&o.bag);
        o.cevap(kTablo);
        a = p.TeslimVer();
        silinenSayisi = 0;   // freed addresses are reused; count from here
        o.cevap(kTablo);
        b = p.TeslimVer();
        QVERIFY(a != b);
        QVERIFY(!silindi(a));
        QCOMPARE(a->satirSayisi(), 2);
        QCOMPARE(a->hucre(0, QStringLiteral("ADI")).toString(), QStringLiteral("Yurtiçi"));
        QCOMPARE(*a, *b);

        // A data packet is a value.
        o.cevap(kTablo);
        const kw::Tablo paket = p.SepetVer2(5);
        QCOMPARE(paket, *a);
        silinenSayisi = 0;
    }
    QVERIFY(silindi(a));
    QVERIFY(silindi(b));
}

void TstProxim::akisBoyu_data()
{
    QTest::addColumn<QByteArray>("cevap");
    QTest::addColumn<bool>("gecerli");
    QTest::addColumn<QByteArray>("veri");
    QTest::newRow("uyuyor") << QByteArray(R"({"result":[5,"aGVsbG8="]})") << true << QByteArray("hello");
    QTest::newRow("bos") << QByteArray(R"({"result":[0,""]})") << true << QByteArray();
    QTest::newRow("eksik gelen") << QByteArray(R"({"result":[6,"aGVsbG8="]})") << false << QByteArray();
    QTest::newRow("fazla gelen") << QByteArray(R"({"result":[0,"aGVsbG8="]})") << false << QByteArray();
    QTest::newRow("eksi boy") << QByteArray(R"({"result":[-1,""]})") << false << QByteArray();
}

void TstProxim::akisBoyu()
{
    QFETCH(QByteArray, cevap);
    QFETCH(bool, gecerli);
    QFETCH(QByteArray, veri);
    Ortam o;
    TServerMethods1Client p(&o.bag);
    o.cevap(cevap);
    qint64 boy = 99;
    try {
        const QByteArray v = p.ResimVer5(12, boy);
        QVERIFY(gecerli);
        QCOMPARE(v, veri);
        QCOMPARE(boy, qint64(veri.size()));
    } catch (const EUzakHata &e) {
        QVERIFY2(!gecerli, qPrintable(e.mesaj()));
        QVERIFY(e.mesaj().contains(QStringLiteral("akış boyu")));
    }
}

void TstProxim::hatalar_data()
{
    QTest::addColumn<int>("durum");
    QTest::addColumn<QByteArray>("govde");
    QTest::addColumn<int>("beklenenDurum");
    QTest::addColumn<QString>("mesaj");   // the exception's message contains this

    QTest::newRow("metot hatası") << 500 << QByteArray(R"({"error":"Cari bulunamadı"})") << 500 << QStringLiteral("Cari bulunamadı");
    QTest::newRow("bozuk istek") << 400 << QByteArray(R"({"error":"Parametre idsi: string bekleniyordu"})") << 400
                                 << QStringLiteral("Parametre idsi: string bekleniyordu");
    QTest::newRow("bilinmeyen") << 404 << QByteArray(R"({"error":"Bilinmeyen metot: BuyukGetir"})") << 404
                                << QStringLiteral("Bilinmeyen metot: BuyukGetir");
    QTest::newRow("json olmayan hata") << 502 << QByteArray("<html>Bad Gateway</html>") << 502 << QStringLiteral("HTTP 502");
    QTest::newRow("json olmayan cevap") << 200 << QByteArray("<html>") << 200 << QStringLiteral("cevabı okunamadı");
    QTest::newRow("eksik sonuc") << 200 << QByteArray(R"({"result":[]})") << 200 << QStringLiteral("cevabı okunamadı");
    QTest::newRow("yanlis nesne tipi") << 200 << QByteArray(R"({"result":[{"type":"baglantiu.TTusSonuclari","fields":{}}]})")
                                       << 200 << QStringLiteral("TSonucBilgisi");
    QTest::newRow("yanlis alan tipi") << 200 << QByteArray(R"({"result":[{"type":"baglantiu.TSonucBilgisi","fields":{"FCARINO":"x"}}]})")
                                      << 200 << QStringLiteral("cevabı okunamadı");
    QTest::newRow("cevap yok") << 0 << QByteArray() << 0 << QStringLiteral("iletişim kesildi");
}

void TstProxim::hatalar()
{
    QFETCH(int, durum);
    QFETCH(QByteArray, govde);
    QFETCH(int, beklenenDurum);
    QFETCH(QString, mesaj);
    Ortam o;
    TServerMethods1Client p(&o.bag);
    if (durum)
        o.cevap(govde, durum);
    try {
        p.BuyukGetir(QStringLiteral("X"));
        QFAIL("no exception");
    } catch (const EUzakHata &e) {
        QCOMPARE(e.durum(), beklenenDurum);
        QVERIFY2(e.mesaj().contains(mesaj), qPrintable(e.mesaj()));
        QCOMPARE(QString::fromStdString(e.what()), e.mesaj());
    }
    // The proxy stays usable after a failure.
    o.cevap(sonucBilgisiJson(QStringLiteral("ok")));
    QCOMPARE(p.BuyukGetir(QStringLiteral("X"))->ADI(), QStringLiteral("ok"));
}

void TstProxim::gondermedenReddedilenler()
{
    Ortam o;
    TServerMethods1Client p(&o.bag);
    // A value JSON cannot carry is refused before anything is sent.
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.RaporAlinanSiparisler(nullptr, qQNaN(), 1));
    QVERIFY(o.d->istekler.isEmpty());
    // So is a call on a closed connection.
    o.bag.Close();
    QVERIFY(!o.bag.Connected());
    QVERIFY_THROWS_EXCEPTION(EUzakHata, p.KayanYaziGetir());
    QVERIFY(o.d->istekler.isEmpty());
}

void TstProxim::kopyaBaglanti()
{
    Ortam o;
    o.bag.Params[QStringLiteral("HostName")] = QStringLiteral("b2b.example");
    o.bag.Params[QStringLiteral("Port")] = QStringLiteral("9191");
    auto k = o.bag.CloneConnection();
    QVERIFY(!k->Connected());
    QCOMPARE(k->Params, o.bag.Params);
    QCOMPARE(k->ConnectionName, QStringLiteral("DataSnapCONNECTION"));
    QCOMPARE(k->Params.value(QStringLiteral("DriverName")), QStringLiteral("DataSnap"));
    QCOMPARE(k->Params.value(QStringLiteral("Filters")), QStringLiteral("{}"));
    QVERIFY(!k->LoginPrompt);
    // The copy carries the same kind of transport and works on its own.
    k->Open();
    TServerMethods1Client p(k.get());
    o.cevap(R"({"result":[7]})");
    QCOMPARE(p.AcilisReklamAdet(), 7);
    QVERIFY(o.bag.Connected());

    // Bad settings fail at Open.
    k->Params[QStringLiteral("Port")] = QStringLiteral("abc");
    QVERIFY_THROWS_EXCEPTION(EUzakHata, k->Open());
    QVERIFY(!k->Connected());
    k->Params[QStringLiteral("Port")] = QStringLiteral("9090");
    k->Params[QStringLiteral("HostName")] = QString();
    QVERIFY_THROWS_EXCEPTION(EUzakHata, k->Open());
}

void TstProxim::sunucuAdresi_data()
{
    QTest::addColumn<QString>("ortam");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("yok") << QString() << "localhost" << 9090;
    QTest::newRow("bosluk") << "  " << "localhost" << 9090;
    QTest::newRow("host") << "b2b.korvel.test" << "b2b.korvel.test" << 9090;
    QTest::newRow("host:port") << "10.1.2.3:9191" << "10.1.2.3" << 9191;
    QTest::newRow("bozuk port") << "sunucu:abc" << "sunucu" << 9090;
    QTest::newRow("sinir disi port") << "sunucu:70000" << "sunucu" << 9090;
    QTest::newRow("yalniz port") << ":9191" << "localhost" << 9191;
    QTest::newRow("ipv6") << "::1" << "::1" << 9090;
    QTest::newRow("ipv6 port") << "[::1]:9191" << "::1" << 9191;
}

void TstProxim::sunucuAdresi()
{
    QFETCH(QString, ortam);
    QFETCH(QString, host);
    QFETCH(int, port);
    const SunucuAdresi a = sunucuAdresiCoz(ortam, {QStringLiteral("localhost"), 9090});
    QCOMPARE(a.host, host);
    QCOMPARE(a.port, port);
}

QTEST_GUILESS_MAIN(TstProxim)
#include "tst_proxim.moc"
