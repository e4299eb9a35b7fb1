// The connection to the application server (`bagc` on the main window and
// its copies). It holds the settings, is opened right before a call and
// closed after it. A connection belongs to one thread.
#pragma once

#include "tasiyici.h"
#include "uzakhata.h"

#include <QMap>
#include <QString>
#include <memory>

struct SunucuAdresi {
    QString host;
    int port = 0;
    bool operator==(const SunucuAdresi &) const = default;
};

// The server the client talks to: the compiled-in host and port, unless the
// environment variable KORVEL_SERVER ("host" or "host:port") names another.
SunucuAdresi sunucuAdresi();
// The rule above as a pure function; an unusable port keeps the default.
SunucuAdresi sunucuAdresiCoz(const QString &ortam, const SunucuAdresi &varsayilan);

class TBaglanti {
public:
    TBaglanti();                                        // over HTTP
    explicit TBaglanti(std::unique_ptr<Tasiyici> tasiyici);
    ~TBaglanti();
    TBaglanti(const TBaglanti &) = delete;
    TBaglanti &operator=(const TBaglanti &) = delete;

    QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
    bool LoginPrompt = false;
    // "DriverName", "HostName", "Port", "DatasnapContext",
    // "CommunicationProtocol", "DSProxyPort", "Filters".
    QMap<QString, QString> Params;

    // Connects to HostName:Port; throws EUzakHata when nothing answers.
    void Open();
    void Close();
    bool Connected() const { return acik_; }
    // Same settings and kind of transport, not connected.
    std::unique_ptr<TBaglanti> CloneConnection() const;

    // One raw call of a server method: POST the body, return the answer as
    // it came. Throws EUzakHata when closed or when no answer came.
    HttpYanit gonder(const QString &metot, const QByteArray &govde);

private:
    std::unique_ptr<Tasiyici> tasiyici_;
    bool acik_ = false;
};
