// The "Yeni Stoklar" and "Kampanyalı Stoklar" tabs: the items the
// distributor promotes, with this dealer's prices, reloaded each time the tab
// is shown. A double click opens the line entry as in the stock list.
#pragma once

#include "izgarakolon.h"

#include <QString>
#include <QVector>
#include <QWidget>

class IAnaPencere;
class TSekmeYukleyici;

namespace kt {
class Izgara;
class VeriSeti;
}

namespace katalog {

class TSatirGirisi;

enum class TanitimTuru { Yeniler, Kampanyali };

// Column table, look and tab caption of each list.
QVector<kt::IzgaraKolonu> tanitimKolonlari(TanitimTuru tur, int musteriTipi);
kt::IzgaraStili tanitimStili(TanitimTuru tur);
QString tanitimBasligi(TanitimTuru tur, int adet);

// Weighted widths on a screen wider than 1152 pixels, best fit otherwise;
// the basket fits its columns the same way.
void ekranaGoreSigdir(kt::Izgara *izgara);

// A page fills its tab sheet.
void sayfayiYerlestir(QWidget *sekme, QWidget *sayfa);

class TTanitimListesi : public QWidget {
    Q_OBJECT
public:
    // Builds itself into the tab sheet `sekme` ("Yeni Stoklar" or
    // "Kampanyalı Stoklar").
    TTanitimListesi(TanitimTuru tur, IAnaPencere &ana, TSatirGirisi &giris, QWidget *sekme);
    ~TTanitimListesi() override;

    TanitimTuru tur() const { return tur_; }
    kt::VeriSeti &veri() { return *veri_; }   // YENILER or kampstok
    kt::Izgara *izgara() { return izgara_; }  // cxGrid6 or cxkampanyali

    // The tab's show: one load in the background (ignored while one runs).
    void Yukle();
    bool Yukleniyor() const;
    // YenilerKolonAyarla / KampanyaKolonAyarla.
    void KolonAyarla();
    // The focused row's line entry.
    void CiftTikla();

signals:
    void yuklendi(bool hata);

protected:
    void showEvent(QShowEvent *e) override;

private:
    TanitimTuru tur_;
    IAnaPencere &ana_;
    TSatirGirisi &giris_;
    QWidget *sekme_;
    kt::VeriSeti *veri_;
    kt::Izgara *izgara_;
    TSekmeYukleyici *yukleyici_;
};

}  // namespace katalog
