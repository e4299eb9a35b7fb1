// Helpers that every window uses.
#pragma once

#include <QByteArray>
#include <QString>

// ---------------------------------------------------------------------------
// Workstation identity (kimlik.cpp)
//
// What identifies this computer and its user to the server. Only
// DiskSeriNoAl throws (std::runtime_error); the others give an empty text,
// or "127.0.0.1" for the internal address, when the system tells nothing.
// ---------------------------------------------------------------------------

QString BilgisayarAdiAl();   // host name; empty when longer than 15 characters
QString KullaniciAdiAl();    // user name of the process; empty when longer than 15
QString IcIpAl();            // first IPv4 address of the own host name
QString DiskSeriNoAl();      // serial of the first physical disk, upper case
QString MacAdresiAl();       // "AA-BB-CC-DD-EE-FF"; empty when there is no adapter
QString BilgisayarIdAl();    // the workstation ID the server knows this computer by
QString AyarKlasoru();       // per-user settings folder, created when missing

namespace kimlik {

// Site data: two disk serials that count as one workstation under a fixed
// ID. Empty by default; filled from the build (KORVEL_KIMLIK_SERI1,
// KORVEL_KIMLIK_SERI2, KORVEL_KIMLIK_SABIT) or set at start-up.
struct Ikame {
    QString seri1, seri2, kimlik;
};
Ikame ikame();
void ikameAyarla(const Ikame &i);

// The pure rules behind the functions above.
QString adSiniri(const QString &ad);                 // empty when longer than 15
QString bosluksuz(const QString &s);                 // every blank removed
QString ikameUygula(const QString &id, const Ikame &i);
// Steps of the workstation ID from the disk serial (empty when the disk
// gave none) and the adapter address.
QString kimlikOlustur(const QString &diskSeri, const QString &mac, const Ikame &i);
// "aa:bb:cc:dd:ee:ff" → "AA-BB-CC-DD-EE-FF"; empty unless six bytes.
QString macBicimle(const QString &adres);
// The serial in a /dev/disk/by-id name (ata-, nvme-, scsi-); empty otherwise.
QString byIdSeri(const QString &ad);
// ID_SERIAL_SHORT of a udev database record.
QString udevSeri(const QByteArray &kayit);

// The searches over the system's folders, with the roots as arguments so a
// test can lay out its own: /sys/block, /dev/disk/by-id, /run/udev/data and
// /sys/class/net.
QString diskSeriBul(const QString &sysBlock, const QString &byId, const QString &udevData);
QString macBul(const QString &sysNet);

}  // namespace kimlik
