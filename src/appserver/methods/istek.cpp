// Requests: the dealer data behind a workstation, and mail to the distributor.

#include "cari.h"
#include "hesapgruplari.h"
#include "mobilstokunit.h"
#include "istek.h"
#include "protocol/cagri.h"
#include "store/depo.h"

#include <QDateTime>

namespace ks {

qint64 postaKaydet(Depo &d, const PostaIstegi &p)
{
    Islem t(d);
    Sorgu s(t.db(), QStringLiteral(
        "INSERT INTO giden_posta(tarih, tur, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, "
        "vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    // A null text would bind as SQL NULL; the outbox keeps empty texts.
    auto m = [](const QString &x) { return x.isNull() ? QStringLiteral("") : x; };
    s.bagla({QDateTime::currentDateTime().toString(Qt::ISODate), m(p.tur), m(p.idsi), m(p.baslik), m(p.firmaadi),
             m(p.adres1), m(p.adres2), m(p.ilce), m(p.sehir), m(p.telefon), m(p.fax), m(p.vd), m(p.vn), m(p.yetkili),
             m(p.kullaniciadi), m(p.sifre), m(p.mail), m(p.kargoambar), m(p.konu)});
    s.calistir();
    const qint64 no = s.sonEklenen();
    t.onayla();
    return no;
}

namespace {

// The dealer of the user registered for a workstation; nil when the ID is
// not registered. The user's password is not handed out: the record
// prefills request forms and mails, and a password has no place in either.
std::shared_ptr<TMobilCariBilgisi> mobilCariBilgisi(const QSqlDatabase &db, const QString &idsi)
{
    Sorgu s(db, QStringLiteral(
        "SELECT c.id, c.kod, c.adi, c.adres1, c.adres2, c.ilce, c.sehir, c.ulke, c.tel1, c.tel2, c.gsm, c.fax1, "
        "c.fax2, c.email, c.mail, c.vergidairesi, c.vergino, c.yetkili, c.anagrup, c.altgrup, c.ozelkod, "
        "k.adi, COALESCE(t.adi, ''), COALESCE(t.mail, ''), COALESCE(t.telefon, '') "
        "FROM istasyon i JOIN kullanici k ON k.id=i.kullanici_id JOIN cari c ON c.id=k.cari_id "
        "LEFT JOIN temsilci t ON t.id=c.temsilci_id WHERE i.bilgisayar_id=?"));
    s.bagla(idsi).calistir();
    if (idsi.isEmpty() || !s.sonraki())
        return nullptr;
    auto v = [&s](int i) { return s.deger(i).toString(); };
    auto r = std::make_shared<TMobilCariBilgisi>();
    const int carino = s.deger(0).toInt();
    r->setBILGISAYARID(idsi);
    r->setCARINO(carino);
    r->setCARIKOD(v(1));
    r->setCARIADI(v(2));
    r->setADRES1(v(3));
    r->setADRES2(v(4));
    r->setILCE(v(5));
    r->setSEHIR(v(6));
    r->setULKE(v(7));
    r->setTEL1(v(8));
    r->setTEL2(v(9));
    r->setGSM(v(10));
    r->setFAX1(v(11));
    r->setFAX2(v(12));
    r->setEMAIL(v(13));
    r->setMAIL(v(14).isEmpty() ? v(13) : v(14));
    r->setVERGIDAIRESI(v(15));
    r->setVERGINO(v(16));
    r->setYETKILI(v(17));
    r->setAnaGrup(v(18));
    r->setAltGrup(v(19));
    r->setOzelKod(v(20));
    r->setKULLANICIADI(v(21));
    r->setSATICIADI(v(22));
    r->setSATICIMAIL(v(23));
    r->setSATICITELEFON(v(24));
    const CariToplam t = cariToplam(cariHareketleri(db, carino));
    r->setTLBORC(t.borc);
    r->setTLALACAK(t.alacak);
    r->setTLBAKIYE(t.bakiye);
    return r;
}

PostaIstegi postaAlanlari(const Cagri &c, const QString &tur)
{
    PostaIstegi p;
    p.tur = tur;
    p.idsi = c.metin("idsi");
    p.baslik = c.metin("baslik");
    p.firmaadi = c.metin("firmaadi");
    p.adres1 = c.metin("adres1");
    p.adres2 = c.metin("adres2");
    p.ilce = c.metin("ilce");
    p.sehir = c.metin("sehir");
    p.telefon = c.metin("telefon");
    p.fax = c.metin("fax");
    p.vd = c.metin("vd");
    p.vn = c.metin("vn");
    p.yetkili = c.metin("yetkili");
    p.kullaniciadi = c.metin("kullaniciadi");
    p.sifre = c.metin("sifre");
    p.mail = c.metin("mail");
    p.kargoambar = c.metin("kargoambar");
    return p;
}

}  // namespace

void istekMetotlariniKaydet(Dagitici &d, Ortam &o)
{
    Depo &depo = o.depo;

    // The client sends sirano 0; the workstation ID alone finds the dealer.
    d.kaydet("MobilCariBilgisiGetir",
             [&depo](Cagri &c) { c.sonuc(kw::Nesne(mobilCariBilgisi(depo.db(), c.metin("_idsi")))); });

    d.kaydet("MailGonserCari", [&depo](Cagri &c) {
        postaKaydet(depo, postaAlanlari(c, QStringLiteral("sifre")));
        c.sonuc(qint32(1));
    });

    d.kaydet("MailGonserCariNormal", [&depo](Cagri &c) {
        PostaIstegi p = postaAlanlari(c, QStringLiteral("mail"));
        p.konu = c.metin("konu");
        postaKaydet(depo, p);
        c.sonuc(qint32(1));
    });
}

}  // namespace ks
