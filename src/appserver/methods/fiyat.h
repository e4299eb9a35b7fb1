// Pricing rules of the server: the dealer's prices, the four compounding
// discount rates and the line amounts. They compute exactly what the client's
// line entry computes from the same values, so a price in the stock list, the
// dialog and the basket never disagree by a cent.
#pragma once

#include <QString>
#include <array>

namespace ks {

// Two decimals, halves away from zero, decided on the shortest decimal text
// of the value (2.675 → 2.68 although its binary value is 2.67499…).
double yuvarla(double v);

using Oranlar = std::array<double, 4>;

// The rates' display text: the positive rates joined by "+", Turkish decimal
// comma, no percent sign (the client puts "%" in front): {10, 5, 0, 0} →
// "10+5", {12.5, 0, 0, 0} → "12,5". Empty when no rate is above 0.
QString indirimYazisi(const Oranlar &o);

// What is left of `tutar` after the rates, in order; a rate of 0 or below is
// skipped. Unrounded.
double indirimliTutar(double tutar, const Oranlar &o);

// The price of one stock item for one dealer, as a stock row shows it.
struct StokFiyati {
    double listeFiyati = 0;   // LISTEFIYAT1: the dealer's list price
    double kampFiyati = 0;    // KAMPFIYAT: 0 when the dealer sees no campaign
    double fiyat = 0;         // FIYAT: the unit price a basket line starts from
    Oranlar oranlar{};        // IND1..IND4
    bool kampanyali = false;  // K
    double netFiyat = 0;      // NETFIYAT
    double kdvDahil = 0;      // KDVDAHIL
    QString indirimYazi;      // INDIRIMYAZI
    double indirim = 0;       // INDIRIM: total percent below the list price
};

struct StokFiyatGirdisi {
    double listeFiyati1 = 0, listeFiyati2 = 0;
    int fiyatListesi = 1;      // the dealer's price list, 1 or 2
    double kampFiyati = 0;
    bool kampanyada = false;   // the item is on campaign
    bool kampanyaGorur = true; // the dealer may buy at campaign prices
    double kdv = 0;
    Oranlar oranlar{};         // the dealer's rates for the item's group
};

// A campaign price is the dealer's net price: it replaces the list price and
// no further discount applies to it.
StokFiyati stokFiyati(const StokFiyatGirdisi &g);

// The amounts of one basket or order line.
struct SatirTutari {
    double tutar = 0;          // TUTAR: quantity × unit price
    double indirimTutar = 0;   // INDIRIMTUTAR: tutar − nettutar
    double netTutar = 0;       // NETTUTAR: after the discounts, before VAT
    double netBirimFiyat = 0;  // NETBIRIMFIYAT
    double vergiTutari = 0;    // VERGITUTARI: VAT of the net amount
    double kdvDahilBirimFiyat = 0;
    double kdvDahilTutar = 0;  // nettutar + VAT
};

SatirTutari satirTutari(double miktar, double birimFiyat, const Oranlar &o, double kdv);

}  // namespace ks
