// Footer and group-footer summaries of a grid column: count, sum, average,
// minimum, maximum, and their shown text.
#pragma once

#include <QString>
#include <QVariant>

namespace kt {

enum class OzetTuru { Yok, Sayi, Toplam, Ortalama, EnAz, EnCok };

// Accumulates one column's values. Count counts rows; the others use the
// non-null numeric values only.
class OzetHesabi {
public:
    void ekle(const QVariant &ham);
    int satir() const { return satir_; }
    int deger() const { return deger_; }
    double toplam() const { return toplam_; }
    // The summary's number: count, sum, average (0 with no values), min, max.
    double sonuc(OzetTuru tur) const;
    // Its text: a count as a whole number, the rest with `bicim` (a display
    // picture such as "#,###,##0.00"; empty: plain number).
    QString metin(OzetTuru tur, const QString &bicim) const;

private:
    int satir_ = 0;
    int deger_ = 0;
    double toplam_ = 0;
    double enAz_ = 0;
    double enCok_ = 0;
};

}  // namespace kt
