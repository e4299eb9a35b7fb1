#include "sema.h"

namespace ks {

const std::vector<QStringList> &semaAdimlari()
{
    static const std::vector<QStringList> adimlar = {
        {
            // Server settings and published values (installer version,
            // search cap, promotion texts …).
            QStringLiteral("CREATE TABLE ayar (anahtar TEXT PRIMARY KEY, deger TEXT NOT NULL)"),
        },
    };
    return adimlar;
}

}  // namespace ks
