#include "sema.h"

#include "methods/stokarama.h"

namespace ks {

// Dates are ISO 8601 texts ("2026-12-11" or "2026-12-11T14:05:00"), amounts
// and rates REAL, flags INTEGER 0/1. Record numbers are the numbers the
// client sees (CARINO, STOKNO, SIRANO …).
const std::vector<QStringList> &semaAdimlari()
{
    static const std::vector<QStringList> adimlar = {
        {
            // Server settings and published values: installer version,
            // scrolling text, … (key → text).
            QStringLiteral("CREATE TABLE ayar (anahtar TEXT PRIMARY KEY, deger TEXT NOT NULL)"),

            QStringLiteral(R"(CREATE TABLE temsilci (
                id INTEGER PRIMARY KEY,
                adi TEXT NOT NULL,
                mail TEXT NOT NULL DEFAULT '',
                telefon TEXT NOT NULL DEFAULT ''))"),

            // Dealer accounts. ind1..ind4 are the dealer's four successive
            // discount rates in percent; fiyat_listesi picks list price 1 or 2.
            QStringLiteral(R"(CREATE TABLE cari (
                id INTEGER PRIMARY KEY,
                kod TEXT NOT NULL UNIQUE,
                adi TEXT NOT NULL,
                adres1 TEXT NOT NULL DEFAULT '', adres2 TEXT NOT NULL DEFAULT '',
                ilce TEXT NOT NULL DEFAULT '', sehir TEXT NOT NULL DEFAULT '', ulke TEXT NOT NULL DEFAULT 'Türkiye',
                tel1 TEXT NOT NULL DEFAULT '', tel2 TEXT NOT NULL DEFAULT '', gsm TEXT NOT NULL DEFAULT '',
                fax1 TEXT NOT NULL DEFAULT '', fax2 TEXT NOT NULL DEFAULT '',
                email TEXT NOT NULL DEFAULT '', mail TEXT NOT NULL DEFAULT '',
                vergidairesi TEXT NOT NULL DEFAULT '', vergino TEXT NOT NULL DEFAULT '',
                yetkili TEXT NOT NULL DEFAULT '',
                anagrup TEXT NOT NULL DEFAULT '', altgrup TEXT NOT NULL DEFAULT '', ozelkod TEXT NOT NULL DEFAULT '',
                temsilci_id INTEGER REFERENCES temsilci(id),
                ind1 REAL NOT NULL DEFAULT 0, ind2 REAL NOT NULL DEFAULT 0,
                ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
                fiyat_listesi INTEGER NOT NULL DEFAULT 1 CHECK (fiyat_listesi IN (1, 2)),
                vade_gun INTEGER NOT NULL DEFAULT 60,
                aktif INTEGER NOT NULL DEFAULT 1))"),
            QStringLiteral("CREATE INDEX cari_temsilci ON cari(temsilci_id)"),

            // Discount rates of a dealer for one main group of items; they
            // replace the dealer's general rates for that group.
            QStringLiteral(R"(CREATE TABLE cari_grup_indirim (
                cari_id INTEGER NOT NULL REFERENCES cari(id),
                anagrup TEXT NOT NULL,
                ind1 REAL NOT NULL DEFAULT 0, ind2 REAL NOT NULL DEFAULT 0,
                ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
                PRIMARY KEY (cari_id, anagrup)))"),

            // Users. tip is the user type: 1 and 2 representatives acting for
            // several dealers, 3 and 4 dealer users (4 without campaigns).
            // cari_id is the dealer account the user starts with.
            QStringLiteral(R"(CREATE TABLE kullanici (
                id INTEGER PRIMARY KEY,
                adi TEXT NOT NULL UNIQUE,
                sifre TEXT NOT NULL,
                aktif INTEGER NOT NULL DEFAULT 1,
                tip INTEGER NOT NULL CHECK (tip BETWEEN 1 AND 4),
                mail TEXT NOT NULL DEFAULT '',
                cari_id INTEGER REFERENCES cari(id),
                temsilci_id INTEGER REFERENCES temsilci(id)))"),

            // Registered workstations: the ID a client sends at login.
            QStringLiteral(R"(CREATE TABLE istasyon (
                bilgisayar_id TEXT PRIMARY KEY,
                kullanici_id INTEGER NOT NULL REFERENCES kullanici(id),
                kayit_tarihi TEXT NOT NULL,
                aciklama TEXT NOT NULL DEFAULT ''))"),

            // Stock items. durum1/durum2 are the availability codes 0..6 of
            // the two warehouses; kalan the quantity on hand; resim_sayisi
            // how many pictures (0..4) the picture service has.
            QStringLiteral(R"(CREATE TABLE stok (
                id INTEGER PRIMARY KEY,
                barkod TEXT NOT NULL,
                adi TEXT NOT NULL,
                digeradi TEXT NOT NULL DEFAULT '',
                oem1 TEXT NOT NULL DEFAULT '', oem2 TEXT NOT NULL DEFAULT '',
                oem3 TEXT NOT NULL DEFAULT '', oem4 TEXT NOT NULL DEFAULT '',
                oemno TEXT NOT NULL DEFAULT '',
                finishkod TEXT NOT NULL DEFAULT '',
                ureticikodu TEXT NOT NULL DEFAULT '',
                dpkod TEXT NOT NULL DEFAULT '', pkod TEXT NOT NULL DEFAULT '', barkodno TEXT NOT NULL DEFAULT '',
                birim TEXT NOT NULL DEFAULT 'ADET',
                marka TEXT NOT NULL DEFAULT '', model TEXT NOT NULL DEFAULT '',
                anagrup TEXT NOT NULL DEFAULT '', ozelkod TEXT NOT NULL DEFAULT '',
                kdv REAL NOT NULL DEFAULT 20,
                listefiyat1 REAL NOT NULL DEFAULT 0,
                listefiyat2 REAL NOT NULL DEFAULT 0,
                kampfiyat REAL NOT NULL DEFAULT 0,
                kampanya INTEGER NOT NULL DEFAULT 0,
                yeni INTEGER NOT NULL DEFAULT 0,
                kalan REAL NOT NULL DEFAULT 0,
                durum1 INTEGER NOT NULL DEFAULT 0,
                durum2 INTEGER NOT NULL DEFAULT 0,
                alinansiparis REAL NOT NULL DEFAULT 0,
                verilensiparis REAL NOT NULL DEFAULT 0,
                resim_sayisi INTEGER NOT NULL DEFAULT 0 CHECK (resim_sayisi BETWEEN 0 AND 4),
                eklenme TEXT NOT NULL DEFAULT ''))"),
            QStringLiteral("CREATE INDEX stok_yeni ON stok(yeni) WHERE yeni = 1"),
            QStringLiteral("CREATE INDEX stok_kampanya ON stok(kampanya) WHERE kampanya = 1"),

            QStringLiteral("CREATE TABLE teslim_cinsi (id INTEGER PRIMARY KEY, adi TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE kargo_cinsi (id INTEGER PRIMARY KEY, adi TEXT NOT NULL)"),
            QStringLiteral(R"(CREATE TABLE kargo_firma (
                id INTEGER PRIMARY KEY,
                kargo_cinsi_id INTEGER NOT NULL REFERENCES kargo_cinsi(id),
                adi TEXT NOT NULL,
                uyari TEXT NOT NULL DEFAULT ''))"),

            // Basket lines, per dealer. The amounts are derived from these.
            QStringLiteral(R"(CREATE TABLE sepet (
                id INTEGER PRIMARY KEY,
                cari_id INTEGER NOT NULL REFERENCES cari(id),
                stok_id INTEGER NOT NULL REFERENCES stok(id),
                miktar REAL NOT NULL CHECK (miktar > 0),
                birimfiyat REAL NOT NULL CHECK (birimfiyat >= 0),
                ind1 REAL NOT NULL DEFAULT 0, ind2 REAL NOT NULL DEFAULT 0,
                ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
                kdv REAL NOT NULL DEFAULT 20,
                sec INTEGER NOT NULL DEFAULT 0 CHECK (sec IN (0, 1)),
                veren_id INTEGER REFERENCES kullanici(id),
                verilis TEXT NOT NULL,
                aciklama TEXT NOT NULL DEFAULT ''))"),
            QStringLiteral("CREATE INDEX sepet_cari ON sepet(cari_id)"),

            // Orders. durum: 1 Alındı, 2 Görüldü, 3 Onaylandı,
            // 4 Parçalı Hazırlandı, 5 Hazırlandı, 6 Sevk Edildi, 7 Kapandı.
            QStringLiteral(R"(CREATE TABLE siparis (
                id INTEGER PRIMARY KEY,
                cari_id INTEGER NOT NULL REFERENCES cari(id),
                veren_id INTEGER REFERENCES kullanici(id),
                tarih TEXT NOT NULL,
                teslim_id INTEGER REFERENCES teslim_cinsi(id),
                kargo_cinsi_id INTEGER REFERENCES kargo_cinsi(id),
                kargo_firma_id INTEGER REFERENCES kargo_firma(id),
                aciklama TEXT NOT NULL DEFAULT '',
                bizim_mesaj TEXT NOT NULL DEFAULT '',
                satici_notu TEXT NOT NULL DEFAULT '',
                durum INTEGER NOT NULL DEFAULT 1 CHECK (durum BETWEEN 1 AND 7)))"),
            QStringLiteral("CREATE INDEX siparis_cari ON siparis(cari_id, tarih)"),
            QStringLiteral("CREATE INDEX siparis_tarih ON siparis(tarih)"),

            // Order lines. A line is open while teslim < miktar and it is not
            // cancelled; the open quantity is the balance (bakiye).
            QStringLiteral(R"(CREATE TABLE siparis_satir (
                id INTEGER PRIMARY KEY,
                siparis_id INTEGER NOT NULL REFERENCES siparis(id),
                stok_id INTEGER NOT NULL REFERENCES stok(id),
                miktar REAL NOT NULL CHECK (miktar > 0),
                teslim REAL NOT NULL DEFAULT 0 CHECK (teslim >= 0),
                birimfiyat REAL NOT NULL CHECK (birimfiyat >= 0),
                ilkfiyat REAL NOT NULL DEFAULT 0,
                ind1 REAL NOT NULL DEFAULT 0, ind2 REAL NOT NULL DEFAULT 0,
                ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
                kdv REAL NOT NULL DEFAULT 20,
                sepet_sirano INTEGER NOT NULL DEFAULT 0,
                veren_id INTEGER REFERENCES kullanici(id),
                verilis TEXT NOT NULL DEFAULT '',
                iptal INTEGER NOT NULL DEFAULT 0))"),
            QStringLiteral("CREATE INDEX siparis_satir_siparis ON siparis_satir(siparis_id)"),
            QStringLiteral("CREATE INDEX siparis_satir_stok ON siparis_satir(stok_id)"),

            // Invoices and their lines.
            QStringLiteral(R"(CREATE TABLE fatura (
                id INTEGER PRIMARY KEY,
                cari_id INTEGER NOT NULL REFERENCES cari(id),
                tarih TEXT NOT NULL,
                vade TEXT NOT NULL,
                tur TEXT NOT NULL,
                seri TEXT NOT NULL DEFAULT '',
                sira INTEGER NOT NULL DEFAULT 0,
                aciklama TEXT NOT NULL DEFAULT '',
                satici_id INTEGER REFERENCES temsilci(id)))"),
            QStringLiteral("CREATE INDEX fatura_cari ON fatura(cari_id, tarih)"),
            QStringLiteral(R"(CREATE TABLE fatura_satir (
                id INTEGER PRIMARY KEY,
                fatura_id INTEGER NOT NULL REFERENCES fatura(id),
                stok_id INTEGER NOT NULL REFERENCES stok(id),
                miktar REAL NOT NULL,
                birimfiyat REAL NOT NULL,
                ind1 REAL NOT NULL DEFAULT 0, ind2 REAL NOT NULL DEFAULT 0,
                ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
                kdv REAL NOT NULL DEFAULT 20,
                masraf1 REAL NOT NULL DEFAULT 0, masraf2 REAL NOT NULL DEFAULT 0,
                siparis_satir_id INTEGER REFERENCES siparis_satir(id)))"),
            QStringLiteral("CREATE INDEX fatura_satir_fatura ON fatura_satir(fatura_id)"),
            QStringLiteral("CREATE INDEX fatura_satir_stok ON fatura_satir(stok_id)"),

            // Collections (tur 'Tahsilat') and payments (tur 'Tediye').
            QStringLiteral(R"(CREATE TABLE tahsilat (
                id INTEGER PRIMARY KEY,
                cari_id INTEGER NOT NULL REFERENCES cari(id),
                tarih TEXT NOT NULL,
                vade TEXT NOT NULL DEFAULT '',
                tur TEXT NOT NULL CHECK (tur IN ('Tahsilat', 'Tediye')),
                odeme_sekli TEXT NOT NULL,
                tutar REAL NOT NULL,
                aciklama TEXT NOT NULL DEFAULT '',
                evrakno TEXT NOT NULL DEFAULT ''))"),
            QStringLiteral("CREATE INDEX tahsilat_cari ON tahsilat(cari_id, tarih)"),

            // Card-payment receipts of collections.
            QStringLiteral(R"(CREATE TABLE sanalpos (
                id INTEGER PRIMARY KEY,
                tahsilat_id INTEGER NOT NULL UNIQUE REFERENCES tahsilat(id),
                odeyen TEXT NOT NULL,
                kart_no TEXT NOT NULL,
                kart_sahibi TEXT NOT NULL DEFAULT '',
                banka TEXT NOT NULL DEFAULT '',
                taksit INTEGER NOT NULL DEFAULT 1,
                onay_kodu TEXT NOT NULL DEFAULT '',
                tutar REAL NOT NULL,
                tarih TEXT NOT NULL))"),

            // The account statement: every movement of a dealer account with
            // its kind text (TURADI), debit and credit. Invoice and collection
            // movements point at their documents; others (opening balance,
            // transfers) stand alone.
            QStringLiteral(R"(CREATE TABLE cari_hareket (
                id INTEGER PRIMARY KEY,
                cari_id INTEGER NOT NULL REFERENCES cari(id),
                tarih TEXT NOT NULL,
                vade TEXT NOT NULL DEFAULT '',
                turadi TEXT NOT NULL,
                evrakno TEXT NOT NULL DEFAULT '',
                aciklama TEXT NOT NULL DEFAULT '',
                borc REAL NOT NULL DEFAULT 0,
                alacak REAL NOT NULL DEFAULT 0,
                fatura_id INTEGER REFERENCES fatura(id),
                tahsilat_id INTEGER REFERENCES tahsilat(id)))"),
            QStringLiteral("CREATE INDEX cari_hareket_cari ON cari_hareket(cari_id, tarih)"),

            // Promotions. Banners by slot: 1 header (GIF), 2 strip (GIF),
            // 3 bottom (BMP). Opening screens carry a JPEG and a link text.
            QStringLiteral(R"(CREATE TABLE banner (
                yer INTEGER PRIMARY KEY CHECK (yer BETWEEN 1 AND 3),
                resim BLOB NOT NULL,
                tip TEXT NOT NULL))"),
            QStringLiteral(R"(CREATE TABLE acilis_ekrani (
                id INTEGER PRIMARY KEY,
                sira INTEGER NOT NULL,
                baslik TEXT NOT NULL DEFAULT '',
                resim BLOB NOT NULL,
                arama TEXT NOT NULL DEFAULT '',
                aktif INTEGER NOT NULL DEFAULT 1))"),

            // Mail requests waiting for delivery, with every field as sent.
            QStringLiteral(R"(CREATE TABLE giden_posta (
                id INTEGER PRIMARY KEY,
                tarih TEXT NOT NULL,
                tur TEXT NOT NULL,
                idsi TEXT NOT NULL DEFAULT '', baslik TEXT NOT NULL DEFAULT '',
                firmaadi TEXT NOT NULL DEFAULT '', adres1 TEXT NOT NULL DEFAULT '',
                adres2 TEXT NOT NULL DEFAULT '', ilce TEXT NOT NULL DEFAULT '',
                sehir TEXT NOT NULL DEFAULT '', telefon TEXT NOT NULL DEFAULT '',
                fax TEXT NOT NULL DEFAULT '', vd TEXT NOT NULL DEFAULT '', vn TEXT NOT NULL DEFAULT '',
                yetkili TEXT NOT NULL DEFAULT '', kullaniciadi TEXT NOT NULL DEFAULT '',
                sifre TEXT NOT NULL DEFAULT '', mail TEXT NOT NULL DEFAULT '',
                kargoambar TEXT NOT NULL DEFAULT '', konu TEXT NOT NULL DEFAULT '',
                gonderildi INTEGER NOT NULL DEFAULT 0))"),
        },
        // Step 2: the stock search index (codes in normal form, words).
        aramaSemaAdimi(),
        // Step 3: a version of the search index for cached prefix expansions.
        aramaSurumAdimi(),
    };
    return adimlar;
}

}  // namespace ks
