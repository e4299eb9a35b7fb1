#include "tasiyici.h"

#include "uzakhata.h"

#include <httplib.h>
#include <mutex>

// httplib connects lazily on the first request. Open must fail at once when
// nothing listens, so the socket is made here up front; the first request
// finds it alive and reuses it.
class HttpTasiyici::Istemci : public httplib::ClientImpl {
public:
    using httplib::ClientImpl::ClientImpl;

    httplib::Error baglan()
    {
        std::lock_guard<std::mutex> kilit(socket_mutex_);
        httplib::Error e = httplib::Error::Success;
        if (!socket_.is_open() && !create_and_connect_socket(socket_, e) && e == httplib::Error::Success)
            e = httplib::Error::Connection;
        return e;
    }
};

namespace {

QString hataMetni(httplib::Error e)
{
    switch (e) {
    case httplib::Error::Connection: return QStringLiteral("bağlantı kurulamadı");
    case httplib::Error::ConnectionTimeout: return QStringLiteral("bağlantı zaman aşımına uğradı");
    case httplib::Error::Read: return QStringLiteral("cevap okunamadı");
    case httplib::Error::Write: return QStringLiteral("istek gönderilemedi");
    default: return QStringLiteral("iletişim hatası (%1)").arg(QString::fromStdString(httplib::to_string(e)));
    }
}

}  // namespace

HttpTasiyici::HttpTasiyici() = default;
HttpTasiyici::~HttpTasiyici() = default;

void HttpTasiyici::ac(const QString &host, int port)
{
    kapat();
    hedef_ = QStringLiteral("%1:%2").arg(host).arg(port);
    auto c = std::make_unique<Istemci>(host.toStdString(), port);
    c->set_keep_alive(true);
    // Without it a keep-alive POST stalls on delayed ACKs.
    c->set_tcp_nodelay(true);
    c->set_connection_timeout(kBaglanmaSuresi, 0);
    c->set_read_timeout(kOkumaSuresi, 0);
    c->set_write_timeout(kYazmaSuresi, 0);
    const httplib::Error e = c->baglan();
    if (e != httplib::Error::Success)
        throw EUzakHata(QStringLiteral("Sunucuya bağlanılamadı (%1): %2").arg(hedef_, hataMetni(e)));
    c_ = std::move(c);
}

void HttpTasiyici::kapat() { c_.reset(); }

HttpYanit HttpTasiyici::gonder(const QString &yol, const QByteArray &govde)
{
    if (!c_)
        throw EUzakHata(QStringLiteral("Bağlantı açık değil"));
    auto r = c_->Post(yol.toStdString(), govde.constData(), size_t(govde.size()), "application/json; charset=utf-8");
    if (!r)
        throw EUzakHata(QStringLiteral("Sunucu ile iletişim kesildi (%1): %2").arg(hedef_, hataMetni(r.error())));
    return {r->status, QByteArray::fromStdString(r->body)};
}

std::unique_ptr<Tasiyici> HttpTasiyici::yeni() const { return std::make_unique<HttpTasiyici>(); }
