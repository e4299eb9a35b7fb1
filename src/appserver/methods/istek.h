// Requests to the distributor: kept in the outbox (giden_posta) with every
// field as sent, for the mail delivery to pick up.
#pragma once

#include <QString>

namespace ks {

class Depo;

struct PostaIstegi {
    QString tur;   // "mail", "sifre" (password change) or "web" (request form)
    QString idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi,
        sifre, mail, kargoambar, konu;
};

// Stores the request in one transaction; the outbox row's number.
qint64 postaKaydet(Depo &d, const PostaIstegi &p);

}  // namespace ks
