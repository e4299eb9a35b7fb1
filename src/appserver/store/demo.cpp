#include "admin.h"

namespace ks {

void demoGerekirseOlustur(Depo &d, int stokSayisi)
{
    (void)d;
    (void)stokSayisi;
}

}  // namespace ks
