// A small store of known accounts for the account, representative and notice
// tests: every amount below is worked out by hand in the comments, so the
// tests compare with figures that do not come from the server's own code.
#pragma once

#include "proxim.h"
#include "sunucusureci.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUuid>
#include <QtTest>
#include <memory>

namespace hv {

// Users (kullanici.id = the session's Sirano).
enum Kullanici { kAhmet = 1 /* type 1, representative 1 */, kMudur = 2 /* type 2 */, kOzgur = 3 /* type 3, dealer 1 */,
                 kIsik = 4 /* type 4, dealer 3 */ };
// Dealers: 1 and 2 belong to representative 1, 3 and 4 to representative 2;
// 4 is closed.
enum Cari { kOzgurOto = 1, kSahin = 2, kIsikMotor = 3, kKapali = 4 };

// Statement of dealer 1, in date order:
//   2024-01-01 Devir          borç 1000.00             (due 2024-01-01)
//   2024-01-10 Satış Faturası borç  237.59 (invoice 1) (due 2024-03-10)
//   2024-02-01 Tahsilat       alacak 500.00 by card    (receipt 1)
//   2024-02-15 Tediye         borç   50.00 in cash
// Balance 787.59, all of it overdue (three debits) after the credit pays
// 500 of the opening balance.
//
// Invoice 1: 10 × 12.50 at 10 %      → 125.00 gross, 112.50 net, VAT 22.50
//             3 × 33.33 at 10 % + 5 % →  99.99 gross,  85.49 net, VAT 17.10
//   totals 224.99 gross, 27.00 discount, 197.99 net, 39.60 VAT, 237.59 with VAT.
inline constexpr int kFatura = 1;
inline constexpr double kBakiye1 = 787.59;

// Orders (state: 1 Alındı, 2 Görüldü, 3 Onaylandı, 4 Parçalı Hazırlandı,
// 5 Hazırlandı, 6 Sevk Edildi):
//   10 dealer 1 state 1, 2024-05-10: line 101 stock 1 10 (4 delivered) @12.50 10 %,
//      line 102 stock 2 5 @20.00, line 103 stock 3 2 (2 delivered) @7.00
//   11 dealer 2 state 3, 2024-05-12: line 111 stock 1 1 @12.50
//   12 dealer 3 state 6, 2024-05-20: line 121 stock 2 4 @20.00
//   13 dealer 1 state 2, 2024-06-02: line 131 stock 3 1 @7.00
//   14 dealer 2 state 4, 2024-05-15: line 141 stock 2 2 (1 delivered) @20.00
//   15 dealer 3 state 5, 2024-05-18: line 151 stock 1 3 @12.50
// Baskets: dealer 2 two lines, dealer 3 one line.

inline void calistir(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        QFAIL(qPrintable(q.lastError().text() + QStringLiteral("\n") + sql));
}

inline void yaz(const QString &dbYolu)
{
    const QString ad = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setDatabaseName(dbYolu);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        QVERIFY(db.open());
        const char *const komutlar[] = {
            "BEGIN",
            "INSERT INTO temsilci(id, adi, mail, telefon) VALUES (1, 'Ahmet Yılmaz', 'ahmet@korvel.com.tr', '0212 555 01 01'),"
            " (2, 'Büşra Çelik', 'busra@korvel.com.tr', '0212 555 01 02')",
            "INSERT INTO cari(id, kod, adi, adres1, adres2, ilce, sehir, tel1, fax1, email, mail, vergidairesi, vergino,"
            " yetkili, temsilci_id, ind1, vade_gun, aktif) VALUES"
            " (1, 'KRV001', 'ÖZGÜR OTO YEDEK PARÇA', 'Sanayi Sitesi 4. Blok No:12', 'Kat 2', 'İkitelli', 'İstanbul',"
            "  '0212 444 12 12', '0212 444 12 13', 'info@ozguroto.com', 'siparis@ozguroto.com', 'İkitelli', '1234567890',"
            "  'Özgür Şen', 1, 10, 60, 1),"
            " (2, 'KRV002', 'Şahin Otomotiv', 'Çarşı Cd. 5', '', 'Merkez', 'Kırıkkale', '0318 222 22 22', '', '', '', '', '',"
            "  'Ali Şahin', 1, 5, 30, 1),"
            " (3, 'KRV003', 'IŞIK MOTOR', 'Oto Sanayi 9', '', 'Osmangazi', 'Bursa', '0224 333 33 33', '', '', '', '', '',"
            "  'Işıl Işık', 2, 0, 45, 1),"
            " (4, 'KRV004', 'KAPALI TİCARET', '', '', '', '', '', '', '', '', '', '', '', 1, 0, 30, 0)",
            "INSERT INTO kullanici(id, adi, sifre, aktif, tip, cari_id, temsilci_id) VALUES"
            " (1, 'ahmet', 'a1', 1, 1, 1, 1), (2, 'mudur', 'm1', 1, 2, 1, 2), (3, 'ozgur', 'o1', 1, 3, 1, NULL),"
            " (4, 'isik', 'i1', 1, 4, 3, NULL)",
            "INSERT INTO istasyon(bilgisayar_id, kullanici_id, kayit_tarihi) VALUES ('IST-OZGUR', 3, '2024-01-01'),"
            " ('IST-AHMET', 1, '2024-01-01')",
            "INSERT INTO stok(id, barkod, adi, oemno, finishkod, marka, model, anagrup, kdv, listefiyat1, kalan, durum1,"
            " yeni, kampanya, kampfiyat) VALUES"
            " (1, 'BRK-001', 'FREN BALATASI ÖN', 'OEM-1', 'F1', 'TRW', 'Egea', 'FREN', 20, 12.5, 40, 1, 1, 0, 0),"
            " (2, 'FLT-002', 'YAĞ FİLTRESİ', 'OEM-2', 'F2', 'Mann', 'Clio', 'FİLTRE', 20, 20, 0, 6, 0, 1, 17.5),"
            " (3, 'SLC-003', 'SİLECEK SÜPÜRGESİ', 'OEM-3', 'F3', 'Bosch', 'Focus', 'AKSESUAR', 20, 7, 5, 3, 1, 1, 6)",
            "INSERT INTO fatura(id, cari_id, tarih, vade, tur, seri, sira, aciklama, satici_id) VALUES"
            " (1, 1, '2024-01-10', '2024-03-10', 'Satış Faturası', 'KRV', 1, 'Sipariş No: 10', 1),"
            " (2, 2, '2024-01-12', '2099-12-31', 'Satış Faturası', 'KRV', 2, '', 1)",
            "INSERT INTO fatura_satir(fatura_id, stok_id, miktar, birimfiyat, ind1, ind2, kdv) VALUES"
            " (1, 1, 10, 12.5, 10, 0, 20), (1, 2, 3, 33.33, 10, 5, 20), (2, 3, 10, 10, 0, 0, 20)",
            "INSERT INTO tahsilat(id, cari_id, tarih, vade, tur, odeme_sekli, tutar, aciklama, evrakno) VALUES"
            " (1, 1, '2024-02-01T10:15:00', '2024-02-01', 'Tahsilat', 'Kredi Kartı', 500, 'Sanal POS ödemesi', 'TH2024000001'),"
            " (2, 1, '2024-02-15', '2024-02-15', 'Tediye', 'Nakit', 50, 'Fazla ödeme iadesi', 'TD2024000001')",
            "INSERT INTO sanalpos(id, tahsilat_id, odeyen, kart_no, kart_sahibi, banka, taksit, onay_kodu, tutar, tarih)"
            " VALUES (1, 1, 'ÖZGÜR OTO YEDEK PARÇA', '4543601234561234', 'ÖZGÜR ŞEN', 'Garanti', 1, 'A1B2C3', 500,"
            " '2024-02-01T10:15:00')",
            "INSERT INTO cari_hareket(id, cari_id, tarih, vade, turadi, evrakno, aciklama, borc, alacak, fatura_id,"
            " tahsilat_id) VALUES"
            " (1, 1, '2024-01-01', '2024-01-01', 'Devir', '', 'Önceki dönemden devir', 1000, 0, NULL, NULL),"
            " (2, 1, '2024-01-10', '2024-03-10', 'Satış Faturası', 'KRV2024000000001', 'Sipariş No: 10', 237.59, 0, 1, NULL),"
            " (3, 1, '2024-02-15', '2024-02-15', 'Tediye', 'TD2024000001', 'Fazla ödeme iadesi', 50, 0, NULL, 2),"
            " (4, 1, '2024-02-01', '2024-02-01', 'Tahsilat', 'TH2024000001', 'Sanal POS ödemesi', 0, 500, NULL, 1),"
            " (5, 2, '2024-01-12', '2099-12-31', 'Satış Faturası', 'KRV2024000000002', '', 120, 0, 2, NULL)",
            "INSERT INTO teslim_cinsi(id, adi) VALUES (1, 'Kargo ile'), (2, 'Elden')",
            "INSERT INTO kargo_cinsi(id, adi) VALUES (1, 'Alıcı Ödemeli')",
            "INSERT INTO kargo_firma(id, kargo_cinsi_id, adi) VALUES (1, 1, 'Yurtiçi Kargo')",
            "INSERT INTO siparis(id, cari_id, veren_id, tarih, teslim_id, kargo_cinsi_id, kargo_firma_id, aciklama,"
            " bizim_mesaj, satici_notu, durum) VALUES"
            " (10, 1, 3, '2024-05-10T09:30:00', 1, 1, 1, 'Acil lütfen, ğüşıöçİ', 'Hazırlanıyor', 'Müşteri aranacak', 1),"
            " (11, 2, 1, '2024-05-12T11:00:00', 2, NULL, NULL, '', '', '', 3),"
            " (12, 3, 4, '2024-05-20T12:00:00', 1, 1, 1, '', '', '', 6),"
            " (13, 1, 3, '2024-06-02T08:00:00', 1, 1, 1, '', '', '', 2),"
            " (14, 2, 1, '2024-05-15T10:00:00', 1, 1, 1, '', '', '', 4),"
            " (15, 3, 4, '2024-05-18T10:00:00', 1, 1, 1, '', '', '', 5)",
            "INSERT INTO siparis_satir(id, siparis_id, stok_id, miktar, teslim, birimfiyat, ilkfiyat, ind1, kdv,"
            " sepet_sirano, veren_id, verilis) VALUES"
            " (101, 10, 1, 10, 4, 12.5, 12.5, 10, 20, 501, 3, '2024-05-10T09:30:00'),"
            " (102, 10, 2, 5, 0, 20, 20, 0, 20, 502, 3, '2024-05-10T09:30:00'),"
            " (103, 10, 3, 2, 2, 7, 7, 0, 20, 503, 3, '2024-05-10T09:30:00'),"
            " (111, 11, 1, 1, 0, 12.5, 12.5, 0, 20, 511, 1, '2024-05-12T11:00:00'),"
            " (121, 12, 2, 4, 0, 20, 20, 0, 20, 521, 4, '2024-05-20T12:00:00'),"
            " (131, 13, 3, 1, 0, 7, 7, 0, 20, 531, 3, '2024-06-02T08:00:00'),"
            " (141, 14, 2, 2, 1, 20, 20, 0, 20, 541, 1, '2024-05-15T10:00:00'),"
            " (151, 15, 1, 3, 0, 12.5, 12.5, 0, 20, 551, 4, '2024-05-18T10:00:00')",
            "INSERT INTO sepet(cari_id, stok_id, miktar, birimfiyat, verilis) VALUES"
            " (2, 1, 1, 12.5, '2024-06-01'), (2, 2, 2, 20, '2024-06-01'), (3, 3, 1, 7, '2024-06-01')",
            "COMMIT",
        };
        for (const char *k : komutlar)
            calistir(db, QString::fromUtf8(k));
    }
    QSqlDatabase::removeDatabase(ad);
}

// One query on the test store, read back as texts of its first row.
inline QVariantList satir(const QString &dbYolu, const QString &sql)
{
    const QString ad = QUuid::createUuid().toString();
    QVariantList r;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setDatabaseName(dbYolu);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                for (int i = 0; i < q.record().count(); ++i)
                    r << q.value(i);
        }
    }
    QSqlDatabase::removeDatabase(ad);
    return r;
}

// One statement on the test store.
inline void calistirDb(const QString &dbYolu, const QString &sql)
{
    const QString ad = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setDatabaseName(dbYolu);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        QVERIFY(db.open());
        calistir(db, sql);
    }
    QSqlDatabase::removeDatabase(ad);
}

inline std::unique_ptr<TBaglanti> baglanti(const kt::SunucuSureci &s)
{
    auto b = std::make_unique<TBaglanti>();
    b->Params[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    b->Params[QStringLiteral("Port")] = QString::number(s.port());
    b->Open();
    return b;
}

// A session record of a fixture user acting for a dealer.
inline std::unique_ptr<TSonucBilgisi> oturum(int kullanici, int tip, int cari)
{
    auto b = std::make_unique<TSonucBilgisi>();
    b->setSirano(kullanici);
    b->setMusteriTipi(tip);
    b->setCARINO(cari);
    return b;
}

// The text poppler finds in a PDF.
inline QString pdfMetni(const QByteArray &pdf)
{
    QTemporaryFile f(QDir::tempPath() + QStringLiteral("/korvelXXXXXX.pdf"));
    if (!f.open())
        return {};
    f.write(pdf);
    f.flush();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), f.fileName(), QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Values of one column, row by row.
inline QVariantList kolon(const kw::Tablo &t, const QString &ad)
{
    QVariantList r;
    const int k = t.kolonNo(ad);
    for (const auto &s : t.satirlar)
        r << (k >= 0 ? s[k] : QVariant());
    return r;
}

}  // namespace hv
