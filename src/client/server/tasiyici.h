// What carries one call to the server and its answer back. The connection
// owns one; the HTTP implementation is the real one, tests put their own in.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct HttpYanit {
    int durum = 0;
    QByteArray govde;
};

class Tasiyici {
public:
    virtual ~Tasiyici() = default;
    // Makes the connection; throws EUzakHata when nothing answers.
    virtual void ac(const QString &host, int port) = 0;
    virtual void kapat() = 0;
    // POSTs a JSON body; throws EUzakHata when no answer came.
    virtual HttpYanit gonder(const QString &yol, const QByteArray &govde) = 0;
    // A fresh, unconnected transport of the same kind, for connection copies.
    virtual std::unique_ptr<Tasiyici> yeni() const = 0;
};

// HTTP/1.1 keep-alive over one TCP connection (cpp-httplib).
class HttpTasiyici : public Tasiyici {
public:
    static constexpr int kBaglanmaSuresi = 3;     // seconds to connect
    static constexpr int kOkumaSuresi = 120;      // reports and big searches take time
    static constexpr int kYazmaSuresi = 30;

    HttpTasiyici();
    ~HttpTasiyici() override;

    void ac(const QString &host, int port) override;
    void kapat() override;
    HttpYanit gonder(const QString &yol, const QByteArray &govde) override;
    std::unique_ptr<Tasiyici> yeni() const override;

private:
    class Istemci;
    std::unique_ptr<Istemci> c_;
    QString hedef_;   // host:port, for messages
};
