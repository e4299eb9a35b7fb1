// Promotions: what the admin commands store and the notice methods serve.
//
// Settings (table ayar):
//   kayan_yazi       the scrolling text, simple HTML; blank: none
//   surum            the installer version published in the session record
//   kurulum_dosyasi  the installer file served at /exe/KorvelSetup.exe
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

namespace ks {

inline constexpr const char *kAyarKayanYazi = "kayan_yazi";
inline constexpr const char *kAyarSurum = "surum";
inline constexpr const char *kAyarKurulumDosyasi = "kurulum_dosyasi";

// The link of an opening screen in its stored form: "#KAMPANYA#" and
// "#YENİ#" whatever their case or dotted/dotless I; other texts (a search)
// trimmed; blank for none.
QString baglantiNormal(const QString &arama);

// Why the client's simple HTML reader would drop part of the text (an
// unclosed or mismatched element, a "<" that opens nothing, an unquoted
// value running to the end); empty when it reads the whole text.
QString kayanYaziHatasi(const QString &html);

// A banner picture in its slot's format: slots 1 and 2 GIF (several
// pictures make an animated strip, `gecikmeMs` per frame), slot 3 BMP.
// Empty on failure, with the reason in *hata.
QByteArray bannerResmi(int yer, const QVector<QImage> &resimler, int gecikmeMs, QString *hata);

// An opening-screen picture as JPEG; at most 1920 pixels wide.
QByteArray acilisResmi(const QImage &resim);

// Bytes as two upper-case hexadecimal digits each, without separators.
QString hexYaz(const QByteArray &b);

}  // namespace ks
