// One parameter or result value of a remote call.
#pragma once

#include "kayit.h"
#include "tablo.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <variant>

namespace kw {

using Nesne = std::shared_ptr<Kayit>;   // nullptr = nil

// The alternative follows the catalogue type: Metin→QString, Tamsayi→qint32,
// Int64→qint64, Ondalik→double, Mantik→bool, Nesne→Nesne,
// Tablo/VeriPaketi→Tablo, Akis→QByteArray.
using Deger = std::variant<std::monostate, QString, qint32, qint64, double, bool, Nesne, Tablo, QByteArray>;

}  // namespace kw
