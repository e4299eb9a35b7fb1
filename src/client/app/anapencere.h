// The main window's small public surface. Tab pages and dialogs of the
// subsystems reach the window, and each other, only through it.
#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;
class TBaglanti;
class TSonucBilgisi;

class IAnaPencere {
public:
    virtual ~IAnaPencere() = default;

    // The session record and the main connection (UI thread only; a
    // background task takes bagc().CloneConnection() and a copy of sbilgi()).
    virtual TSonucBilgisi &sbilgi() = 0;
    virtual TBaglanti &bagc() = 0;
    // The window itself: owner of modal dialogs; its width picks the narrow
    // or wide layout of the lists.
    virtual QWidget *pencere() = 0;

    // Tab captions: a page sets its tab's caption (counter form "n=Title"
    // included; the tab painter draws the badge) and may bring it forward.
    virtual void sekmeBasligiYaz(QWidget *sayfa, const QString &baslik) = 0;
    virtual void sekmeyeGec(QWidget *sayfa) = 0;
    virtual bool aktifSekme(QWidget *sayfa) const = 0;

    // The search bar: the box, its buttons and the loading pictures
    // ("gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru",
    // "gifoncekiler", "gifsepet", "gifekstre").
    virtual QLineEdit *araedit() = 0;
    virtual QAbstractButton *araButonu() = 0;       // "Ara"
    virtual QAbstractButton *temizleButonu() = 0;   // "Temizle"
    virtual void yukleniyorGoster(const char *resim, bool goster) = 0;

    // Cross-page actions.
    virtual void stokAra(const QString &metin) = 0;   // fill the box and search
    virtual void sepetiYenile() = 0;                  // reload the basket (SepetGetir)
    virtual void stokListesiniTemizle() = 0;          // empty the stock list (dealer change)

    // The basket tab's overdue warning (lbluyarbakiye), read by the order
    // confirmation.
    virtual QString bakiyeUyarisi() const = 0;
};
