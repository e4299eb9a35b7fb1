#include "httpsunucu.h"

#include "kodlayici.h"

#include <httplib.h>
#include <cstdio>

namespace ks {

namespace {

void ortakAyarlar(httplib::Server &s, const SunucuAyarlari &a)
{
    const int n = a.isParcacigi;
    s.new_task_queue = [n] { return new httplib::ThreadPool(size_t(n)); };
    // Without TCP_NODELAY a keep-alive POST waits for delayed ACKs.
    s.set_tcp_nodelay(true);
    s.set_keep_alive_max_count(1000000);
    s.set_keep_alive_timeout(30);
    s.set_read_timeout(30, 0);
    s.set_payload_max_length(a.govdeSiniri);
}

bool dinle(httplib::Server &s, const QString &adres, int istenen, int *gercek)
{
    const std::string host = adres.toStdString();
    if (istenen == 0) {
        *gercek = s.bind_to_any_port(host);
        return *gercek > 0;
    }
    *gercek = istenen;
    return s.bind_to_port(host, istenen);
}

}  // namespace

HttpSunucu::HttpSunucu(const Dagitici &d, const SunucuAyarlari &a)
    : dagitici_(d), ayar_(a), rpc_(std::make_unique<httplib::Server>()), web_(std::make_unique<httplib::Server>())
{
    ortakAyarlar(*rpc_, ayar_);
    ortakAyarlar(*web_, ayar_);

    const std::string onek = kw::kYolOneki;
    rpc_->Post(onek + R"(([A-Za-z0-9_]+))", [this](const httplib::Request &req, httplib::Response &res) {
        const Cevap c = dagitici_.cagir(QString::fromStdString(req.matches[1].str()),
                                        QByteArray::fromRawData(req.body.data(), int(req.body.size())));
        res.status = c.durum;
        res.set_content(c.govde.constData(), size_t(c.govde.size()), "application/json; charset=utf-8");
    });
    // Answers that httplib makes itself (oversized body, unknown path) still
    // carry the JSON error form the client understands.
    rpc_->set_error_handler([](const httplib::Request &req, httplib::Response &res) {
        // httplib calls this for every status from 400 on, also for a
        // method's own error answer, whose message must stay.
        if (!res.body.empty())
            return;
        QString m;
        switch (res.status) {
        case 413: m = QStringLiteral("İstek gövdesi çok büyük"); break;
        case 404: m = QStringLiteral("Bilinmeyen adres: %1").arg(QString::fromStdString(req.path)); break;
        default: m = QStringLiteral("İstek işlenemedi (HTTP %1)").arg(res.status);
        }
        const QByteArray b = kw::hataYaz(m);
        res.set_content(b.constData(), size_t(b.size()), "application/json; charset=utf-8");
    });
    rpc_->set_exception_handler([](const httplib::Request &, httplib::Response &res, std::exception_ptr) {
        res.status = 500;
        const QByteArray b = kw::hataYaz(QStringLiteral("Sunucu hatası"));
        res.set_content(b.constData(), size_t(b.size()), "application/json; charset=utf-8");
    });
}

HttpSunucu::~HttpSunucu() { durdur(); }

bool HttpSunucu::baglan()
{
    if (!dinle(*rpc_, ayar_.adres, ayar_.port, &port_)) {
        std::fprintf(stderr, "korvel-server: cannot listen on %s:%d\n", qPrintable(ayar_.adres), ayar_.port);
        return false;
    }
    if (!dinle(*web_, ayar_.adres, ayar_.webPort, &webPort_)) {
        std::fprintf(stderr, "korvel-server: cannot listen on %s:%d (web)\n", qPrintable(ayar_.adres), ayar_.webPort);
        return false;
    }
    return true;
}

void HttpSunucu::calis()
{
    std::thread webIs([this] { web_->listen_after_bind(); });
    rpc_->listen_after_bind();
    web_->stop();
    webIs.join();
}

void HttpSunucu::durdur()
{
    if (rpc_) rpc_->stop();
    if (web_) web_->stop();
}

}  // namespace ks
