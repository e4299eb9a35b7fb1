// Currency edit: an amount with two decimals in the user's locale (grouped
// thousands), right aligned, no spin buttons. The numeric keypad's decimal
// key types the locale's decimal separator, as the old edit did.
#pragma once

#include <QDoubleSpinBox>

namespace kt {

class ParaEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit ParaEdit(QWidget *parent = nullptr);
    double Value() const { return value(); }
    void SetValue(double v) { setValue(v); }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
};

}  // namespace kt
