// The distributor's web site on the web port: pictures, installer, forms.
#pragma once

#include "ortam.h"

namespace httplib { class Server; }

namespace ks {

void webKaydet(httplib::Server &s, Ortam &o);

}  // namespace ks
