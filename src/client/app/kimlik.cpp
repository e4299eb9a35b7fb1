// Workstation identity on Linux: names from the C library, the disk serial
// from sysfs and udev, the adapter address from sysfs.
#include "utils.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <arpa/inet.h>
#include <mutex>
#include <netdb.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#ifndef KORVEL_KIMLIK_SERI1
#define KORVEL_KIMLIK_SERI1 ""
#endif
#ifndef KORVEL_KIMLIK_SERI2
#define KORVEL_KIMLIK_SERI2 ""
#endif
#ifndef KORVEL_KIMLIK_SABIT
#define KORVEL_KIMLIK_SABIT ""
#endif

namespace kimlik {

namespace {

std::mutex ikameKilidi;
Ikame ikameDegeri{QStringLiteral(KORVEL_KIMLIK_SERI1), QStringLiteral(KORVEL_KIMLIK_SERI2),
                  QStringLiteral(KORVEL_KIMLIK_SABIT)};

constexpr int kAdSiniri = 15;
const QString kSifirMac = QStringLiteral("00-00-00-00-00-00");

QString oku(const QString &yol)
{
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.read(4096)).trimmed();
}

// Folder entries in a stable order: nvme0n1 < nvme1n1 < nvme10n1 < sda < sdb.
QStringList siraliGirdiler(const QString &klasor)
{
    QStringList l = QDir(klasor).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    QCollator c;
    c.setNumericMode(true);
    std::sort(l.begin(), l.end(), [&](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
    return l;
}

QString normal(const QString &s) { return bosluksuz(s.trimmed()).toUpper(); }

// The by-id links of one disk, best first: ata-, then nvme-, then scsi-,
// shorter names before their namespace variants ("…_1").
QString byIdSeriBul(const QString &byId, const QString &disk)
{
    struct Aday {
        int oncelik;
        QString ad;
    };
    static const QStringList onekler{QStringLiteral("ata-"), QStringLiteral("nvme-"), QStringLiteral("scsi-")};
    std::vector<Aday> adaylar;
    const QDir d(byId);
    for (const QString &ad : d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        const QFileInfo fi(d.filePath(ad));
        if (!fi.isSymLink() || QFileInfo(fi.symLinkTarget()).fileName() != disk)
            continue;
        for (int i = 0; i < onekler.size(); ++i)
            if (ad.startsWith(onekler[i]) && !byIdSeri(ad).isEmpty())
                adaylar.push_back({i, ad});
    }
    std::sort(adaylar.begin(), adaylar.end(), [](const Aday &a, const Aday &b) {
        return a.oncelik != b.oncelik ? a.oncelik < b.oncelik
                                      : (a.ad.size() != b.ad.size() ? a.ad.size() < b.ad.size() : a.ad < b.ad);
    });
    return adaylar.empty() ? QString() : byIdSeri(adaylar.front().ad);
}

}  // namespace

Ikame ikame()
{
    std::lock_guard<std::mutex> k(ikameKilidi);
    return ikameDegeri;
}

void ikameAyarla(const Ikame &i)
{
    std::lock_guard<std::mutex> k(ikameKilidi);
    ikameDegeri = i;
}

QString adSiniri(const QString &ad) { return ad.size() > kAdSiniri ? QString() : ad; }

QString bosluksuz(const QString &s)
{
    QString r = s;
    r.remove(u' ');
    return r;
}

QString ikameUygula(const QString &id, const Ikame &i)
{
    const QString sabit = i.kimlik.trimmed();
    if (id.isEmpty() || sabit.isEmpty())
        return id;
    for (const QString &seri : {i.seri1, i.seri2}) {
        const QString s = normal(seri);
        if (!s.isEmpty() && s == id.toUpper())
            return sabit;
    }
    return id;
}

QString kimlikOlustur(const QString &diskSeri, const QString &mac, const Ikame &i)
{
    QString id = diskSeri.trimmed();
    if (id.isEmpty())
        id = mac.trimmed();
    return ikameUygula(bosluksuz(id), i);
}

QString macBicimle(const QString &adres)
{
    const QStringList parcalar = adres.trimmed().split(u':');
    if (parcalar.size() != 6)
        return {};
    QStringList r;
    for (const QString &p : parcalar) {
        bool ok = false;
        const uint b = p.toUInt(&ok, 16);
        if (!ok || p.size() > 2 || b > 0xff)
            return {};
        r << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    }
    return r.join(u'-');
}

QString byIdSeri(const QString &ad)
{
    static const QRegularExpression bolum(QStringLiteral("-part\\d+$"));
    if (!(ad.startsWith(QLatin1String("ata-")) || ad.startsWith(QLatin1String("nvme-")) ||
          ad.startsWith(QLatin1String("scsi-"))))
        return {};
    if (bolum.match(ad).hasMatch())
        return {};
    // <bus>-<model>_<serial>; names without a model part (nvme-eui.…,
    // scsi-3…) are world-wide names, not serials.
    const qsizetype alt = ad.lastIndexOf(u'_');
    if (alt < 0)
        return {};
    return ad.mid(alt + 1);
}

QString udevSeri(const QByteArray &kayit)
{
    for (const QByteArray &satir : kayit.split('\n'))
        if (satir.startsWith("E:ID_SERIAL_SHORT="))
            return QString::fromUtf8(satir.mid(18)).trimmed();
    return {};
}

QString diskSeriBul(const QString &sysBlock, const QString &byId, const QString &udevData)
{
    for (const QString &disk : siraliGirdiler(sysBlock)) {
        const QString kok = sysBlock + u'/' + disk;
        // Physical disks have a device; loop, ram, dm and md devices do not.
        // Removable media (USB sticks, optical drives) do not identify the computer.
        if (!QFileInfo::exists(kok + QStringLiteral("/device")) || oku(kok + QStringLiteral("/removable")) == u"1")
            continue;
        QString s = oku(kok + QStringLiteral("/device/serial"));
        if (s.isEmpty())
            s = oku(kok + QStringLiteral("/serial"));
        if (s.isEmpty()) {
            const QString aygit = oku(kok + QStringLiteral("/dev"));
            if (!aygit.isEmpty()) {
                QFile f(udevData + QStringLiteral("/b") + aygit);
                if (f.open(QIODevice::ReadOnly))
                    s = udevSeri(f.readAll());
            }
        }
        if (s.isEmpty())
            s = byIdSeriBul(byId, disk);
        if (!s.isEmpty())
            return s.toUpper();
    }
    return {};
}

QString macBul(const QString &sysNet)
{
    // Adapters on a bus first: a virtual interface's address may change
    // from one boot to the next.
    QStringList fiziksel, sanal;
    for (const QString &ad : siraliGirdiler(sysNet)) {
        const QString kok = sysNet + u'/' + ad;
        if (ad == u"lo" || oku(kok + QStringLiteral("/type")) == u"772")   // loopback
            continue;
        (QFileInfo::exists(kok + QStringLiteral("/device")) ? fiziksel : sanal) << kok;
    }
    QString sonuc;
    for (const QString &kok : fiziksel + sanal) {
        const QString m = macBicimle(oku(kok + QStringLiteral("/address")));
        if (m.isEmpty())
            continue;
        sonuc = m;
        if (sonuc != kSifirMac)
            break;
    }
    return sonuc;
}

}  // namespace kimlik

QString BilgisayarAdiAl()
{
    char ad[256] = {};
    if (gethostname(ad, sizeof ad - 1) != 0)
        return {};
    return kimlik::adSiniri(QString::fromLocal8Bit(ad));
}

QString KullaniciAdiAl()
{
    std::vector<char> tampon(16384);
    passwd pw{};
    passwd *sonuc = nullptr;
    if (getpwuid_r(geteuid(), &pw, tampon.data(), tampon.size(), &sonuc) != 0 || !sonuc || !sonuc->pw_name)
        return {};
    return kimlik::adSiniri(QString::fromLocal8Bit(sonuc->pw_name));
}

QString IcIpAl()
{
    const QString yedek = QStringLiteral("127.0.0.1");
    char ad[257] = {};
    if (gethostname(ad, sizeof ad - 1) != 0)
        return yedek;
    addrinfo ipucu{};
    ipucu.ai_family = AF_INET;
    ipucu.ai_socktype = SOCK_STREAM;
    addrinfo *liste = nullptr;
    if (getaddrinfo(ad, nullptr, &ipucu, &liste) != 0 || !liste)
        return yedek;
    QString sonuc = yedek;
    char metin[INET_ADDRSTRLEN] = {};
    const auto *a = reinterpret_cast<const sockaddr_in *>(liste->ai_addr);
    if (inet_ntop(AF_INET, &a->sin_addr, metin, sizeof metin))
        sonuc = QString::fromLatin1(metin);
    freeaddrinfo(liste);
    return sonuc;
}

QString DiskSeriNoAl()
{
    const QString s = kimlik::diskSeriBul(QStringLiteral("/sys/block"), QStringLiteral("/dev/disk/by-id"),
                                          QStringLiteral("/run/udev/data"));
    if (s.isEmpty())
        throw std::runtime_error("Disk seri numarası bulunamadı");
    return s;
}

QString MacAdresiAl() { return kimlik::macBul(QStringLiteral("/sys/class/net")); }

QString BilgisayarIdAl()
{
    QString disk, mac;
    try {
        disk = DiskSeriNoAl();
    } catch (...) {
    }
    if (disk.trimmed().isEmpty()) {
        try {
            mac = MacAdresiAl();
        } catch (...) {
        }
    }
    return kimlik::kimlikOlustur(disk, mac, kimlik::ikame());
}

QString AyarKlasoru()
{
    const QString kok = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (kok.isEmpty())
        return {};
    const QString yol = QDir::cleanPath(kok + QStringLiteral("/korveloto"));
    QDir().mkpath(yol);
    return yol;
}
