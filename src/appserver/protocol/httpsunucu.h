// The two listening sockets of the server: the remote-method port and the
// distributor's web site port, each served by a thread pool.
#pragma once

#include "dagitici.h"

#include <QString>
#include <memory>
#include <thread>

namespace httplib { class Server; }

namespace ks {

struct SunucuAyarlari {
    QString adres = QStringLiteral("0.0.0.0");
    int port = 9090;           // 0 picks a free port
    int webPort = 8080;        // 0 picks a free port
    int isParcacigi = 64;      // every keep-alive connection holds a worker
    size_t govdeSiniri = 4 * 1024 * 1024;
};

class HttpSunucu {
public:
    HttpSunucu(const Dagitici &d, const SunucuAyarlari &a);
    ~HttpSunucu();

    httplib::Server &web() { return *web_; }

    // Binds both ports; false (with a message on stderr) when one is taken.
    bool baglan();
    int port() const { return port_; }
    int webPort() const { return webPort_; }
    // Serves until durdur() is called.
    void calis();
    void durdur();

private:
    const Dagitici &dagitici_;
    SunucuAyarlari ayar_;
    std::unique_ptr<httplib::Server> rpc_;
    std::unique_ptr<httplib::Server> web_;
    int port_ = 0;
    int webPort_ = 0;
};

}  // namespace ks
