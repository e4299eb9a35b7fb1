// Starts a real korvel-server process on free loopback ports with a
// temporary store, for tests that talk to it over the wire.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace kt {

class SunucuSureci {
public:
    // `demo` stock items of demo data (0 for an empty store); `ekArgumanlar`
    // are passed on unchanged.
    explicit SunucuSureci(int demo = 300, const QStringList &ekArgumanlar = {});
    ~SunucuSureci();

    // Starts the server and waits until it listens; false on failure, with
    // the reason in hata().
    bool baslat();
    void durdur();
    bool calisiyor() const;

    int port() const { return port_; }
    int webPort() const { return webPort_; }
    QString dbYolu() const { return dbYolu_; }
    QString hata() const { return hata_; }
    QString klasor() const { return dir_.path(); }

    // Runs `korvel-server --db <store> admin …` and returns its exit code.
    int yonetim(const QStringList &args, QByteArray *cikti = nullptr) const;

    // One raw call: POST the body, give back the status and the answer body.
    int cagir(const QString &metot, const QByteArray &govde, QByteArray *cevap) const;
    // A GET on the web port.
    int webGet(const QString &yolVeSorgu, QByteArray *govde, QString *icerikTipi = nullptr) const;

    static QString sunucuProgrami();

private:
    QTemporaryDir dir_;
    QString dbYolu_;
    QStringList args_;
    std::unique_ptr<QProcess> p_;
    int port_ = 0;
    int webPort_ = 0;
    QString hata_;
};

}  // namespace kt
