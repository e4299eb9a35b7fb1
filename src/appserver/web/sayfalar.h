// The distributor's pages on the web port: the contact page "/", the request
// form "formmailgonder.aspx" and the installer "/exe/KorvelSetup.exe".
#pragma once

#include "ortam.h"

namespace httplib { class Server; }

namespace ks {

void sayfalariKaydet(httplib::Server &s, Ortam &o);

}  // namespace ks
