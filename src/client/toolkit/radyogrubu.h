// Radio group: a titled box of mutually exclusive choices, addressed by
// index like the old control (ItemIndex -1 = none chosen).
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

namespace kt {

class RadyoGrubu : public QGroupBox {
    Q_OBJECT
public:
    explicit RadyoGrubu(const QString &baslik = {}, QWidget *parent = nullptr);

    void SetItems(const QStringList &secenekler);   // replaces the choices; none chosen
    QStringList Items() const { return secenekler_; }
    int ItemIndex() const;
    void SetItemIndex(int i);                       // -1 clears
    void SetColumns(int n);

signals:
    // The chosen item changed, by the user or by SetItemIndex (as the old
    // control's click event did).
    void tiklandi(int indeks);

private:
    void yerlestir();
    QButtonGroup *grup_;
    QGridLayout *duzen_;
    QStringList secenekler_;
    int kolon_ = 1;
};

}  // namespace kt
