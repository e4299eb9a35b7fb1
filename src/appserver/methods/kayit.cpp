#include "kayit.h"

namespace ks {

void metotlariKaydet(Dagitici &d, Ortam &o)
{
    (void)d;
    (void)o;
    // Each group of methods adds its registration call here.
}

}  // namespace ks
