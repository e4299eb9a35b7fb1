#include "kayit.h"

#include "baglantiu.h"
#include "mobilstokunit.h"

#include <cmath>

namespace kw {

void kayitYaz(JsonYazici &y, const Kayit *k, int &id)
{
    if (!k) {
        y.bos();
        return;
    }
    y.nesneBasla();
    y.anahtar("type");
    y.latin(k->tipAdi());
    y.anahtar("id");
    y.tamsayi(id++);
    y.anahtar("fields");
    y.nesneBasla();
    k->alanlariYaz(y, id);
    y.nesneBitir();
    y.nesneBitir();
}

void kayitYaz(JsonYazici &y, const Kayit *k)
{
    int id = 1;
    kayitYaz(y, k, id);
}

std::unique_ptr<Kayit> kayitOlustur(QStringView tip)
{
    if (tip == QLatin1String(TSonucBilgisi::TIP)) return std::make_unique<TSonucBilgisi>();
    if (tip == QLatin1String(TSiparisDipAyrinti::TIP)) return std::make_unique<TSiparisDipAyrinti>();
    if (tip == QLatin1String(TTusSonuclari::TIP)) return std::make_unique<TTusSonuclari>();
    if (tip == QLatin1String(TMobilCariBilgisi::TIP)) return std::make_unique<TMobilCariBilgisi>();
    if (tip == QLatin1String(TAcilisEkran::TIP)) return std::make_unique<TAcilisEkran>();
    if (tip == QLatin1String(TAcilisEkranlariki::TIP)) return std::make_unique<TAcilisEkranlariki>();
    return nullptr;
}

std::unique_ptr<Kayit> kayitOku(const QJsonValue &v, const char *beklenenTip)
{
    if (v.isNull())
        return nullptr;
    if (!v.isObject())
        throw KodlamaHatasi(QStringLiteral("%1 nesnesi bekleniyordu").arg(QLatin1String(beklenenTip)));
    const QJsonObject o = v.toObject();
    const QString tip = o.value(QLatin1String("type")).toString();
    if (tip != QLatin1String(beklenenTip))
        throw KodlamaHatasi(QStringLiteral("Nesne tipi %1 bekleniyordu, gelen: %2")
                                .arg(QLatin1String(beklenenTip), tip));
    std::unique_ptr<Kayit> k = kayitOlustur(tip);
    const QJsonValue f = o.value(QLatin1String("fields"));
    if (f.isObject())
        k->alanlariOku(f.toObject());
    else if (!f.isUndefined())
        throw KodlamaHatasi(QStringLiteral("\"fields\" bir nesne olmalı"));
    return k;
}

void AlanYazici::operator()(const char *ad, const double &v)
{
    y.anahtar(ad);
    if (std::isfinite(v))
        y.ondalik(v);
    else
        y.tamsayi(0);   // JSON has no NaN or infinity; a record never carries one
}

namespace {
[[noreturn]] void yanlisTip(const char *ad, const char *beklenen)
{
    throw KodlamaHatasi(QStringLiteral("%1 alanı %2 olmalı").arg(QLatin1String(ad), QLatin1String(beklenen)));
}
}  // namespace

void AlanOkuyucu::operator()(const char *ad, QString &v)
{
    const QJsonValue j = o.value(QLatin1String(ad));
    if (j.isUndefined()) return;
    if (j.isNull()) { v.clear(); return; }
    if (!j.isString()) yanlisTip(ad, "metin");
    v = j.toString();
}

void AlanOkuyucu::operator()(const char *ad, int &v)
{
    const QJsonValue j = o.value(QLatin1String(ad));
    if (j.isUndefined()) return;
    const double d = j.toDouble(std::nan(""));
    if (!j.isDouble() || d != std::floor(d) || d < -2147483648.0 || d > 2147483647.0)
        yanlisTip(ad, "32 bit tamsayı");
    v = int(d);
}

void AlanOkuyucu::operator()(const char *ad, double &v)
{
    const QJsonValue j = o.value(QLatin1String(ad));
    if (j.isUndefined()) return;
    if (!j.isDouble()) yanlisTip(ad, "sayı");
    v = j.toDouble();
}

void AlanOkuyucu::operator()(const char *ad, bool &v)
{
    const QJsonValue j = o.value(QLatin1String(ad));
    if (j.isUndefined()) return;
    if (!j.isBool()) yanlisTip(ad, "true/false");
    v = j.toBool();
}

}  // namespace kw
