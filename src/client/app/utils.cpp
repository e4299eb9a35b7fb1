// Shared helpers of every window; see utils.h.
#include "utils.h"

#include "tutar.h"

#include "baglanti.h"
#include "mesajgoster.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#ifndef KORVEL_WEB_BASE
#define KORVEL_WEB_BASE "http://localhost:8080/"
#endif

QString BaglantiHatasiMetni() { return QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"); }

void DuzMesaj(const QString &metin)
{
    // The "custom" type of the message dialog is the plain box: the
    // application title, no icon, no sound.
    kt::MesajGoster(metin, kt::MesajTipi::Ozel, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
}

bool BaglantiAc(TBaglanti &baglanti, int sonMesaj)
{
    constexpr int kDeneme = 11;
    constexpr unsigned long kBekleme = 500;
    baglanti.Close();
    for (int i = 0; i < kDeneme; ++i) {
        QString hata;
        try {
            baglanti.Open();
            return true;
        } catch (const EUzakHata &e) {
            hata = e.mesaj();
        } catch (const std::exception &e) {
            hata = QString::fromUtf8(e.what());
        }
        DuzMesaj(hata);
        baglanti.Close();
        QThread::msleep(kBekleme);
    }
    if (sonMesaj == 1)
        kt::MesajGoster(BaglantiHatasiMetni(), kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
    return false;
}

QString BelgelerKlasoru()
{
    const QString yol = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (yol.isEmpty())
        return {};
    QString temiz = QDir::cleanPath(yol);
    while (temiz.size() > 1 && temiz.endsWith(u'/'))
        temiz.chop(1);
    return temiz;
}

double Yuvarla(double deger) { return kw::yuvarla(deger); }

QString GuncellemeNotu(int sunucuSurumu)
{
    return QStringLiteral("Korvel Otomotiv B2B Programının\nYeni versiyonu indirilecektir\nLütfen Bekleyiniz...!\nVersion: ")
           + QString::number(sunucuSurumu) + u'-' + QString::number(kProgramSurumu);
}

QString SunucuHostAdi() { return sunucuAdresi().host; }
int SunucuPortu() { return sunucuAdresi().port; }

QString WebAdresi()
{
    QString a = qEnvironmentVariable("KORVEL_WEB").trimmed();
    if (a.isEmpty())
        a = QStringLiteral(KORVEL_WEB_BASE);
    if (!a.endsWith(u'/'))
        a += u'/';
    return a;
}

QString ResimServisAdresi() { return WebAdresi() + QStringLiteral("resimcoklu.ashx"); }

QString WebSitesiAdresi()
{
    const QUrl u(WebAdresi());
    QString host = u.host();
    const bool alanAdi = host.contains(u'.') && !host.front().isDigit();
    if (alanAdi && !host.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        host.prepend(QStringLiteral("www."));
    if (u.port() > 0)
        host += u':' + QString::number(u.port());
    return host;
}

namespace {
QMutex bitirmeKilidi;
std::function<void()> &bitirmeKancasi()
{
    static std::function<void()> k;
    return k;
}
}  // namespace

void ProgramBitirmeKancasiKur(std::function<void()> kanca)
{
    QMutexLocker kilit(&bitirmeKilidi);
    bitirmeKancasi() = std::move(kanca);
}

void ProgramiBitir()
{
    std::function<void()> k;
    {
        QMutexLocker kilit(&bitirmeKilidi);
        k = bitirmeKancasi();
    }
    if (k) {
        k();
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(0);
}
