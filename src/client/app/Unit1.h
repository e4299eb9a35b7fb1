// The main window: header, search bar, the tab pages, status legend and
// bottom strip. It owns the session record and the main connection, runs
// the login before it is ever shown, adapts itself to the user type and
// starts the start-up loaders. The pages live in their subsystems' folders
// and reach the window through IAnaPencere.
#pragma once

#include "anapencere.h"
#include "baglanti.h"
#include "baglantiu.h"

#include <QHash>
#include <QMainWindow>
#include <atomic>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;
class TSekmeKontrol;
namespace kt {
class AnimasyonluResim;
}

class TForm1 : public QMainWindow, public IAnaPencere {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The start-up sequence. False when the login was left without success
    // (the process has been ended by then).
    bool FormCreate();

    // ---- IAnaPencere
    TSonucBilgisi &sbilgi() override { return sbilgi_; }
    TBaglanti &bagc() override { return bagc_; }
    QWidget *pencere() override { return this; }
    void sekmeBasligiYaz(QWidget *sayfa, const QString &baslik) override;
    void sekmeyeGec(QWidget *sayfa) override;
    bool aktifSekme(QWidget *sayfa) const override;
    QLineEdit *araedit() override { return araedit_; }
    QAbstractButton *araButonu() override;
    QAbstractButton *temizleButonu() override;
    void yukleniyorGoster(const char *resim, bool goster) override;
    void stokAra(const QString &metin) override;
    void sepetiYenile() override { emit sepetYenilemeIstendi(); }
    void stokListesiniTemizle() override { emit stokListesiTemizlemeIstendi(); }
    QString bakiyeUyarisi() const override;

    // ---- the tab sheets: each is the container its page builds into
    QWidget *sstoklistesi;      // "Stok Listesi"
    QWidget *ssepet;            // "Sepet"
    QWidget *sonceki;           // "Önceki Siparişler"
    QWidget *sccariekstre;      // "Cari Ekstre"
    QWidget *syeniler;          // "Yeni Stoklar"
    QWidget *skampanyali;       // "Kampanyalı Stoklar"
    QWidget *sTabSheetduyuru;   // "Duyurular"
    QWidget *sTabbakiyeler;     // "Bakiyeler"
    QWidget *ss;                // "Sanal Pos" (its tab stays hidden)
    QWidget *iletisim_tab;      // "İletişim"
    TSekmeKontrol *PageControl1;

    // ---- header
    QLabel *kullanicilbl;
    QLabel *cariadilbl;
    QLabel *saticilbl;
    kt::AnimasyonluResim *GifResim1;        // the header banner (409 wide)
    QToolButton *genelTus;      // the split button of the general menu
    QMenu *Genelmenu;
    QAction *M1;                // "Mail Gönder"
    QAction *N4;                // "Şifre Değiştirme İsteği"
    QAction *WebSitesi1;        // the distributor's web address
    QAction *G1;                // "Çıkış"
    QAction *Raporlar1;         // "Raporlar" (user types 1 and 2)

    // ---- search bar
    QToolButton *aratus;        // "Ara"
    QToolButton *temizletus;    // "Temizle"
    QToolButton *musteritus;    // "Başka Cari Seç" (user types 1 and 2)

    kt::AnimasyonluResim *RxGIFAnimator2;   // banner strip under the header; 0 high until it has a picture
    QWidget *kayanyazi;         // the bottom strip's scrolling text place
    QLabel *lbluyarbakiye;      // the overdue warning; the basket page places it in its bottom bar

    // The opening screens the server offers (filled at start-up).
    int _acilisadet = 0;

    // Exit question; false keeps the window.
    bool FormCloseQuery();

signals:
    void sekmeGosterildi(QWidget *sayfa);    // a tab became the current one
    void sepetYenilemeIstendi();
    void stokListesiTemizlemeIstendi();

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void baslikKur(QWidget *ust);
    void aramaCubuguKur(QWidget *ust);
    void sekmeleriKur();
    QWidget *durumAciklamasiKur();
    bool GirisYap();
    void KullaniciTipineUyarla();
    void SayfalariKur();
    void AnaBilgiAl();
    void G1Click();
    void WebSitesi1Click();

    TSonucBilgisi sbilgi_;
    TBaglanti bagc_;
    QLineEdit *araedit_;
    QAction *raporAyiraci_;
    QHash<QString, kt::AnimasyonluResim *> gifler_;
    bool ilkGosterim_ = true;
    // Set while the start-up task's worker runs; the window outlives it.
    std::shared_ptr<std::atomic<bool>> baslangicSuruyor_ = std::make_shared<std::atomic<bool>>(false);
};
