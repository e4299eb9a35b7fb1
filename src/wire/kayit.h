// Base of the records that travel as marshalled objects:
// {"type":"<unit>.<Class>","id":n,"fields":{<F-fields in declaration order>}}.
//
// A record lists its fields once, in a member template `gez(V&)`, and the
// KW_KAYIT macro builds marshalling, unmarshalling and copying from it.
#pragma once

#include "jsonyazici.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

namespace kw {

// A value on the wire that does not fit what the catalogue declares.
class KodlamaHatasi : public std::runtime_error {
public:
    explicit KodlamaHatasi(const QString &m) : std::runtime_error(m.toStdString()) {}
};

class Kayit {
public:
    virtual ~Kayit() = default;
    virtual const char *tipAdi() const = 0;
    virtual std::unique_ptr<Kayit> kopya() const = 0;
    virtual void alanlariYaz(JsonYazici &y, int &id) const = 0;
    virtual void alanlariOku(const QJsonObject &fields) = 0;

    // Records compare field by field; the base has none.
    bool operator==(const Kayit &) const = default;
};

// Writes a whole marshalled object (or null for nullptr). `id` numbers the
// objects of one value, starting at 1.
void kayitYaz(JsonYazici &y, const Kayit *k, int &id);
void kayitYaz(JsonYazici &y, const Kayit *k);
// Reads a marshalled object whose type must be `beklenenTip`; null gives nullptr.
std::unique_ptr<Kayit> kayitOku(const QJsonValue &v, const char *beklenenTip);
// Creates an empty record by its wire type name; nullptr when unknown.
std::unique_ptr<Kayit> kayitOlustur(QStringView tip);

template <class T>
std::unique_ptr<T> kayitOku(const QJsonValue &v)
{
    std::unique_ptr<Kayit> k = kayitOku(v, T::TIP);
    return std::unique_ptr<T>(static_cast<T *>(k.release()));
}

// Field visitors used by KW_KAYIT.
struct AlanYazici {
    JsonYazici &y;
    int &id;
    void operator()(const char *ad, const QString &v) { y.anahtar(ad); y.metin(v); }
    void operator()(const char *ad, const int &v) { y.anahtar(ad); y.tamsayi(v); }
    void operator()(const char *ad, const double &v);
    void operator()(const char *ad, const bool &v) { y.anahtar(ad); y.mantik(v); }
    template <class R>
    void operator()(const char *ad, const std::vector<R> &liste)
    {
        y.anahtar(ad);
        y.diziBasla();
        for (const R &r : liste)
            kayitYaz(y, &r, id);
        y.diziBitir();
    }
};

struct AlanOkuyucu {
    const QJsonObject &o;
    // A missing member keeps the constructor's default; a member of the wrong
    // JSON kind is an error.
    void operator()(const char *ad, QString &v);
    void operator()(const char *ad, int &v);
    void operator()(const char *ad, double &v);
    void operator()(const char *ad, bool &v);
    template <class R>
    void operator()(const char *ad, std::vector<R> &liste)
    {
        const QJsonValue j = o.value(QLatin1String(ad));
        if (j.isUndefined())
            return;
        if (!j.isArray())
            throw KodlamaHatasi(QStringLiteral("%1 bir dizi olmalı").arg(QLatin1String(ad)));
        liste.clear();
        for (const QJsonValue &e : j.toArray()) {
            auto r = kayitOku<R>(e);
            if (!r)
                throw KodlamaHatasi(QStringLiteral("%1 içinde boş kayıt").arg(QLatin1String(ad)));
            liste.push_back(std::move(*r));
        }
    }
};

}  // namespace kw

#define KW_KAYIT(Sinif, Tip)                                                        \
public:                                                                            \
    static constexpr const char *TIP = Tip;                                        \
    const char *tipAdi() const override { return TIP; }                            \
    std::unique_ptr<kw::Kayit> kopya() const override                              \
    {                                                                              \
        return std::make_unique<Sinif>(*this);                                     \
    }                                                                              \
    void alanlariYaz(kw::JsonYazici &y, int &id) const override                    \
    {                                                                              \
        kw::AlanYazici w{y, id};                                                   \
        const_cast<Sinif *>(this)->gez(w);                                         \
    }                                                                              \
    void alanlariOku(const QJsonObject &fields) override                           \
    {                                                                              \
        kw::AlanOkuyucu r{fields};                                                 \
        gez(r);                                                                    \
    }

// A property without the leading F over the field F<Ad>; the setter only stores.
#define KW_OZELLIK(T, Ad)                                                           \
public:                                                                            \
    const T &Ad() const { return F##Ad; }                                          \
    void set##Ad(const T &v) { F##Ad = v; }
