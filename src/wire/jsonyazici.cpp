#include "jsonyazici.h"

#include <charconv>

namespace kw {

void JsonYazici::ayrac()
{
    if (!ilk_)
        out_ += ',';
    ilk_ = false;
}

void JsonYazici::nesneBasla() { ayrac(); out_ += '{'; ilk_ = true; }
void JsonYazici::nesneBitir() { out_ += '}'; ilk_ = false; }
void JsonYazici::diziBasla() { ayrac(); out_ += '['; ilk_ = true; }
void JsonYazici::diziBitir() { out_ += ']'; ilk_ = false; }

void JsonYazici::anahtar(const char *ad)
{
    ayrac();
    out_ += '"';
    out_ += ad;
    out_ += "\":";
    ilk_ = true;   // the value that follows needs no comma
}

void JsonYazici::anahtar(const QString &ad)
{
    ayrac();
    metin(ad);
    out_ += ':';
    ilk_ = true;
}

void JsonYazici::metin(const QString &s)
{
    ayrac();
    const QByteArray u = s.toUtf8();
    out_.reserve(out_.size() + u.size() + 2);
    out_ += '"';
    for (char c : u) {
        const auto uc = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        case '\b': out_ += "\\b"; break;
        case '\f': out_ += "\\f"; break;
        default:
            if (uc < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", uc);
                out_ += buf;
            } else {
                out_ += c;
            }
        }
    }
    out_ += '"';
}

void JsonYazici::latin(const char *s)
{
    ayrac();
    out_ += '"';
    out_ += s;
    out_ += '"';
}

void JsonYazici::tamsayi(qint64 n)
{
    ayrac();
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, n);
    out_.append(buf, int(r.ptr - buf));
}

void JsonYazici::ondalik(double d)
{
    ayrac();
    char buf[32];
    // Shortest text that reads back to the same double.
    auto r = std::to_chars(buf, buf + sizeof buf, d);
    out_.append(buf, int(r.ptr - buf));
}

void JsonYazici::mantik(bool b) { ayrac(); out_ += b ? "true" : "false"; }
void JsonYazici::bos() { ayrac(); out_ += "null"; }
void JsonYazici::ham(const QByteArray &json) { ayrac(); out_ += json; }

}  // namespace kw
