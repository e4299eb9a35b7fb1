// What the catalogue, basket and order methods share: the dealer's price
// terms, the stock row with this dealer's prices, and the basket/order line
// row with its amounts. Each row kind is one declarative column table.
#pragma once

#include "fiyat.h"
#include "tablo.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

namespace ks {

class Sorgu;

// A dealer account's price terms.
struct CariFiyat {
    int id = 0;
    QString kod, adi;
    Oranlar oranlar{};        // general rates; group rates replace them
    int fiyatListesi = 1;
    bool kampanyaGorur = true;
};

// Throws IslemHatasi when the account does not exist.
CariFiyat cariFiyatBul(const QSqlDatabase &db, int carino);

// --- stock rows -----------------------------------------------------------

// The columns of a SELECT over `stok s` that stokSatiriEkle reads, and the
// join that brings the dealer's group rates (alias g; bind the dealer number
// at its `?`).
QString stokSecimi();
QString grupIndirimiBaglantisi();

enum class StokEki { Yok, Yeni, Kampanya };

QVector<kw::Kolon> stokKolonlari(StokEki ek = StokEki::Yok);
// Appends the row the query stands on, priced for the dealer.
void stokSatiriEkle(kw::Tablo &t, const Sorgu &s, const CariFiyat &c, bool kampanyaGorur, StokEki ek = StokEki::Yok);

// --- basket and order lines ------------------------------------------------

struct SatirVerisi {
    int sirano = 0, siparisNo = 0, sec = 0, stokNo = 0, cariNo = 0;
    double miktar = 0, birimFiyat = 0, ilkFiyat = 0, teslim = 0;
    bool iptal = false;
    Oranlar oranlar{};
    double kdv = 0;
    QDateTime verilis;
    QDate tarih;
    int verenId = 0, teslimId = 0, kargoId = 0, siparisDurumu = 0;
    QString veren, aciklama, cariKod, cariAdi, teslimAdi, kargoAdi;
    QString barkod, stokAdi, marka, model, finishKod, oem1, oem2, oem3, oem4, oemNo, ureticiKodu, digerAdi,
        dpKod, anaGrup, ozelKod, pKod;
    double eldeki = 0, alinanSiparis = 0, verilenSiparis = 0;
    int stokDurumu = 0;
};

// The line columns of a SELECT from `sepet` (alias sp) and from
// `siparis_satir` (alias ss, with its order si) that satirOku reads; both
// end in the same joins of stok s, cari c, kullanici k.
QString sepetSatirSecimi();
QString siparisSatirSecimi();
SatirVerisi satirOku(const Sorgu &s);

QVector<kw::Kolon> sepetKolonlari();
QVector<kw::Kolon> siparisGecmisiKolonlari();
void sepetSatiriEkle(kw::Tablo &t, const SatirVerisi &v);
void siparisGecmisiSatiriEkle(kw::Tablo &t, const SatirVerisi &v);

}  // namespace ks
