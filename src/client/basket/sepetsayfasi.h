// The "Sepet" tab: the dealer's basket as the server keeps it, the selection
// of the lines to send (each mark stored on the server), the totals of the
// selected lines, line changes and deletions, Excel export and "Gönder".
#pragma once

#include "izgarakolon.h"
#include "satirgirisi.h"

#include <QString>
#include <QVector>
#include <QWidget>
#include <memory>

class IAnaPencere;
class QLabel;
class QMenu;
class QPushButton;
class TSekmeYukleyici;

namespace kt {
class Izgara;
class VeriSeti;
}

namespace sepet {

// The basket grid's column table for a user type.
QVector<kt::IzgaraKolonu> sepetKolonlari(int musteriTipi);
QString sepetBasligi(int adet);

class TSepetSayfasi : public QWidget, public katalog::ISepetKaynagi {
    Q_OBJECT
public:
    // Builds itself into the tab sheet `sekme` ("Sepet"); `uyari` is the
    // window's overdue warning label, placed in the bar under the grid (the
    // page makes its own when none is given).
    TSepetSayfasi(IAnaPencere &ana, QWidget *sekme, QLabel *uyari = nullptr);
    ~TSepetSayfasi() override;

    // The line entry flows; the lists open their lines through them.
    katalog::TSatirGirisi &satirGirisi() { return *giris_; }

    // ISepetKaynagi
    kt::VeriSeti &sepet() override { return *sepet_; }
    bool SepetGetir() override;
    bool SepetGuncel() const override;
    void SepetBelirsiz() override { guncel_ = false; }

    // The tab's show: a background load (ignored while one runs).
    void ssepetShow();
    bool Yukleniyor() const;

    void SepetToplamHesapla();
    bool SecimGonder(int sirano, int secim);

    void Button4Click();     // "Hepsini Seç"
    void Button5Click();     // "Seçimleri Kaldır"
    void Deitir1Click();     // "Satır Değiştir" and the double click
    void SatrSil1Click();    // "Satır Sil"
    void HepsiniSil1Click(); // "Hepsini Sil"
    void Button2Click();     // "Excel Kaydet"
    void Button1Click();     // "Gönder"
    bool SiparisGonder(int KN, int kt, const QString &aciklama, int td);
    void SepetKolonAyarla();

    kt::Izgara *cxGrid2() { return cxGrid2_; }
    QMenu *PopupMenu1() { return PopupMenu1_; }
    // The overdue warning under the grid; the overdue check writes it, the
    // order confirmation shows it.
    QLabel *lbluyarbakiye() { return lbluyarbakiye_; }
    QLabel *geneltoplaml() { return geneltoplaml_; }
    QLabel *toplamEtiketi(int i) const;   // 0 Toplam … 4 Genel Toplam

signals:
    // The tab was shown and its load started: the overdue check runs now.
    void sepetGosterildi();
    // Every load of the basket has ended (hata: it failed).
    void sepetYuklendi(bool hata);
    // An order was stored on the server.
    void siparisGonderildi();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void yuklendi(bool basarili);
    void hepsiniIsaretle(int secim);
    void sepetiTazele();

    IAnaPencere &ana_;
    QWidget *sekme_;
    kt::VeriSeti *sepet_;
    kt::Izgara *cxGrid2_;
    QMenu *PopupMenu1_;
    QLabel *lbluyarbakiye_;
    QLabel *aratoplaml_, *indiriml_, *nettutarl_, *vergil_, *geneltoplaml_;
    QPushButton *Button1_, *Button2_, *Button4_, *Button5_;
    TSekmeYukleyici *yukleyici_;
    std::unique_ptr<katalog::TSatirGirisi> giris_;
    bool guncel_ = false;
    bool islem_ = false;   // a basket action runs (guards double clicks)
};

}  // namespace sepet
