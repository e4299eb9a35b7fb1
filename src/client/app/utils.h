// Helpers that every window uses.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

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

// ---------------------------------------------------------------------------
// Shared helpers (utils.cpp, library korvelapp)
//
// The message dialog is the toolkit's kt::MesajGoster (mesajgoster.h); the
// dataset checks below are the toolkit's own, named here so that windows
// find every helper in one place.
// ---------------------------------------------------------------------------

class TBaglanti;
namespace kt {
class VeriSeti;
void FormatAyarla(VeriSeti &ds);
bool KayitVarmi(const VeriSeti &ds);
bool SeciliVarmi(VeriSeti &ds);
}  // namespace kt
using kt::FormatAyarla;   // "#,###,##0.00" on every plain floating-point field
using kt::KayitVarmi;     // open and not empty
using kt::SeciliVarmi;    // cursor on the first row whose "SEC" is 1

// The client's own installer version; the server publishes the one it
// expects in the session record.
inline constexpr int kProgramSurumu = 5;

// The message of every failed connection or load.
QString BaglantiHatasiMetni();   // "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"

// Opens `baglanti` with up to 11 attempts 500 ms apart. Each failure shows
// its text in a plain box (through the UI thread when called from a worker,
// which waits for the box to close). After the last failure a `sonMesaj` of
// 1 adds the Turkish connection message. Any thread; blocks it meanwhile.
bool BaglantiAc(TBaglanti &baglanti, int sonMesaj);

// A plain box: the application title, the text, OK. Any thread.
void DuzMesaj(const QString &metin);

// The user's Documents folder without a trailing separator; empty when the
// system names none.
QString BelgelerKlasoru();

// Two decimals, halves away from zero, decided on the value's shortest
// decimal form: 2.675 (held as 2.67499999…) gives 2.68.
double Yuvarla(double deger);

// The notice shown when the server publishes another installer version.
QString GuncellemeNotu(int sunucuSurumu);

// Server addresses, fixed at build time (KORVEL_SERVER / KORVEL_WEB override
// them for tests and staging): the application server's host name, the
// distributor's web base address (ending in "/"), its picture service and
// the address shown as the web-site menu item.
QString SunucuHostAdi();
int SunucuPortu();
QString WebAdresi();
QString ResimServisAdresi();
QString WebSitesiAdresi();

// Ends the process at once with exit code 0, after flushing the standard
// streams; nothing else of the shutdown runs. Tests set a hook that is
// called instead, and then the caller returns as if the process had ended.
void ProgramiBitir();
void ProgramBitirmeKancasiKur(std::function<void()> kanca);
