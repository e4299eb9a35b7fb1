// One remote call as a method handler sees it: the inputs by parameter name,
// checked against the catalogue, and the outputs it fills.
#pragma once

#include "baglantiu.h"
#include "deger.h"
#include "metotlar.h"

#include <QVector>
#include <stdexcept>

namespace ks {

// The method could not do what was asked; the caller gets status 500 and the
// message, and nothing was written.
class IslemHatasi : public std::runtime_error {
public:
    explicit IslemHatasi(const QString &m) : std::runtime_error(m.toStdString()) {}
};

class Cagri {
public:
    Cagri(const kw::Metot &m, QVector<kw::Deger> girdiler);

    const kw::Metot &metot() const { return m_; }

    QString metin(const char *ad) const;
    qint32 tamsayi(const char *ad) const;
    double ondalik(const char *ad) const;
    // The session record argument; nullptr when the caller sent nil.
    const TSonucBilgisi *bilgi(const char *ad) const;
    // As bilgi(), but a nil record is refused.
    const TSonucBilgisi &bilgiGerekli(const char *ad) const;

    void cikti(const char *ad, kw::Deger d);   // an out parameter
    void sonuc(kw::Deger d);                   // the function result

    // Out parameters in declaration order, then the result.
    QVector<kw::Deger> ciktilar() const;

private:
    const kw::Deger &girdi(const char *ad, kw::Tip tip) const;

    const kw::Metot &m_;
    QVector<kw::Deger> girdiler_;
    QVector<kw::Deger> ciktilar_;   // indexed like the out parameters
    kw::Deger sonuc_;
    bool sonucVar_ = false;
};

}  // namespace ks
