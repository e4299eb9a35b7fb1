// Spin edit: a whole number with up/down buttons.
#pragma once

#include <QSpinBox>

namespace kt {

class SayiEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit SayiEdit(QWidget *parent = nullptr) : QSpinBox(parent)
    {
        setRange(0, 999999);
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setAccelerated(true);
    }
    int Value() const { return value(); }
    void SetValue(int v) { setValue(v); }
    void SetMinMax(int enAz, int enCok) { setRange(enAz, enCok); }
};

}  // namespace kt
