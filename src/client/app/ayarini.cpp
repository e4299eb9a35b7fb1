// "ayar.ini"; see ayarini.h.
#include "ayarini.h"

#include "utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kBolum = QStringLiteral("kullanici");
const QString kIsim = QStringLiteral("isim");
const QString kSifre = QStringLiteral("sifre");
const QString kHatirla = QStringLiteral("hatırla");

// Windows-1254 differs from Latin-1 above 0x9F only in six Turkish letters.
QString windows1254(const QByteArray &veri)
{
    QString s = QString::fromLatin1(veri);
    for (QChar &c : s) {
        switch (c.unicode()) {
        case 0xD0: c = QChar(0x011E); break;   // Ğ
        case 0xDD: c = QChar(0x0130); break;   // İ
        case 0xDE: c = QChar(0x015E); break;   // Ş
        case 0xF0: c = QChar(0x011F); break;   // ğ
        case 0xFD: c = QChar(0x0131); break;   // ı
        case 0xFE: c = QChar(0x015F); break;   // ş
        default: break;
        }
    }
    return s;
}

QString bolumAdi(const QString &satir)
{
    const QString t = satir.trimmed();
    if (t.size() >= 2 && t.startsWith(u'[') && t.endsWith(u']'))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool yorumMu(const QString &satir)
{
    const QString t = satir.trimmed();
    return t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#');
}

bool ayniAd(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Reads an INI boolean as Windows programs do: an integer, 0 is false.
bool mantik(const QString &metin, bool varsayilan)
{
    bool ok = false;
    const int v = metin.trimmed().toInt(&ok);
    return ok ? v != 0 : varsayilan;
}

}  // namespace

IniMetni IniMetni::coz(const QByteArray &veri)
{
    QByteArray b = veri;
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString metin = utf8(b);
    if (utf8.hasError())
        metin = windows1254(b);
    metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    metin.replace(u'\r', u'\n');
    IniMetni m;
    m.satirlar_ = metin.split(u'\n');
    if (!m.satirlar_.isEmpty() && m.satirlar_.last().isEmpty())
        m.satirlar_.removeLast();
    return m;
}

int IniMetni::bolumBasi(const QString &bolum) const
{
    for (int i = 0; i < satirlar_.size(); ++i) {
        const QString ad = bolumAdi(satirlar_[i]);
        if (!ad.isEmpty() && ayniAd(ad, bolum))
            return i;
    }
    return -1;
}

int IniMetni::bolumSonu(int bas) const
{
    int i = bas + 1;
    while (i < satirlar_.size() && bolumAdi(satirlar_[i]).isEmpty())
        ++i;
    return i;
}

int IniMetni::anahtarSatiri(int bas, int son, const QString &anahtar) const
{
    for (int i = bas + 1; i < son; ++i) {
        if (yorumMu(satirlar_[i]))
            continue;
        const qsizetype esit = satirlar_[i].indexOf(u'=');
        if (esit > 0 && ayniAd(satirlar_[i].left(esit).trimmed(), anahtar))
            return i;
    }
    return -1;
}

QString IniMetni::oku(const QString &bolum, const QString &anahtar, const QString &varsayilan) const
{
    const int bas = bolumBasi(bolum);
    if (bas < 0)
        return varsayilan;
    const int satir = anahtarSatiri(bas, bolumSonu(bas), anahtar);
    if (satir < 0)
        return varsayilan;
    const QString &s = satirlar_[satir];
    return s.mid(s.indexOf(u'=') + 1).trimmed();
}

bool IniMetni::varMi(const QString &bolum, const QString &anahtar) const
{
    const int bas = bolumBasi(bolum);
    return bas >= 0 && anahtarSatiri(bas, bolumSonu(bas), anahtar) >= 0;
}

void IniMetni::yaz(const QString &bolum, const QString &anahtar, const QString &deger)
{
    const QString yeni = anahtar + u'=' + deger;
    int bas = bolumBasi(bolum);
    if (bas < 0) {
        if (!satirlar_.isEmpty() && !satirlar_.last().trimmed().isEmpty())
            satirlar_.append(QString());
        satirlar_.append(u'[' + bolum + u']');
        satirlar_.append(yeni);
        return;
    }
    const int son = bolumSonu(bas);
    const int satir = anahtarSatiri(bas, son, anahtar);
    if (satir >= 0) {
        satirlar_[satir] = yeni;
        return;
    }
    // After the section's last key, before any blank lines that part it
    // from the next section.
    int yer = son;
    while (yer > bas + 1 && satirlar_[yer - 1].trimmed().isEmpty())
        --yer;
    satirlar_.insert(yer, yeni);
}

QByteArray IniMetni::utf8() const
{
    QByteArray b;
    for (const QString &s : satirlar_) {
        b += s.toUtf8();
        b += '\n';
    }
    return b;
}

QString AyarDosyasiYolu()
{
    const QString klasor = AyarKlasoru();
    if (klasor.isEmpty())
        return {};
    return klasor + QStringLiteral("/ayar.ini");
}

bool AyarDosyasiOku(const QString &yol, GirisAyari *ayar)
{
    QFile f(yol);
    if (yol.isEmpty() || !f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    const IniMetni ini = IniMetni::coz(f.readAll());
    ayar->hatirla = mantik(ini.oku(kBolum, kHatirla, QStringLiteral("1")), true);
    ayar->isim = ini.oku(kBolum, kIsim);
    ayar->sifre = ini.oku(kBolum, kSifre);
    return true;
}

bool AyarDosyasiYaz(const QString &yol, const GirisAyari &ayar)
{
    if (yol.isEmpty())
        return false;
    IniMetni ini;
    QFile eski(yol);
    if (eski.open(QIODevice::ReadOnly))
        ini = IniMetni::coz(eski.readAll());
    eski.close();
    ini.yaz(kBolum, kIsim, ayar.isim);
    // A password the user did not ask to remember is not kept on disk.
    ini.yaz(kBolum, kSifre, ayar.hatirla ? ayar.sifre : QString());
    ini.yaz(kBolum, kHatirla, ayar.hatirla ? QStringLiteral("1") : QStringLiteral("0"));
    const QByteArray veri = ini.utf8();

    // A private temporary file in the same folder, renamed over the old one:
    // the file is never readable by others, not even for a moment, and a
    // crash leaves either the old or the new content.
    const QByteArray hedef = QFile::encodeName(yol);
    const QByteArray gecici = hedef + ".yeni";
    ::unlink(gecici.constData());
    const int fd = ::open(gecici.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return false;
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    qsizetype yazilan = 0;
    while (yazilan < veri.size()) {
        const ssize_t n = ::write(fd, veri.constData() + yazilan, size_t(veri.size() - yazilan));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            ::unlink(gecici.constData());
            return false;
        }
        yazilan += n;
    }
    const bool yazildi = ::fsync(fd) == 0;
    const bool tamam = ::close(fd) == 0 && yazildi;
    if (!tamam || ::rename(gecici.constData(), hedef.constData()) != 0) {
        ::unlink(gecici.constData());
        return false;
    }
    return true;
}
