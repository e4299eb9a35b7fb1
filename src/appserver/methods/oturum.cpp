// Session: the account registered for a workstation.

#include "katalogkayit.h"
#include "store/depo.h"

namespace ks {

namespace {

// The installer version the server publishes; the client offers its
// installer when it differs from its own.
int yayinSurumu(const Depo &d)
{
    bool tamam = false;
    const int v = d.ayar(QStringLiteral("surum"), QStringLiteral("5")).trimmed().toInt(&tamam);
    return tamam ? v : 5;
}

// An unregistered workstation gets a record with Varmi false rather than
// nil: nil makes the client report a failed connection, while Varmi false
// sends it to the registration form. The version is filled all the same,
// because the client checks it first.
kw::Nesne oturumBilgisi(const Depo &d, const QString &idsi)
{
    auto b = std::make_shared<TSonucBilgisi>();
    b->setBILGISAYARID(idsi);
    b->setVersion(yayinSurumu(d));

    Sorgu s(d, QStringLiteral(
        "SELECT k.id, k.adi, k.sifre, k.aktif, k.tip, k.mail, "
        "       COALESCE(c.id, 0), COALESCE(c.kod, ''), COALESCE(c.adi, ''), COALESCE(c.aktif, 1), "
        "       COALESCE(t.id, 0), COALESCE(t.adi, ''), COALESCE(t.mail, ''), COALESCE(t.telefon, '') "
        "FROM istasyon i JOIN kullanici k ON k.id = i.kullanici_id "
        "LEFT JOIN cari c ON c.id = k.cari_id "
        // A representative is their own representative; a dealer user has
        // the account's.
        "LEFT JOIN temsilci t ON t.id = CASE WHEN k.tip IN (1, 2) THEN COALESCE(k.temsilci_id, c.temsilci_id) "
        "                                    ELSE COALESCE(c.temsilci_id, k.temsilci_id) END "
        "WHERE i.bilgisayar_id = ?"));
    s.bagla(idsi).calistir();
    if (!s.sonraki())
        return b;
    const int tip = s.deger(4).toInt();
    b->setVarmi(true);
    b->setSirano(s.deger(0).toInt());
    b->setADI(s.deger(1).toString());
    b->setSIFRE(s.deger(2).toString());
    // A dealer user of a closed account may not log in either.
    const bool cariAcik = tip <= 2 || s.deger(9).toInt() != 0;
    b->setAKTIF(s.deger(3).toInt() != 0 && cariAcik ? 1 : 0);
    b->setMusteriTipi(tip);
    b->setKullanicimail(s.deger(5).toString());
    b->setCARINO(s.deger(6).toInt());
    b->setcarikod(s.deger(7).toString());
    b->setCariAdi(s.deger(8).toString());
    b->setSaticiNo(s.deger(10).toInt());
    b->setSaticiAdi(s.deger(11).toString());
    b->setSaticiMail(s.deger(12).toString());
    b->setSaticiTelefon(s.deger(13).toString());
    return b;
}

}  // namespace

void oturumMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    d.kaydet("BuyukGetir", [&o](Cagri &c) { c.sonuc(oturumBilgisi(o.depo, c.metin("idsi"))); });
}

}  // namespace ks
