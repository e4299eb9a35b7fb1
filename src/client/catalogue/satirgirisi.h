// The four ways into the line entry dialog and the two calls that store a
// basket line: a new line from the stock, new-items or campaign list, and a
// change of a basket line. An item already in the basket always opens its
// basket line.
#pragma once

#include "satirhesabi.h"

#include <QString>

class IAnaPencere;

namespace kt {
class VeriSeti;
}

namespace katalog {

class Tstokayarinti;

// What the line entry needs of the basket page.
class ISepetKaynagi {
public:
    virtual ~ISepetKaynagi() = default;
    virtual kt::VeriSeti &sepet() = 0;
    // Reloads the basket on the UI thread and waits for it (a background
    // load that runs is waited for first); true when it was loaded.
    virtual bool SepetGetir() = 0;
    // True while `sepet` shows what the server held at its last load: loaded,
    // no background load running and no change sent since without a reload.
    virtual bool SepetGuncel() const = 0;
    // A change may have reached the server although no reload showed it.
    virtual void SepetBelirsiz() = 0;
};

// Where a line entry starts.
enum class Akis { Stok, Yeniler, Kampanya, Sepet };

// The two captions of the dialog for a flow and the row's campaign mark `K`
// ("Fiyat:"/"Kampanyalı Fiyat:", and the discount caption).
struct AkisBasliklari {
    QString fiyat;
    QString indirim;
};
AkisBasliklari akisBasliklari(Akis akis, int k, const QString &indirimYazi);

// Representatives (user types 1 and 2) may type the price and the rates;
// they see the rates panel except in the campaign flow.
bool fiyatDuzenlenir(int musteriTipi);
bool oranPaneliGorunur(Akis akis, int musteriTipi);

class TSatirGirisi {
public:
    TSatirGirisi(IAnaPencere &ana, ISepetKaynagi &sepet);

    // A double click on a list row (or "Sepete Ekle"): the row with this
    // stock number becomes current; its basket line opens for change when
    // the basket has one, otherwise a new line starts.
    void ListedenAc(Akis akis, kt::VeriSeti &liste, int stokno);

    void StoktanEkle(kt::VeriSeti &stok, int stokno);
    void YenilerdenEkle(kt::VeriSeti &yeniler, int stokno);
    void KampanyadanEkle(kt::VeriSeti &kampstok, int stokno);
    void SepetSatirDegistir(int sirano);

    // Sends a new line from the current row of `ds`; reloads the basket when
    // the server stored it. True when stored.
    bool SepetSatirEkle(kt::VeriSeti &ds, double miktar, double fiyat, double ind1, double ind2, double ind3,
                        double ind4);
    // Sends the change of basket line `sirano`; reloads the basket when
    // stored. The server's answer (1 = stored), or -1 when none came.
    int SepetSatirGuncelle(int sirano, double miktar, double fiyat, const Oranlar &oranlar);

    // A dialog or a call of these flows is running: a second double click or
    // Enter that arrives meanwhile is ignored.
    bool Mesgul() const { return mesgul_; }

private:
    void yeniSatirKorumali(Akis akis, kt::VeriSeti &ds, int stokno);
    void yeniSatir(Akis akis, kt::VeriSeti &ds, int stokno);
    void degistir(int sirano);
    bool ekle(kt::VeriSeti &ds, double miktar, double fiyat, const Oranlar &oranlar);
    int guncelle(int sirano, double miktar, double fiyat, const Oranlar &oranlar);
    bool sonucuGonder(Tstokayarinti &d, double *miktar);

    IAnaPencere &ana_;
    ISepetKaynagi &sepet_;
    bool mesgul_ = false;
};

}  // namespace katalog
