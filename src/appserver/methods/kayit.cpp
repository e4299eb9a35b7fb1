#include "kayit.h"

#include "hesapgruplari.h"
#include "katalogkayit.h"

namespace ks {

void metotlariKaydet(Dagitici &d, Ortam &o)
{
    (void)d;
    (void)o;
    // Each group of methods adds its registration call here.
    hesapMetotlariniKaydet(d, o);
    gecmisMetotlariniKaydet(d, o);
    temsilciMetotlariniKaydet(d, o);
    duyuruMetotlariniKaydet(d, o);
    istekMetotlariniKaydet(d, o);
    katalogVeSiparisMetotlariniKaydet(d, o);
}

}  // namespace ks
