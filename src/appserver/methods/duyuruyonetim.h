// Admin commands that publish promotions and the installer
// (`korvel-server admin <command> …`); each returns the process exit code.
#pragma once

#include <QStringList>

namespace ks {

class Depo;

int yonetSurum(Depo &d, const QStringList &a);          // surum N
int yonetKayanYazi(Depo &d, const QStringList &a);      // kayan-yazi HTML…
int yonetBannerAyarla(Depo &d, const QStringList &a);   // banner-ayarla N FILE [FILE…] [--gecikme MS]
int yonetBannerSil(Depo &d, const QStringList &a);      // banner-sil N
int yonetAcilisEkle(Depo &d, const QStringList &a);     // acilis-ekle FILE TITLE [LINK]
int yonetAcilisSil(Depo &d, const QStringList &a);      // acilis-sil NO
int yonetAcilisListe(Depo &d, const QStringList &a);    // acilis-liste
int yonetKurulumDosyasi(Depo &d, const QStringList &a); // kurulum-dosyasi FILE | --kaldir
int yonetIletisim(Depo &d, const QStringList &a);       // iletisim firma|adres|telefon|mail TEXT

}  // namespace ks
