#include "web.h"

#include "resim.h"
#include "sayfalar.h"

#include <httplib.h>

namespace ks {

void webKaydet(httplib::Server &s, Ortam &o)
{
    (void)s;
    (void)o;
    // Each page adds its route here.
    sayfalariKaydet(s, o);
    resimServisiniKaydet(s, o);
}

}  // namespace ks
