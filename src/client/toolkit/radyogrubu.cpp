// Radio group; see radyogrubu.h.
#include "radyogrubu.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace kt {

RadyoGrubu::RadyoGrubu(const QString &baslik, QWidget *parent) : QGroupBox(baslik, parent)
{
    grup_ = new QButtonGroup(this);
    grup_->setExclusive(true);
    duzen_ = new QGridLayout(this);
    connect(grup_, &QButtonGroup::idToggled, this, [this](int id, bool secili) {
        if (secili)
            emit tiklandi(id);
    });
}

void RadyoGrubu::SetItems(const QStringList &secenekler)
{
    for (QAbstractButton *b : grup_->buttons()) {
        grup_->removeButton(b);
        delete b;
    }
    secenekler_ = secenekler;
    for (int i = 0; i < secenekler_.size(); ++i)
        grup_->addButton(new QRadioButton(secenekler_[i], this), i);
    yerlestir();
}

void RadyoGrubu::SetColumns(int n)
{
    kolon_ = std::max(1, n);
    yerlestir();
}

void RadyoGrubu::yerlestir()
{
    const QList<QAbstractButton *> b = grup_->buttons();
    const int satir = int((b.size() + kolon_ - 1) / kolon_);
    for (int i = 0; i < b.size(); ++i)
        duzen_->addWidget(b[i], satir ? i % satir : 0, satir ? i / satir : 0);
}

int RadyoGrubu::ItemIndex() const { return grup_->checkedId(); }

void RadyoGrubu::SetItemIndex(int i)
{
    if (i < 0 || i >= secenekler_.size()) {
        if (QAbstractButton *b = grup_->checkedButton()) {
            grup_->setExclusive(false);
            b->setChecked(false);
            grup_->setExclusive(true);
        }
        return;
    }
    grup_->button(i)->setChecked(true);
}

}  // namespace kt
