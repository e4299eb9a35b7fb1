// "Sepete Ekle": the line entry dialog. Shows one stock item with its
// pictures, takes the quantity (and, for representatives, the unit price and
// the four discount rates) and shows the discount, the VAT-inclusive unit
// price and the line amount as they change.
#pragma once

#include "satirhesabi.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

namespace kt {
class ParaEdit;
class SayiEdit;
}

namespace katalog {

class TAsyncResim;

// The picture service's address of picture `sira` (1 to 4) of a stock item.
QString resimAdresi(const QString &servis, int stokno, int sira);

// Picture paging: "Önceki" and "Sonraki" stay within 1 to 4.
inline int oncekiResim(int sira) { return sira - 1 < 1 ? 1 : sira - 1; }
inline int sonrakiResim(int sira) { return sira + 1 > 4 ? 4 : sira + 1; }

class Tstokayarinti : public QDialog {
    Q_OBJECT
public:
    // A dialog for one stock item; the flow fills it and shows it modally.
    static Tstokayarinti *Ac(QWidget *AOwner, int _stokno);

    double kdvlifiyat = 0;
    double kdvoran = 0;
    // The picture service ("…/resimcoklu.ashx"); empty: no pictures.
    QString resimServisi;

    int Stokno() const { return stokno; }
    int Sira() const { return Fsira; }

    // Controls the flows fill and read back.
    QLabel *barkod, *adi, *finishkod, *marka, *model;
    TAsyncResim *AsyncResim1;
    QLabel *Image1;
    kt::SayiEdit *adet;
    QLabel *Label2;        // "Fiyat:"
    kt::ParaEdit *birimfiyat;
    QLabel *indirimoran;   // "İndirim:"
    kt::ParaEdit *indtutar;
    QLabel *kdvdahilLabel;
    kt::ParaEdit *kdvdahiltutar;
    QLabel *tutarLabel;
    kt::ParaEdit *geneltutar;
    QWidget *GridPanel2;
    kt::ParaEdit *edindirim1, *edindirim2, *edindirim3, *edindirim4;
    QPushButton *Button1;      // "Önceki"
    QPushButton *Button2;      // "Sonraki"
    QPushButton *ParcaliTus1;  // "Sipariş ekle"
    QPushButton *ParcaliTus2;  // "Vazgeç"

    // The price and the rates may be typed (representatives).
    void fiyatDuzenlenir(bool evet);

    Oranlar oranlar() const;
    // The quantity as the dialog reads it on OK; false when it is not a number.
    bool adetOku(double *miktar) const;

    // Recompute the amounts from the fields.
    void Hesapla();
    // F4 in an amount field.
    void F4();
    void Button1Click();   // "Önceki"
    void Button2Click();   // "Sonraki"

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    Tstokayarinti(QWidget *AOwner, int _stokno);
    void resmiGoster();

    int stokno;
    int Fsira;
    bool gosterildi_ = false;
};

}  // namespace katalog
