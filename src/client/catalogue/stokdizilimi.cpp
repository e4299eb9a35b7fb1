// Stock list rules; see stokdizilimi.h.
#include "stokdizilimi.h"

#include "sayibicimi.h"

namespace katalog {

QString FiyatBilgisiMetni(double listeFiyat, double kampFiyat, double netFiyat, double kdvliFiyat,
                          const QLocale &yerel)
{
    const auto b = [&](double v) { return kt::sayiBicimle(v, kt::kTutarBicimi, yerel); };
    QString s = QStringLiteral("Liste Fiyatı: ") + b(listeFiyat) + QStringLiteral("\r\n");
    if (kampFiyat > 0)
        s += QStringLiteral("Kampanyalı Fiyat: ") + b(kampFiyat) + QStringLiteral("\r\n");
    s += QStringLiteral("NetFiyat: ") + b(netFiyat) + QStringLiteral("\r\n");
    s += QStringLiteral("KDV li Fiyat: ") + b(kdvliFiyat) + QStringLiteral("\r\n");
    return s;
}

}  // namespace katalog
