// Routes a call to its handler. The handlers are registered by method name
// and checked against the catalogue at start-up.
#pragma once

#include "cagri.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <functional>

namespace ks {

using Isleyici = std::function<void(Cagri &)>;

struct Cevap {
    int durum = 200;
    QByteArray govde;
};

class Dagitici {
public:
    void kaydet(const char *ad, Isleyici isleyici);
    // Catalogue methods that have no handler yet.
    QStringList eksikler() const;

    // Decodes, runs and encodes one call; never throws.
    Cevap cagir(const QString &metotAdi, const QByteArray &govde) const;

private:
    QHash<QString, Isleyici> isleyiciler_;
};

}  // namespace ks
