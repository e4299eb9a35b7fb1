// A small store for the catalogue, basket and order tests. Its figures are
// worked out by hand in the comments, so the tests compare with numbers that
// do not come from the server's own code.
#pragma once

#include "proxim.h"
#include "sunucusureci.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QtTest>
#include <memory>

namespace kv {

// Dealers: 1 ABC OTO (list 1, rates 10 + 5, FİLTRE group 20), 2 XYZ OTO (list 2,
// no rates, its only user is of type 4), 3 closed.
enum Cari { kAbc = 1, kXyz = 2, kKapali = 3 };
// Users (= Sirano) and their workstations.
enum Kullanici { kBayi3 = 1, kBayi4 = 2, kTemsilci = 3, kPasif = 4, kKapaliBayi = 5 };

// Stock items:
//   1 "Ön Fren Diski"   1K0 615 301 AA, OEM 1K0-615-301-AA, BREMBO 09.9145.11;
//                       list 100.00 / 110.00, VAT 20, 4 pictures, new.
//                       For ABC: 100 − 10 % = 90, − 5 % = 85.50 net, 102.60 with VAT.
//   2 "Fren Balatası Ön" GDB1550, OEM 1K0.698.151, TRW GDB1550; list 120 / 130,
//                       on campaign at 80.00, 2 pictures. For ABC: 80.00 net (a
//                       campaign price takes no further discount), 96.00 with
//                       VAT. For XYZ (no campaigns): 130.00.
//   3 "Yağ Filtresi"    W 712/95, MANN HU 7008 Z; list 50, group FİLTRE.
//                       For ABC the group rate 20 replaces 10 + 5: 40.00 net.
//   4 "Şanzıman Takozu Sağ" ŞT-100; list 333.33, VAT 18.
//                       For ABC: 333.33 → 299.997 → 284.99715 → 285.00 net;
//                       336.30 with VAT.
//   5 "Arka Fren Diski"  1K0615301AB (shares the prefix 1K0615301A with 1).
//  10 "Yay Seti XK2040 ile uyumlu" mentions the code of item 20 in its text.
//  20 "Balata Yayı"     XK 2040.
//  100..129 "Fren Balatası Arka" fillers, 30 of them, for the result cap.
// 130 "Hava Filtresi"   FREN-130: a code that starts like a word.
inline constexpr int kFiller = 30;

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
        QStringList k = {
            "BEGIN",
            "INSERT INTO ayar(anahtar, deger) VALUES('surum', '7')",
            "INSERT INTO temsilci(id, adi, mail, telefon) VALUES(1, 'Kemal Aksoy', 'kemal@korvel.com.tr', '0532 000 00 01')",
            "INSERT INTO cari(id, kod, adi, temsilci_id, ind1, ind2, fiyat_listesi, aktif) VALUES"
            " (1, 'C001', 'ABC OTO', 1, 10, 5, 1, 1), (2, 'C002', 'XYZ OTO', 1, 0, 0, 2, 1),"
            " (3, 'C003', 'KAPALI OTO', 1, 0, 0, 1, 0)",
            "INSERT INTO cari_grup_indirim(cari_id, anagrup, ind1) VALUES(1, 'FİLTRE', 20)",
            "INSERT INTO kullanici(id, adi, sifre, aktif, tip, mail, cari_id, temsilci_id) VALUES"
            " (1, 'BAYI3', '1234', 1, 3, 'bayi3@abc.com', 1, NULL), (2, 'BAYI4', '1234', 1, 4, '', 2, NULL),"
            " (3, 'TEMSILCI', '1234', 1, 1, 'kemal@korvel.com.tr', 1, 1), (4, 'PASIF', '1234', 0, 3, '', 1, NULL),"
            " (5, 'KAPALIBAYI', '1234', 1, 3, '', 3, NULL)",
            "INSERT INTO istasyon(bilgisayar_id, kullanici_id, kayit_tarihi) VALUES ('WS-BAYI3', 1, '2026-01-01'),"
            " ('WS-BAYI4', 2, '2026-01-01'), ('WS-TEMS', 3, '2026-01-01'), ('WS-PASIF', 4, '2026-01-01'),"
            " ('WS-KAPALI', 5, '2026-01-01')",
            "INSERT INTO stok(id, barkod, adi, oem1, oemno, ureticikodu, marka, model, anagrup, kdv, listefiyat1,"
            " listefiyat2, kampfiyat, kampanya, yeni, kalan, durum1, durum2, resim_sayisi, eklenme) VALUES"
            " (1, '1K0 615 301 AA', 'Ön Fren Diski', '1K0-615-301-AA', '1K0615301AA', 'BREMBO 09.9145.11', 'VW',"
            "  'PASSAT 1.6', 'FREN', 20, 100, 110, 0, 0, 1, 12, 1, 3, 4, '2026-12-01'),"
            " (2, 'GDB1550', 'Fren Balatası Ön', '1K0.698.151', '', 'TRW GDB1550', 'VW', 'GOLF', 'FREN', 20, 120, 130,"
            "  80, 1, 0, 5, 1, 0, 2, '2026-01-01'),"
            " (3, 'W 712/95', 'Yağ Filtresi', '', '', 'MANN HU 7008 Z', 'FIAT', 'DOBLO', 'FİLTRE', 20, 50, 55, 0, 0,"
            "  1, 40, 1, 1, 0, '2026-11-01'),"
            " (4, 'ŞT-100', 'Şanzıman Takozu Sağ', '', '', '', 'RENAULT', 'MEGANE', 'ŞANZIMAN', 18, 333.33, 340, 0,"
            "  0, 0, 0, 0, 0, 1, '2026-01-01'),"
            " (5, '1K0615301AB', 'Arka Fren Diski', '', '', '', 'VW', 'GOLF', 'FREN', 20, 90, 95, 0, 0, 0, 3, 4, 5,"
            "  0, '2026-01-01'),"
            " (10, 'YS-10', 'Yay Seti XK2040 ile uyumlu', '', '', '', 'FORD', 'FOCUS', 'SÜSPANSİYON', 20, 10, 10, 0,"
            "  0, 0, 0, 0, 0, 0, '2026-01-01'),"
            " (20, 'XK 2040', 'Balata Yayı', '', '', '', 'FORD', 'FOCUS', 'FREN', 20, 20, 20, 0, 0, 0, 0, 0, 0, 0,"
            "  '2026-01-01'),"
            " (130, 'FREN-130', 'Hava Filtresi', '', '', '', 'FIAT', 'LINEA', 'FİLTRE', 20, 30, 30, 0, 0, 0, 0, 0, 0,"
            "  0, '2026-01-01')",
        };
        for (int i = 0; i < kFiller; ++i)
            k << QStringLiteral("INSERT INTO stok(id, barkod, adi, marka, model, anagrup, listefiyat1, listefiyat2)"
                                " VALUES(%1, 'FB-%1', 'Fren Balatası Arka', 'OPEL', 'ASTRA', 'FREN', 75, 80)")
                     .arg(100 + i);
        k << "INSERT INTO teslim_cinsi(id, adi) VALUES(1, 'Kargo ile'), (2, 'Depodan Teslim')"
          << "INSERT INTO kargo_cinsi(id, adi) VALUES(1, 'Anlaşmalı'), (2, 'Alıcı Ödemeli')"
          << "INSERT INTO kargo_firma(id, kargo_cinsi_id, adi, uyari) VALUES(1, 1, 'Yurtiçi', 'Saat 17:00''a kadar'),"
             " (2, 1, 'Aras', ''), (3, 2, 'MNG', 'Ödemeli gönderilir')"
          // Invoice of ABC: 3 × 100.00 at 10 % + 5 %, VAT 20, expense 2.50:
          // gross 300.00, discount 43.50, net 256.50 (85.50 each), VAT 51.30,
          // 307.80 with VAT (102.60 each). XYZ's invoice of the same item
          // must not show for ABC.
          << "INSERT INTO fatura(id, cari_id, tarih, vade, tur, seri, sira) VALUES"
             " (1, 1, '2026-11-01', '2026-12-31', 'Satış Faturası', 'A', 123),"
             " (2, 2, '2026-11-02', '2026-12-31', 'Satış Faturası', 'A', 124)"
          << "INSERT INTO fatura_satir(fatura_id, stok_id, miktar, birimfiyat, ind1, ind2, kdv, masraf1) VALUES"
             " (1, 1, 3, 100, 10, 5, 20, 2.5), (2, 1, 7, 110, 0, 0, 20, 0)"
          << "COMMIT";
        for (const QString &s : k)
            calistir(db, s);
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

// The session record the server gives a workstation.
inline std::unique_ptr<TSonucBilgisi> oturum(const kt::SunucuSureci &s, const QString &istasyon)
{
    auto b = baglanti(s);
    TServerMethods1Client p(b.get());
    const TSonucBilgisi *r = p.BuyukGetir(istasyon);
    return r ? r->Kopya() : nullptr;
}

// A cell of the row whose column `anahtar` holds `deger`.
inline QVariant hucre(const kw::Tablo &t, const QString &anahtar, const QVariant &deger, const QString &kolon)
{
    for (int i = 0; i < t.satirSayisi(); ++i)
        if (t.hucre(i, anahtar) == deger)
            return t.hucre(i, kolon);
    return {};
}

inline QList<int> sutun(const kw::Tablo &t, const QString &kolon)
{
    QList<int> l;
    for (int i = 0; i < t.satirSayisi(); ++i)
        l << t.hucre(i, kolon).toInt();
    return l;
}

}  // namespace kv
