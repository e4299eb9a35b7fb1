// The catalogue of the remote methods: one table from which the client's
// proxy checks its calls and the server builds its dispatcher, so the two
// sides cannot drift apart.
#pragma once

#include <QString>
#include <vector>

namespace kw {

enum class Tip {
    Yok,        // no result (a procedure)
    Metin,      // string
    Tamsayi,    // Integer, 32-bit signed
    Int64,
    Ondalik,    // Double
    Mantik,     // Boolean
    Nesne,      // a marshalled record; the class is given beside it
    Tablo,      // a table read row by row
    VeriPaketi, // a client-dataset data packet
    Akis,       // a binary stream, base64 on the wire
};

const char *tipAdi(Tip t);

enum class Yon { Girdi, Cikti };

struct Parametre {
    const char *ad;
    Yon yon;
    Tip tip;
    const char *sinif = nullptr;   // for Tip::Nesne: "baglantiu.TSonucBilgisi" …
};

struct Metot {
    const char *ad;
    std::vector<Parametre> parametreler;   // declaration order
    Tip sonuc;
    const char *sonucSinifi = nullptr;

    int girdiSayisi() const;
    int ciktiSayisi() const;   // out parameters, without the result
};

const std::vector<Metot> &metotlar();
const Metot *metotBul(QStringView ad);

}  // namespace kw
