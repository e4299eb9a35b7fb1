// The login's settings file "ayar.ini": a Windows-style INI text, written as
// UTF-8 so that its key "hatırla" reads the same in any INI reader.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A minimal INI text that keeps the lines it does not change. Sections and
// keys match without regard to case; values are trimmed, as Windows reads
// them.
class IniMetni {
public:
    // Tolerant: a UTF-8 byte-order mark, CRLF or LF, and text that is not
    // UTF-8 (read as Windows-1254, the Turkish ANSI page) are all accepted.
    static IniMetni coz(const QByteArray &veri);

    QString oku(const QString &bolum, const QString &anahtar, const QString &varsayilan = {}) const;
    bool varMi(const QString &bolum, const QString &anahtar) const;
    void yaz(const QString &bolum, const QString &anahtar, const QString &deger);

    QByteArray utf8() const;   // LF line ends, no byte-order mark

private:
    int bolumBasi(const QString &bolum) const;   // index of "[bolum]", -1 when absent
    int bolumSonu(int bas) const;                 // index after the section's last line
    int anahtarSatiri(int bas, int son, const QString &anahtar) const;

    QStringList satirlar_;
};

// What the login remembers.
struct GirisAyari {
    QString isim;
    QString sifre;
    bool hatirla = true;
};

QString AyarDosyasiYolu();   // AyarKlasoru() + "/ayar.ini"

// False when the file does not exist (nothing to take over).
bool AyarDosyasiOku(const QString &yol, GirisAyari *ayar);
// Writes the three keys of section "kullanici", keeping any other content.
// The password is written only when `hatirla` is set (empty otherwise). The
// file is replaced atomically and readable by its owner only.
bool AyarDosyasiYaz(const QString &yol, const GirisAyari &ayar);
