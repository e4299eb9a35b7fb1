// The basket's totals over its selected lines, rounded step by step.
#pragma once

#include <QLocale>
#include <QString>
#include <QVector>

namespace kt {
class VeriSeti;
}

namespace sepet {

struct SepetSatiri {
    int sec = 0;
    double tutar = 0;
    double indirimTutar = 0;
    double vergiTutari = 0;
};

struct SepetToplamlari {
    double toplam = 0;   // "Toplam:"
    double indirim = 0;  // "İndirim Toplam:"
    double ara = 0;      // "Ara Toplam:"
    double vergi = 0;    // "Vergi:"
    double genel = 0;    // "Genel Toplam:"
};

// Every running sum is rounded to two decimals after each line; only lines
// whose SEC is 1 count.
SepetToplamlari ToplamHesapla(const QVector<SepetSatiri> &satirlar);

// The same over the basket dataset (SEC, TUTAR, INDIRIMTUTAR, VERGITUTARI);
// all zero when it is closed. The cursor is not moved.
SepetToplamlari ToplamHesapla(const kt::VeriSeti &sepet);

// A total as its label shows it ("#,###,##0.00").
QString toplamMetni(double deger, const QLocale &yerel = QLocale());

}  // namespace sepet
