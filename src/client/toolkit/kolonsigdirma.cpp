// Weighted column fitting; see kolonsigdirma.h.
#include "kolonsigdirma.h"

#include <algorithm>

namespace kt {

int agirlikBirimi(int izgaraGenisligi, int agirlikToplami)
{
    if (agirlikToplami <= 0 || izgaraGenisligi <= 30)
        return 0;
    return (izgaraGenisligi - 30) / agirlikToplami;
}

QVector<int> agirlikliGenislikler(const QVector<int> &agirliklar, int izgaraGenisligi, int enAz)
{
    int toplam = 0;
    for (int a : agirliklar)
        toplam += std::max(0, a);
    const int birim = agirlikBirimi(izgaraGenisligi, toplam);
    if (birim <= 0)
        return {};
    QVector<int> g;
    g.reserve(agirliklar.size());
    for (int a : agirliklar)
        g.push_back(std::max(enAz, std::max(0, a) * birim));
    return g;
}

}  // namespace kt
