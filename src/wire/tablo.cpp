#include "tablo.h"

namespace kw {

namespace {
struct TipAdi { KolonTipi tip; const char *ad; };
constexpr TipAdi kTipler[] = {
    {KolonTipi::Int32, "int32"},   {KolonTipi::Int64, "int64"},   {KolonTipi::Double, "double"},
    {KolonTipi::Currency, "currency"}, {KolonTipi::Bool, "bool"}, {KolonTipi::String, "string"},
    {KolonTipi::Date, "date"},     {KolonTipi::DateTime, "datetime"}, {KolonTipi::Blob, "blob"},
};
}  // namespace

const char *kolonTipiAdi(KolonTipi t)
{
    for (const auto &e : kTipler)
        if (e.tip == t)
            return e.ad;
    return "string";
}

bool kolonTipiBul(QStringView ad, KolonTipi *t)
{
    for (const auto &e : kTipler)
        if (ad == QLatin1String(e.ad)) {
            *t = e.tip;
            return true;
        }
    return false;
}

int Tablo::kolonEkle(const QString &ad, KolonTipi tip)
{
    kolonlar.push_back({ad, tip});
    indeks_.clear();
    return int(kolonlar.size()) - 1;
}

int Tablo::kolonNo(const QString &ad) const
{
    if (indeks_.size() != kolonlar.size()) {
        indeks_.clear();
        for (int i = 0; i < kolonlar.size(); ++i)
            indeks_.insert(kolonlar[i].ad, i);
    }
    return indeks_.value(ad, -1);
}

const QVariant &Tablo::hucre(int satir, const QString &kolon) const
{
    static const QVariant bos;
    const int k = kolonNo(kolon);
    if (k < 0 || satir < 0 || satir >= satirlar.size() || k >= satirlar[satir].size())
        return bos;
    return satirlar[satir][k];
}

bool Tablo::operator==(const Tablo &o) const
{
    if (kolonlar.size() != o.kolonlar.size() || satirlar != o.satirlar)
        return false;
    for (int i = 0; i < kolonlar.size(); ++i)
        if (kolonlar[i].ad != o.kolonlar[i].ad || kolonlar[i].tip != o.kolonlar[i].tip)
            return false;
    return true;
}

}  // namespace kw
