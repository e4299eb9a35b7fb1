// The picture service of the web site: resimcoklu.ashx?id=<stock>&resim=<1..4>.
#pragma once

#include "ortam.h"

namespace httplib { class Server; }

namespace ks {

void resimServisiniKaydet(httplib::Server &s, Ortam &o);

}  // namespace ks
