// Registration of the session, catalogue, basket and order methods
// (oturum.cpp, katalog.cpp, sepet.cpp, siparis.cpp).
#pragma once

#include "ortam.h"
#include "protocol/dagitici.h"

namespace ks {

void oturumMetotlariniKaydet(Dagitici &d, Ortam &o);
void katalogMetotlariniKaydet(Dagitici &d, Ortam &o);
void sepetMetotlariniKaydet(Dagitici &d, Ortam &o);
void siparisMetotlariniKaydet(Dagitici &d, Ortam &o);

inline void katalogVeSiparisMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    oturumMetotlariniKaydet(d, o);
    katalogMetotlariniKaydet(d, o);
    sepetMetotlariniKaydet(d, o);
    siparisMetotlariniKaydet(d, o);
}

}  // namespace ks
