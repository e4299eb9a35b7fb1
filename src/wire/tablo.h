// A result table or data packet: named, typed columns and rows of cells.
// Both the server's table results and the client's dataset packets use it.
#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

namespace kw {

// Column types of the wire. Only Double gets the amount display format on
// the client; Currency is kept apart for that reason.
enum class KolonTipi { Int32, Int64, Double, Currency, Bool, String, Date, DateTime, Blob };

const char *kolonTipiAdi(KolonTipi t);
bool kolonTipiBul(QStringView ad, KolonTipi *t);

struct Kolon {
    QString ad;
    KolonTipi tip = KolonTipi::String;
};

// Cells are QVariants: invalid = null; int for Int32, qlonglong for Int64,
// double for Double/Currency, bool, QString, QDate, QDateTime, QByteArray.
class Tablo {
public:
    QVector<Kolon> kolonlar;
    QVector<QVector<QVariant>> satirlar;

    int kolonEkle(const QString &ad, KolonTipi tip);
    int kolonNo(const QString &ad) const;   // -1 when absent
    int satirSayisi() const { return int(satirlar.size()); }
    const QVariant &hucre(int satir, const QString &kolon) const;
    void satirEkle(QVector<QVariant> satir) { satirlar.push_back(std::move(satir)); }

    bool operator==(const Tablo &o) const;

private:
    mutable QHash<QString, int> indeks_;
};

}  // namespace kw
