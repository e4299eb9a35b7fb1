// "Sipariş Onay": the order confirmation. Shows who orders for which dealer
// and the amount, offers the delivery types, cargo kinds and companies, takes
// a note, and closes with OK only when a delivery type, a cargo kind and a
// company are chosen.
#pragma once

#include <QDialog>
#include <QString>
#include <QVector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TBaglanti;
class TSonucBilgisi;

namespace kt {
class RadyoGrubu;
class VeriSeti;
}
namespace kw {
class Tablo;
}

namespace sepet {

// The three checks of "Evet", in their order: the first message that
// applies, empty when the choice is complete. `kargoMetni` is the text of
// the company list (" " for its blank entry).
QString onayKontrolu(bool teslimSecili, bool kargoTuruSecili, const QString &kargoMetni);

// The order summary: user, dealer, amount on three lines.
QString siparisOzeti(const QString &adi, const QString &cariAdi, const QString &toplam);

// Index of the delivery type chosen at start: the second, or the only one.
int teslimOnSecimi(int adet);

class TONAYSIP : public QDialog {
    Q_OBJECT
public:
    // Creates and fills the dialog; the lists come from the server before it
    // shows (an unreachable server leaves them empty).
    static TONAYSIP *Ac(QWidget *AOwner, TBaglanti &_c, const QString &mesaj, TSonucBilgisi &_sbilgi,
                        const QString &_toplam);

    int td = 0;   // chosen delivery type
    int kt = 0;   // chosen cargo kind
    int KN = 0;   // chosen cargo company's SIRANO

    // Controls, for the window that reads the dialog back (and for tests).
    ::kt::RadyoGrubu *teslimbox;   // "Teslim Durumu"
    ::kt::RadyoGrubu *boxkargo;    // "Kargo Türleri"
    QComboBox *kargocombo;
    QLabel *uyarikargo;
    QPlainTextEdit *aciklamagir;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *Button1;   // "Evet"
    QPushButton *Button2;   // "Hayır"

    ::kt::VeriSeti &kargo() { return *kargo_; }

    // The dialog's handlers (public so that scripted runs can drive them).
    void boxkargoClick();
    void kargocomboChange();
    void Button1Click();

private:
    TONAYSIP(QWidget *AOwner, TBaglanti &c, TSonucBilgisi &s, const QString &toplam);
    void SecenekleriGetir();
    void KargolariGetir(int gn);
    // Fills a radio group from a table of (identifier, name) rows.
    static void secimleriDoldur(::kt::RadyoGrubu *grup, QVector<int> &kimlikler, const kw::Tablo &tablo);

    TBaglanti &bagc;
    TSonucBilgisi &sbilgi;
    QString toplam;
    QVector<int> teslimKimlik_;   // identifier of each delivery type
    QVector<int> kargoKimlik_;    // identifier of each cargo kind
    ::kt::VeriSeti *kargo_;
};

}  // namespace sepet
