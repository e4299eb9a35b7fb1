// The "Stok Listesi" tab: the stock search and its result list, with the
// dealer's prices, discounts and availability, and the way into the line
// entry dialog.
#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

#include "beklesinu.h"
#include "izgarakolon.h"

#include <memory>

class IAnaPencere;
class QMenu;
class TBaglanti;
class TSonucBilgisi;

namespace kt {
class Izgara;
class VeriSeti;
}

namespace katalog {

class AramaKutusuFiltresi;
class TSatirGirisi;

// The stock grid's column table for a user type.
QVector<kt::IzgaraKolonu> stokKolonlari(int musteriTipi);

// The tab caption for a result of `adet` rows.
QString stokBasligi(int adet);

class TStokListesi : public QWidget {
    Q_OBJECT
public:
    // Builds itself into the tab sheet `sekme` (the window's "Stok Listesi").
    TStokListesi(IAnaPencere &ana, TSatirGirisi &giris, QWidget *sekme);
    ~TStokListesi() override;

    kt::VeriSeti &stok() { return *stok_; }
    kt::Izgara *cxGrid1() { return cxGrid1_; }
    QMenu *popstok() { return popstok_; }

    // Enter in the search box and "Ara": a search for the box's text, unless
    // one is running.
    void SpeedButton2Click();
    // "Temizle": empties the list and the box (not during a search).
    void SpeedButton1Click();
    // Empties the list (dealer change).
    void Temizle();
    bool Ariyor() const;

    // Column fitting for the window's width (narrow up to 1152 pixels).
    void StokKolonAyarla();

    // The focused row's line entry ("Sepete Ekle" and the double click).
    void cxGrid1DBTableView1DblClick();

signals:
    // A search has ended and its rows are shown (hata: it failed).
    void aramaBitti(bool hata);
    // The focused row's order history and stock movements were asked for.
    void siparisleriGoster(int stokno);
    void stokHareketleri(int stokno);

private:
    void aramaBaslat();
    void popstokAc(const QPoint &pos);
    int odakStokNo() const;

    IAnaPencere &ana_;
    TSatirGirisi &giris_;
    QWidget *sekme_;
    kt::VeriSeti *stok_;
    TIsciSayaci isciler_;
    kt::Izgara *cxGrid1_;
    QMenu *popstok_;
    AramaKutusuFiltresi *filtre_;
    QVector<QString> tipGizli_;   // columns the user type keeps hidden
};

// Background step of a search: runs on a worker with its own connection
// copy (opened here) and fills `stok` with the server's answer. True when it
// failed.
bool StokListesiGetir(TBaglanti &kopya, const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi, kt::VeriSeti &stok);

}  // namespace katalog
