// Demo data: the same size gives the same store; the data hold what the
// screens need (every order state, partial deliveries, invoices whose ledger
// amounts add up); the workstation admin commands against a real server.
#include "proxim.h"
#include "store/demo.h"
#include "store/depo.h"
#include "sunucusureci.h"

#include "admin.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

constexpr int kStok = 400;

// Every row of a table in rowid order, all columns, as one hash.
QByteArray ozet(const QSqlDatabase &db, const QString &tablo)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(tablo)))
        return {};
    QCryptographicHash h(QCryptographicHash::Md5);
    while (q.next()) {
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            h.addData(v.isNull() ? QByteArray("\x01NULL") : v.toString().toUtf8());
            h.addData(QByteArray("\x1f"));
        }
        h.addData(QByteArray("\x1e"));
    }
    return h.result().toHex();
}

QVariant tek(const QSqlDatabase &db, const QString &sql, const QVariantList &degerler = {})
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant &v : degerler)
        q.addBindValue(v);
    if (!q.exec() || !q.next())
        return {};
    return q.value(0);
}

// Two decimals, halves away from zero, written here on its own so that the
// check does not lean on the server's pricing code.
double r2(double x) { return std::round(x * 100.0 + std::copysign(1e-6, x)) / 100.0; }

}  // namespace

class TstDemo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ayniBoyAyniVeri();
    void siparisDurumlariVeTeslimler();
    void faturaVeTahsilatDefteri();
    void demoKullanicilari();
    void yalnizcaBosDepoya();
    void ekstreVeFaturaToplami();
    void istasyonKomutlari();

private:
    std::unique_ptr<TBaglanti> baglanti();
    std::unique_ptr<ks::Depo> yeniDepo(const QString &ad);
    QTemporaryDir klasor_;
    std::unique_ptr<ks::Depo> depo_;
    kt::SunucuSureci srv_{300};
};

std::unique_ptr<TBaglanti> TstDemo::baglanti()
{
    auto b = std::make_unique<TBaglanti>();
    b->Params[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    b->Params[QStringLiteral("Port")] = QString::number(srv_.port());
    b->Open();
    return b;
}

std::unique_ptr<ks::Depo> TstDemo::yeniDepo(const QString &ad)
{
    return std::make_unique<ks::Depo>(klasor_.filePath(ad));
}

void TstDemo::initTestCase()
{
    QVERIFY(klasor_.isValid());
    depo_ = yeniDepo(QStringLiteral("a.db"));
    ks::demoGerekirseOlustur(*depo_, kStok);
    QCOMPARE(tek(depo_->db(), QStringLiteral("SELECT count(*) FROM stok")).toInt(), kStok);
    QVERIFY2(srv_.baslat(), qPrintable(srv_.hata()));
}

void TstDemo::ayniBoyAyniVeri()
{
    auto b = yeniDepo(QStringLiteral("b.db"));
    ks::demoGerekirseOlustur(*b, kStok);
    for (const char *t : {"stok", "cari", "cari_grup_indirim", "temsilci", "kullanici", "istasyon", "teslim_cinsi",
                          "kargo_cinsi", "kargo_firma", "sepet", "siparis", "siparis_satir", "fatura", "fatura_satir",
                          "tahsilat", "sanalpos", "cari_hareket", "ayar"}) {
        const QString tablo = QLatin1String(t);
        const QByteArray a = ozet(depo_->db(), tablo);
        QVERIFY2(!a.isEmpty(), t);
        QVERIFY2(tek(depo_->db(), QStringLiteral("SELECT count(*) FROM %1").arg(tablo)).toInt() > 0, t);
        QCOMPARE(ozet(b->db(), tablo), a);
    }
    // Another size is another store, though its first items are the same.
    auto c = yeniDepo(QStringLiteral("c.db"));
    ks::demoGerekirseOlustur(*c, kStok + 1);
    QVERIFY(ozet(c->db(), QStringLiteral("stok")) != ozet(depo_->db(), QStringLiteral("stok")));
    QCOMPARE(tek(c->db(), QStringLiteral("SELECT barkod || adi || oem1 || listefiyat1 FROM stok WHERE id = 17")),
             tek(depo_->db(), QStringLiteral("SELECT barkod || adi || oem1 || listefiyat1 FROM stok WHERE id = 17")));
}

void TstDemo::siparisDurumlariVeTeslimler()
{
    const QSqlDatabase db = depo_->db();
    // Every state, also for the accounts of the dealer users.
    QCOMPARE(tek(db, QStringLiteral("SELECT group_concat(durum) FROM (SELECT DISTINCT durum FROM siparis ORDER BY durum)"))
                 .toString(),
             QStringLiteral("1,2,3,4,5,6,7"));
    for (const char *k : {"BAYI3", "BAYI4"})
        QVERIFY2(tek(db, QStringLiteral("SELECT count(DISTINCT s.durum) FROM siparis s "
                                        "JOIN kullanici k ON k.cari_id = s.cari_id WHERE k.adi = ?"),
                     {QString::fromLatin1(k)})
                         .toInt() == 7,
                 k);
    const QString ay = ks::demo::referansTarihi().toString(QStringLiteral("yyyy-MM"));
    QVERIFY(tek(db, QStringLiteral("SELECT count(*) FROM siparis WHERE substr(tarih, 1, 7) = ?"), {ay}).toInt() > 0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM siparis WHERE tarih > ?"),
                 {ks::demo::referansTarihi().toString(Qt::ISODate) + QStringLiteral("T23:59:59")})
                 .toInt(),
             0);

    // Partial deliveries that stay open, cancelled lines, and states that
    // fit the deliveries: nothing delivered before preparing, nothing open
    // in a closed order, a partly prepared order delivered in part.
    QVERIFY(tek(db, QStringLiteral("SELECT count(*) FROM siparis_satir WHERE teslim > 0 AND teslim < miktar AND iptal = 0"))
                .toInt() > 0);
    QVERIFY(tek(db, QStringLiteral("SELECT count(*) FROM siparis_satir WHERE iptal = 1")).toInt() > 0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM siparis_satir l JOIN siparis s ON s.id = l.siparis_id "
                                    "WHERE s.durum <= 3 AND l.teslim > 0"))
                 .toInt(),
             0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM siparis_satir l JOIN siparis s ON s.id = l.siparis_id "
                                    "WHERE s.durum = 7 AND l.iptal = 0 AND l.teslim < l.miktar"))
                 .toInt(),
             0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM siparis s WHERE s.durum = 4 AND NOT EXISTS "
                                    "(SELECT 1 FROM siparis_satir l WHERE l.siparis_id = s.id AND l.teslim > 0 "
                                    "AND l.teslim < l.miktar)"))
                 .toInt(),
             0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM siparis_satir WHERE teslim > miktar")).toInt(), 0);
    // Stock quantities agree with the availability code and with the open
    // order lines.
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM stok s WHERE s.alinansiparis < (SELECT COALESCE(SUM(l.miktar - l.teslim), 0) "
                                    "FROM siparis_satir l WHERE l.stok_id = s.id AND l.iptal = 0)"))
                 .toInt(),
             0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM stok WHERE durum1 = 0 AND kalan <> 0")).toInt(), 0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(DISTINCT durum1) FROM stok")).toInt(), 7);
    QVERIFY(tek(db, QStringLiteral("SELECT count(*) FROM stok WHERE kampanya = 1 AND kampfiyat > 0 AND kampfiyat < listefiyat1"))
                .toInt() > 0);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM stok WHERE kampanya = 1 AND NOT (kampfiyat > 0 AND kampfiyat < listefiyat1)"))
                 .toInt(),
             0);
}

void TstDemo::faturaVeTahsilatDefteri()
{
    const QSqlDatabase db = depo_->db();
    // Each invoice once in the statement, with the amount of its lines.
    QSqlQuery f(db);
    QVERIFY(f.exec(QStringLiteral("SELECT id, tur FROM fatura ORDER BY id")));
    int faturalar = 0, iadeler = 0;
    while (f.next()) {
        ++faturalar;
        const qint64 id = f.value(0).toLongLong();
        const bool iade = f.value(1).toString() == QStringLiteral("İade Faturası");
        iadeler += iade;
        QSqlQuery l(db);
        l.prepare(QStringLiteral("SELECT miktar, birimfiyat, ind1, ind2, ind3, ind4, kdv, siparis_satir_id FROM fatura_satir "
                                 "WHERE fatura_id = ?"));
        l.addBindValue(id);
        QVERIFY(l.exec());
        double toplam = 0;
        int satirlar = 0;
        while (l.next()) {
            ++satirlar;
            double g = l.value(0).toDouble() * l.value(1).toDouble();
            for (int i = 2; i < 6; ++i)
                if (l.value(i).toDouble() > 0)
                    g -= g * l.value(i).toDouble() / 100;
            const double net = r2(g);
            toplam += net + r2(net * l.value(6).toDouble() / 100);
            // A sales invoice bills what the order line delivered.
            if (!iade)
                QCOMPARE(tek(db, QStringLiteral("SELECT teslim FROM siparis_satir WHERE id = ?"), {l.value(7)}).toDouble(),
                         l.value(0).toDouble());
        }
        QVERIFY(satirlar > 0);
        QSqlQuery h(db);
        h.prepare(QStringLiteral("SELECT turadi, borc, alacak FROM cari_hareket WHERE fatura_id = ?"));
        h.addBindValue(id);
        QVERIFY(h.exec() && h.next());
        QVERIFY(h.value(0).toString().contains(QStringLiteral("Fatura")));
        // Exact decimals and the server's binary arithmetic may part by a
        // cent on a half; the statement test below holds it to the cent.
        QVERIFY(std::abs(h.value(iade ? 2 : 1).toDouble() - r2(toplam)) <= 0.011 * satirlar);
        QCOMPARE(h.value(iade ? 1 : 2).toDouble(), 0.0);
        QVERIFY2(!h.next(), "one statement row per invoice");
    }
    QVERIFY(faturalar > 100);
    QVERIFY(iadeler > 0);

    // Each collection and payment once, card payments with their receipt.
    QSqlQuery t(db);
    QVERIFY(t.exec(QStringLiteral(
        "SELECT t.tur, t.tutar, h.turadi, h.borc, h.alacak, t.odeme_sekli, p.tutar, p.kart_no, "
        "(SELECT count(*) FROM cari_hareket x WHERE x.tahsilat_id = t.id) "
        "FROM tahsilat t JOIN cari_hareket h ON h.tahsilat_id = t.id LEFT JOIN sanalpos p ON p.tahsilat_id = t.id")));
    QSet<QString> turler, sekiller;
    while (t.next()) {
        const QString tur = t.value(0).toString();
        turler << tur;
        sekiller << t.value(5).toString();
        QCOMPARE(t.value(2).toString(), tur);
        QCOMPARE(t.value(tur == QStringLiteral("Tahsilat") ? 4 : 3).toDouble(), t.value(1).toDouble());
        QCOMPARE(t.value(8).toInt(), 1);
        const bool kart = t.value(5).toString() == QStringLiteral("Kredi Kartı");
        QCOMPARE(!t.value(6).isNull(), kart);
        if (kart) {
            QCOMPARE(t.value(6).toDouble(), t.value(1).toDouble());
            QVERIFY(QRegularExpression(QStringLiteral("^\\d{4} \\d{2}\\*\\* \\*{4} \\d{4}$")).match(t.value(7).toString()).hasMatch());
        }
    }
    QCOMPARE(turler, (QSet<QString>{QStringLiteral("Tahsilat"), QStringLiteral("Tediye")}));
    QCOMPARE(sekiller.size(), 4);
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM tahsilat")),
             tek(db, QStringLiteral("SELECT count(*) FROM cari_hareket WHERE tahsilat_id IS NOT NULL")));

    // One opening balance per dealer; some invoices overdue on the reference day.
    QCOMPARE(tek(db, QStringLiteral("SELECT count(*) FROM cari_hareket WHERE turadi = 'Devir'")),
             tek(db, QStringLiteral("SELECT count(*) FROM cari")));
    QVERIFY(tek(db, QStringLiteral("SELECT count(*) FROM fatura WHERE tur = 'Satış Faturası' AND vade < ?"),
                {ks::demo::referansTarihi().toString(Qt::ISODate)})
                .toInt() > 0);
}

void TstDemo::demoKullanicilari()
{
    const QSqlDatabase db = depo_->db();
    for (const ks::demo::DemoKullanici &k : ks::demo::kullanicilar()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT k.sifre, k.tip, k.aktif, k.cari_id, k.temsilci_id, i.bilgisayar_id FROM kullanici k "
                                 "LEFT JOIN istasyon i ON i.kullanici_id = k.id WHERE k.adi = ?"));
        q.addBindValue(QString::fromUtf8(k.ad));
        QVERIFY(q.exec());
        QVERIFY2(q.next(), k.ad);
        QCOMPARE(q.value(0).toString(), QString::fromUtf8(k.sifre));
        QCOMPARE(q.value(1).toInt(), k.tip);
        QCOMPARE(q.value(2).toInt(), k.aktif ? 1 : 0);
        QVERIFY2(!q.value(3).isNull(), k.ad);                    // every user starts with a dealer
        QCOMPARE(!q.value(4).isNull(), k.tip <= 2);             // representatives have theirs
        QCOMPARE(q.value(5).toString(), QString::fromUtf8(k.istasyon));
    }
    for (int tip = 1; tip <= 4; ++tip)
        QVERIFY(tek(db, QStringLiteral("SELECT count(*) FROM kullanici WHERE tip = ? AND aktif = 1"), {tip}).toInt() > 0);
    QVERIFY(tek(db, QStringLiteral("SELECT count(*) FROM kullanici WHERE aktif = 0")).toInt() > 0);
}

void TstDemo::yalnizcaBosDepoya()
{
    // A second start leaves the demo as it is.
    const QByteArray once = ozet(depo_->db(), QStringLiteral("siparis"));
    ks::demoGerekirseOlustur(*depo_, kStok);
    QCOMPARE(tek(depo_->db(), QStringLiteral("SELECT count(*) FROM stok")).toInt(), kStok);
    QCOMPARE(ozet(depo_->db(), QStringLiteral("siparis")), once);

    // A store with accounts of its own but no stock yet gets nothing.
    auto d = yeniDepo(QStringLiteral("hesapli.db"));
    ks::calistir(d->db(), QStringLiteral("INSERT INTO kullanici(adi, sifre, tip) VALUES('mudur', 'x', 1)"));
    ks::demoGerekirseOlustur(*d, kStok);
    QCOMPARE(tek(d->db(), QStringLiteral("SELECT count(*) FROM stok")).toInt(), 0);
    QCOMPARE(tek(d->db(), QStringLiteral("SELECT count(*) FROM kullanici")).toInt(), 1);

    auto bos = yeniDepo(QStringLiteral("sifir.db"));
    ks::demoGerekirseOlustur(*bos, 0);
    QCOMPARE(tek(bos->db(), QStringLiteral("SELECT count(*) FROM kullanici")).toInt(), 0);
}

// What the user sees: each invoice's amount in the statement is the grand
// total of the invoice form, to the cent.
void TstDemo::ekstreVeFaturaToplami()
{
    auto bag = baglanti();
    int faturalar = 0;
    for (int carino : {1, 2, 5}) {
        TServerMethods1Client p(bag.get());
        const kw::Tablo ekstre = *p.CariEkstreVer(carino);
        QVERIFY(ekstre.satirSayisi() > 0);
        QCOMPARE(ekstre.hucre(0, QStringLiteral("TURADI")).toString(), QStringLiteral("Devir"));
        for (int i = 0; i < ekstre.satirSayisi(); ++i) {
            if (!ekstre.hucre(i, QStringLiteral("TURADI")).toString().contains(QStringLiteral("Fatura")))
                continue;
            ++faturalar;
            const double tutar = ekstre.hucre(i, QStringLiteral("BORC")).toDouble() + ekstre.hucre(i, QStringLiteral("ALACAK")).toDouble();
            TServerMethods1Client q(bag.get());
            const kw::Tablo *alt = q.FaturaAltGetir(ekstre.hucre(i, QStringLiteral("IDNO")).toInt());
            QVERIFY(alt && alt->satirSayisi() == 1);
            QCOMPARE(alt->hucre(0, QStringLiteral("KDVDAHIL")).toDouble(), tutar);
        }
    }
    QVERIFY(faturalar > 20);
}

void TstDemo::istasyonKomutlari()
{
    kt::SunucuSureci &srv = srv_;
    auto giris = [&](const QString &id) -> QString {
        auto bag = baglanti();
        TServerMethods1Client p(bag.get());
        const TSonucBilgisi *b = p.BuyukGetir(id);
        return b && b->Varmi() ? b->ADI() : QString();
    };
    auto istasyonlar = [&]() {
        QByteArray c;
        [&] { QCOMPARE(srv.yonetim({QStringLiteral("workstations")}, &c), 0); }();
        return QString::fromUtf8(c).split(u'\n', Qt::SkipEmptyParts).filter(QStringLiteral("TEST-PC-1"));
    };

    QCOMPARE(giris(QStringLiteral("TEST-PC-1")), QString());
    QByteArray cikti;
    // Names are found whatever their case, as they are typed at the login.
    QCOMPARE(srv.yonetim({QStringLiteral("register"), QStringLiteral("bayi3"), QStringLiteral("TEST-PC-1"),
                          QStringLiteral("ofis"), QStringLiteral("bilgisayarı")}),
             0);
    QCOMPARE(giris(QStringLiteral("TEST-PC-1")), QStringLiteral("BAYI3"));
    QStringList l = istasyonlar();
    QCOMPARE(l.size(), 1);
    QVERIFY2(l[0].startsWith(QStringLiteral("TEST-PC-1\tBAYI3\t3\t120.01.001\t")), qPrintable(l[0]));
    QVERIFY(l[0].endsWith(QStringLiteral("\tofis bilgisayarı")));

    // An unknown user is refused and changes nothing; a known one takes the
    // computer over.
    QCOMPARE(srv.yonetim({QStringLiteral("register"), QStringLiteral("kimse"), QStringLiteral("TEST-PC-1")}, &cikti), 1);
    QVERIFY(cikti.contains("unknown user: kimse"));
    QCOMPARE(giris(QStringLiteral("TEST-PC-1")), QStringLiteral("BAYI3"));
    QCOMPARE(srv.yonetim({QStringLiteral("register"), QStringLiteral("TEMSILCI1"), QStringLiteral("TEST-PC-1")}), 0);
    l = istasyonlar();
    QCOMPARE(l.size(), 1);
    QVERIFY2(l[0].startsWith(QStringLiteral("TEST-PC-1\tTEMSILCI1\t1\t")), qPrintable(l[0]));
    QCOMPARE(giris(QStringLiteral("TEST-PC-1")), QStringLiteral("TEMSILCI1"));
    QCOMPARE(srv.yonetim({QStringLiteral("register"), QStringLiteral("BAYI3"), QStringLiteral(" ")}), 1);

    QCOMPARE(srv.yonetim({QStringLiteral("unregister"), QStringLiteral("TEST-PC-1")}), 0);
    QVERIFY(istasyonlar().isEmpty());
    QCOMPARE(giris(QStringLiteral("TEST-PC-1")), QString());
    QCOMPARE(srv.yonetim({QStringLiteral("unregister"), QStringLiteral("TEST-PC-1")}), 1);

    QCOMPARE(srv.yonetim({QStringLiteral("users")}, &cikti), 0);
    const QStringList kullanicilar = QString::fromUtf8(cikti).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!kullanicilar.filter(QRegularExpression(QStringLiteral("^PASIF\\t3\\tinactive\\t120\\.01\\.003\\t"))).isEmpty());
    QCOMPARE(kullanicilar.filter(QRegularExpression(QStringLiteral("^\\S+\\t[1-4]\\t(active|inactive)\\t"))).size(),
             int(ks::demo::kullanicilar().size()));
}

QTEST_MAIN(TstDemo)
#include "tst_demo.moc"
