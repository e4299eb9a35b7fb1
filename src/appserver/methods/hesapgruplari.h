// Registration of the account, history, representative, notice and request
// method groups (hesap.cpp, gecmis.cpp, temsilci.cpp, duyuru.cpp, istek.cpp).
#pragma once

#include "ortam.h"
#include "protocol/dagitici.h"

namespace ks {

void hesapMetotlariniKaydet(Dagitici &d, Ortam &o);
void gecmisMetotlariniKaydet(Dagitici &d, Ortam &o);
void temsilciMetotlariniKaydet(Dagitici &d, Ortam &o);
void duyuruMetotlariniKaydet(Dagitici &d, Ortam &o);
void istekMetotlariniKaydet(Dagitici &d, Ortam &o);

}  // namespace ks
