// The login dialog, shown before the main window is ever visible. It asks
// the server which account is registered for this workstation, compares the
// typed name and password with the answer, and remembers them in "ayar.ini".
// It closes with Accepted only after a complete, successful login; every
// other way out ends the process (the main window ends it on any other
// result).
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TBaglanti;
class TSonucBilgisi;
namespace kt {
class AnimasyonluResim;
}

class Tgirisform : public QDialog {
    Q_OBJECT
public:
    explicit Tgirisform(QWidget *owner = nullptr);
    ~Tgirisform() override;

    // Set by the main window before the dialog shows: its connection and its
    // session record itself (the dialog overwrites the record).
    TBaglanti *bagim = nullptr;
    TSonucBilgisi *Bilgim = nullptr;

    QLabel *Label1;
    QLineEdit *adi;
    QLabel *Label2;
    QLineEdit *sifre;
    QCheckBox *benihatirla;
    QPushButton *Button1;          // "Giriş"
    QPushButton *Button2;          // "Vazgeç"
    kt::AnimasyonluResim *RxGIFAnimator1;   // turns while an attempt runs
    QLabel *RxLabel1;              // the distributor's address

    void Button1Click();
    void Button2Click();
    // An attempt is running (Enter and "Giriş" do nothing meanwhile).
    bool Calisiyor() const { return calisiyor_; }

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void FormCreate();
    void AyarOku();
    void AyarKaydet();
    static QString DisIpAl();
    void Devamet(const QString &disIp);
    bool GirisKontrol(TBaglanti &kopya);
    void GuncellemeAc();
    void IstekFormuAc(const QString &webAdresi);
    bool adiKeyDown();
    bool sifreKeyDown();
    void denemeBitti();   // back to waiting for input

    QString idsi;
    bool calisiyor_ = false;
};
