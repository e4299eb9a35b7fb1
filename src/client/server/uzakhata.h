// The one exception of the remote call layer: the connection could not be
// opened, the transport failed, the server refused the call or its answer
// could not be read.
#pragma once

#include <QString>
#include <stdexcept>

class EUzakHata : public std::runtime_error {
public:
    // `durum` is the HTTP status of the answer; 0 when no answer came.
    explicit EUzakHata(const QString &mesaj, int durum = 0)
        : std::runtime_error(mesaj.toStdString()), mesaj_(mesaj), durum_(durum) {}

    const QString &mesaj() const { return mesaj_; }
    int durum() const { return durum_; }

private:
    QString mesaj_;
    int durum_;
};
