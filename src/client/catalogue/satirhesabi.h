// The arithmetic of a basket line as the line entry dialog shows it: the
// compounding discounts, the net and VAT-inclusive amounts, F4 and the
// values the flows send.
#pragma once

#include <QString>
#include <array>

namespace katalog {

using Oranlar = std::array<double, 4>;   // the four discount rates in percent

// The rates compound: each positive rate applies to what the previous ones
// left; a rate of 0 or below is skipped (it never raises the price).
double IndirimHesapla(double brut, const Oranlar &oranlar);

// The discount line is shown only when the rates add up to more than 1.
bool IndirimVarmi(const Oranlar &oranlar);

struct SatirTutarlari {
    int adet = 1;
    double brut = 0;            // unit price × quantity
    double indirimTutari = 0;   // gross − discounted, unrounded
    double netTutar = 0;        // rounded
    double netBirimFiyat = 0;   // rounded net / quantity; 0 when that fails
    double kdvDahil = 0;        // rounded VAT-inclusive net unit price
    double tutar = 0;           // rounded VAT-inclusive line amount
};

// One recompute for a unit price (as its field shows it), a quantity, the
// rates and the VAT rate in percent.
SatirTutarlari Hesapla(double birimFiyat, int adet, const Oranlar &oranlar, double kdvoran);

// The quantity the dialog computes with: the whole number in the field's
// text, 1 when it holds none.
int AdetDegeri(const QString &metin);

// F4: the unit price divided by 1.2, as the two-decimal field then holds it.
double F4Fiyati(double fiyat);

// A VAT rate as the flows send it: the nearest whole number, a half to the
// even neighbour.
int KdvTamsayi(double kdv);

// What an amount field shows and gives back: two decimals.
double AlanDegeri(double deger);

}  // namespace katalog
