// Demo data: fixed users and the day the demo history is written against,
// for the generator, the tests and the README.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace ks::demo {

// Orders, invoices and payments of the demo lie in the 18 months before this
// day (never the machine's clock), so every store seeded with the same size
// holds the same data.
QDate referansTarihi();

struct DemoKullanici {
    const char *ad;
    const char *sifre;
    int tip;                // user type 1..4
    bool aktif;
    const char *istasyon;   // workstation ID registered for the user
};

// Every user the demo creates, with its password and workstation. Names are
// in capitals: the login dialog turns what is typed into capitals, so
// "bayi3" typed logs in as BAYI3.
const std::vector<DemoKullanici> &kullanicilar();

}  // namespace ks::demo
