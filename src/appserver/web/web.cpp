#include "web.h"

#include <httplib.h>

namespace ks {

void webKaydet(httplib::Server &s, Ortam &o)
{
    (void)s;
    (void)o;
    // Each page adds its route here.
}

}  // namespace ks
