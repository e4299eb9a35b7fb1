// Column summaries; see izgaraozet.h.
#include "izgaraozet.h"

#include "sayibicimi.h"

#include <cmath>

namespace kt {

void OzetHesabi::ekle(const QVariant &ham)
{
    ++satir_;
    if (!ham.isValid() || ham.isNull())
        return;
    bool tamam = false;
    const double d = ham.toDouble(&tamam);
    if (!tamam || !std::isfinite(d))
        return;
    if (deger_ == 0) {
        enAz_ = enCok_ = d;
    } else {
        enAz_ = std::min(enAz_, d);
        enCok_ = std::max(enCok_, d);
    }
    ++deger_;
    toplam_ += d;
}

double OzetHesabi::sonuc(OzetTuru tur) const
{
    switch (tur) {
    case OzetTuru::Sayi: return satir_;
    case OzetTuru::Toplam: return toplam_;
    case OzetTuru::Ortalama: return deger_ ? toplam_ / deger_ : 0;
    case OzetTuru::EnAz: return enAz_;
    case OzetTuru::EnCok: return enCok_;
    case OzetTuru::Yok: break;
    }
    return 0;
}

QString OzetHesabi::metin(OzetTuru tur, const QString &bicim) const
{
    if (tur == OzetTuru::Yok)
        return QString();
    if (tur == OzetTuru::Sayi)
        return QString::number(satir_);
    if ((tur == OzetTuru::EnAz || tur == OzetTuru::EnCok) && deger_ == 0)
        return QString();
    return sayiBicimle(sonuc(tur), bicim);
}

}  // namespace kt
