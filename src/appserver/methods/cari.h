// Dealer-account facts that the account, representative, notice and request
// methods share: who may see which dealers, balances, overdue debts, texts.
#pragma once

#include "baglantiu.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

namespace ks {

class Sorgu;

// Money as the client shows it: Turkish separators, two decimals ("1.234,56").
QString tlYaz(double tutar);

// Order states as stored in siparis.durum, and their names.
QString siparisDurumAdi(int durum);

// The user behind a session record (Sirano = kullanici.id), with the dealers
// they may see: type 2 sees every dealer, type 1 the dealers of their own
// representative, types 3 and 4 only their own dealer account.
struct Yetki {
    int kullaniciId = 0;
    int tip = 0;
    int temsilciId = 0;
    int cariId = 0;
    QString adi;
};

// Throws IslemHatasi when no such user exists or the user is inactive.
Yetki yetkiAl(const QSqlDatabase &db, const TSonucBilgisi &bilgi);
Yetki yetkiAl(const QSqlDatabase &db, int kullaniciId);

// A condition on the dealer table aliased `c` that keeps the dealers the user
// may see; bind its three values with kapsamBagla at the condition's place.
QString kapsamKosulu();
void kapsamBagla(Sorgu &s, const Yetki &y);
bool kapsamda(const QSqlDatabase &db, const Yetki &y, int carino);

// One debit or credit of the statement ledger.
struct CariHareket {
    QDate tarih;
    QDate vade;       // the tarih when the movement has no due date
    double borc = 0;
    double alacak = 0;
    QString evrak;
};

QVector<CariHareket> cariHareketleri(const QSqlDatabase &db, int carino);

// The debits still open after the credits: credits pay the debits in order
// of their due dates (then of their dates), whatever their own dates. A
// negative debit counts as a credit and a negative credit as a debit.
struct AcikBorc {
    QDate tarih, vade;
    double kalan = 0;
    QString evrak;
};
QVector<AcikBorc> acikBorclar(const QVector<CariHareket> &hareketler);

struct VadeOzeti {
    int adet = 0;          // open debits past their due date
    double tutar = 0;      // what is open of them
    int enEskiGun = 0;     // days past due of the oldest
};
VadeOzeti vadesiGecenler(const QVector<AcikBorc> &borclar, const QDate &bugun);

// The overdue warning of the basket tab; empty when nothing is overdue.
QString vadeUyarisi(const VadeOzeti &o);

// Debit total, credit total and balance (debit − credit), each rounded.
struct CariToplam {
    double borc = 0, alacak = 0, bakiye = 0;
};
CariToplam cariToplam(const QVector<CariHareket> &hareketler);

// A card number as receipts show it: only the last four digits, in groups
// of four ("**** **** **** 1234").
QString kartNoMaskele(const QString &kartNo);

// "Borçlu", "Alacaklı" or empty for a zero balance.
QString bakiyeYonu(double bakiye);

}  // namespace ks
