// Registers the handler of every remote method with the dispatcher.
#pragma once

#include "ortam.h"
#include "protocol/dagitici.h"

namespace ks {

void metotlariKaydet(Dagitici &d, Ortam &o);

}  // namespace ks
