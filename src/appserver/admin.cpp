#include "admin.h"

#include "methods/duyuruyonetim.h"
#include "methods/stokarama.h"

#include <QDateTime>
#include <cstdio>

namespace ks {

namespace {

// Workstations and users: which computer logs in as whom.

void satirYaz(const QStringList &alanlar) { std::printf("%s\n", alanlar.join(u'\t').toUtf8().constData()); }

int yonetimHatasi(const QString &m)
{
    std::fprintf(stderr, "korvel-server: %s\n", m.toUtf8().constData());
    return 1;
}

int yonetimKullanimi(const char *k)
{
    std::fprintf(stderr, "usage: korvel-server admin %s\n", k);
    return 2;
}

QString bosDegil(const QString &s) { return s.isNull() ? QStringLiteral("") : s; }

QString kullaniciAdi(const QSqlDatabase &db, qint64 kullaniciId)
{
    Sorgu s(db, QStringLiteral("SELECT adi FROM kullanici WHERE id = ?"));
    s.bagla(kullaniciId).calistir();
    return s.sonraki() ? s.deger(0).toString() : QString();
}

int istasyonKaydet(Depo &d, const QStringList &a)
{
    if (a.size() < 2)
        return yonetimKullanimi("register USER WORKSTATION-ID [NOTE…]");
    const QString kullanici = a[0];
    // The client sends its ID without blanks; a blank one would let every
    // computer without an ID in.
    const QString id = a[1].trimmed();
    if (id.isEmpty())
        return yonetimHatasi(QStringLiteral("workstation ID must not be empty"));
    Islem t(d);
    // The exact name, or else the one name that differs only in case (user
    // names are kept in capitals, as the login dialog types them).
    Sorgu bul(t.db(), QStringLiteral("SELECT id FROM kullanici WHERE adi = ? UNION ALL "
                                     "SELECT id FROM kullanici WHERE upper(adi) = upper(?) AND adi <> ? "
                                     "AND (SELECT count(*) FROM kullanici WHERE upper(adi) = upper(?)) = 1"));
    bul.bagla({kullanici, kullanici, kullanici, kullanici}).calistir();
    if (!bul.sonraki())
        return yonetimHatasi(QStringLiteral("unknown user: %1").arg(kullanici));
    const qint64 kullaniciId = bul.deger(0).toLongLong();
    calistir(t.db(), QStringLiteral(
        "INSERT INTO istasyon(bilgisayar_id, kullanici_id, kayit_tarihi, aciklama) VALUES(?, ?, ?, ?) "
        "ON CONFLICT(bilgisayar_id) DO UPDATE SET kullanici_id = excluded.kullanici_id, "
        "kayit_tarihi = excluded.kayit_tarihi, aciklama = excluded.aciklama"),
             {id, kullaniciId, QDateTime::currentDateTime().toString(Qt::ISODate), bosDegil(a.mid(2).join(u' '))});
    t.onayla();
    satirYaz({QStringLiteral("registered"), id, kullaniciAdi(t.db(), kullaniciId)});
    return 0;
}

int istasyonSil(Depo &d, const QStringList &a)
{
    if (a.size() != 1)
        return yonetimKullanimi("unregister WORKSTATION-ID");
    Islem t(d);
    Sorgu sil(t.db(), QStringLiteral("DELETE FROM istasyon WHERE bilgisayar_id = ?"));
    sil.bagla(a[0].trimmed()).calistir();
    if (sil.etkilenen() < 1)
        return yonetimHatasi(QStringLiteral("no such workstation: %1").arg(a[0]));
    t.onayla();
    satirYaz({QStringLiteral("unregistered"), a[0].trimmed()});
    return 0;
}

// ID, user, user type, dealer code, registration date.
int istasyonlariListele(Depo &d, const QStringList &a)
{
    if (!a.isEmpty())
        return yonetimKullanimi("workstations");
    Sorgu s(d, QStringLiteral(
        "SELECT i.bilgisayar_id, k.adi, k.tip, COALESCE(c.kod, ''), i.kayit_tarihi, i.aciklama FROM istasyon i "
        "JOIN kullanici k ON k.id = i.kullanici_id LEFT JOIN cari c ON c.id = k.cari_id ORDER BY k.adi, i.bilgisayar_id"));
    s.calistir();
    while (s.sonraki())
        satirYaz({s.deger(0).toString(), s.deger(1).toString(), s.deger(2).toString(), s.deger(3).toString(),
                  s.deger(4).toString(), s.deger(5).toString()});
    return 0;
}

// Name, user type, active or not, dealer code.
int kullanicilariListele(Depo &d, const QStringList &a)
{
    if (!a.isEmpty())
        return yonetimKullanimi("users");
    Sorgu s(d, QStringLiteral("SELECT k.adi, k.tip, k.aktif, COALESCE(c.kod, ''), COALESCE(c.adi, '') FROM kullanici k "
                              "LEFT JOIN cari c ON c.id = k.cari_id ORDER BY k.adi"));
    s.calistir();
    while (s.sonraki())
        satirYaz({s.deger(0).toString(), s.deger(1).toString(),
                  s.deger(2).toInt() ? QStringLiteral("active") : QStringLiteral("inactive"), s.deger(3).toString(),
                  s.deger(4).toString()});
    return 0;
}

}  // namespace

const std::vector<YonetimKomutu> &yonetimKomutlari()
{
    static const std::vector<YonetimKomutu> komutlar = {
        // Promotions and the installer.
        {"surum", "N", "publish installer version N (the client updates when it differs from its own)", yonetSurum},
        {"kayan-yazi", "HTML…", "set the scrolling text (simple HTML); no text removes it", yonetKayanYazi},
        {"banner-ayarla", "N FILE [FILE…] [--gecikme MS]",
         "set banner N from pictures: 1 header and 2 strip as GIF (several pictures animate), 3 bottom as BMP",
         yonetBannerAyarla},
        {"banner-sil", "N", "remove banner N (1, 2 or 3)", yonetBannerSil},
        {"acilis-ekle", "FILE TITLE [LINK]",
         "add an opening screen (picture stored as JPEG); LINK #KAMPANYA#, #YENİ# or a search text", yonetAcilisEkle},
        {"acilis-sil", "NO", "remove opening screen NO", yonetAcilisSil},
        {"acilis-liste", "", "list the opening screens", yonetAcilisListe},
        {"kurulum-dosyasi", "FILE | --kaldir", "serve FILE at /exe/KorvelSetup.exe, or stop serving it",
         yonetKurulumDosyasi},
        {"iletisim", "firma|adres|telefon|mail TEXT…", "set a line of the contact page", yonetIletisim},
        // Stock search.
        {"arama-dizini", "", "rebuild the stock search index from the stock table (after bulk loads or for repair)",
         [](Depo &d, const QStringList &) {
             aramaDiziniYenile(d);
             return 0;
         }},
        // Workstations and users.
        {"register", "USER WORKSTATION-ID [NOTE…]", "let the computer with this ID log in as USER (replaces an earlier registration)",
         istasyonKaydet},
        {"unregister", "WORKSTATION-ID", "remove the registration of a computer", istasyonSil},
        {"workstations", "", "list registered computers: ID, user, user type, dealer code, date, note", istasyonlariListele},
        {"users", "", "list users: name, user type, active or inactive, dealer code and name", kullanicilariListele},
    };
    return komutlar;
}

int yonetimKomutu(Depo &d, const QStringList &args)
{
    const QString ad = args.value(0);
    for (const YonetimKomutu &k : yonetimKomutlari())
        if (ad == QLatin1String(k.ad))
            return k.calistir(d, args.mid(1));
    std::fprintf(ad.isEmpty() || ad == QLatin1String("help") ? stdout : stderr,
                 "usage: korvel-server [--db FILE] admin <command> …\n\ncommands:\n");
    for (const YonetimKomutu &k : yonetimKomutlari())
        std::fprintf(stdout, "  %s %s\n      %s\n", k.ad, k.kullanim, k.aciklama);
    return ad.isEmpty() || ad == QLatin1String("help") ? 0 : 2;
}

}  // namespace ks
