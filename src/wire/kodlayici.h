// The JSON form of calls and answers:
//   call   POST …/TServerMethods1/<Method>  {"_parameters":[in0, in1, …]}
//   answer 200 {"result":[out0, …, result]}
//   error  {"error":"<message>"}
#pragma once

#include "deger.h"
#include "metotlar.h"

#include <QJsonValue>
#include <QVector>

namespace kw {

// A body that does not fit the catalogue: the server answers it with 400.
class IstekHatasi : public std::runtime_error {
public:
    explicit IstekHatasi(const QString &m) : std::runtime_error(m.toStdString()) {}
};

constexpr const char *kYolOneki = "/datasnap/rest/TServerMethods1/";

QByteArray istekYaz(const Metot &m, const QVector<Deger> &girdiler);
QVector<Deger> istekOku(const Metot &m, const QByteArray &govde);

// `ciktilar` holds the out parameters in declaration order, then the result
// (nothing for a procedure).
QByteArray cevapYaz(const Metot &m, const QVector<Deger> &ciktilar);
QVector<Deger> cevapOku(const Metot &m, const QByteArray &govde);

QByteArray hataYaz(const QString &mesaj);
// The message of an error body, or an empty text when it is none.
QString hataOku(const QByteArray &govde);

// Single values, for tests and tools.
void degerYaz(JsonYazici &y, Tip tip, const Deger &d);
Deger degerOku(const QJsonValue &v, Tip tip, const char *sinif, const char *ad);
void tabloYaz(JsonYazici &y, const Tablo &t);
Tablo tabloOku(const QJsonValue &v);

}  // namespace kw
