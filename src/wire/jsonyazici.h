// A compact JSON writer that keeps members in the order they are written.
// Marshalled objects must carry their fields in declaration order, which
// QJsonObject (sorted keys) cannot do.
#pragma once

#include <QByteArray>
#include <QString>

namespace kw {

class JsonYazici {
public:
    void nesneBasla();
    void nesneBitir();
    void diziBasla();
    void diziBitir();
    void anahtar(const char *ad);
    void anahtar(const QString &ad);

    void metin(const QString &s);
    void latin(const char *s);        // an ASCII text without escapes
    void tamsayi(qint64 n);
    void ondalik(double d);           // finite values only; callers check
    void mantik(bool b);
    void bos();
    void ham(const QByteArray &json); // an already encoded value

    const QByteArray &sonuc() const { return out_; }
    QByteArray al() { return std::move(out_); }

private:
    void ayrac();
    QByteArray out_;
    bool ilk_ = true;   // next value is the first in its container
};

}  // namespace kw
