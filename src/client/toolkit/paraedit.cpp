// Currency edit; see paraedit.h.
#include "paraedit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace kt {

ParaEdit::ParaEdit(QWidget *parent) : QDoubleSpinBox(parent)
{
    setLocale(QLocale());
    setDecimals(2);
    setRange(-999999999999.99, 999999999999.99);
    setGroupSeparatorShown(true);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(false);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

void ParaEdit::keyPressEvent(QKeyEvent *e)
{
    const QString ayrac = locale().decimalPoint();
    if ((e->modifiers() & Qt::KeypadModifier) && (e->key() == Qt::Key_Period || e->key() == Qt::Key_Comma)
        && e->text() != ayrac) {
        QKeyEvent yeni(e->type(), ayrac == QStringLiteral(",") ? Qt::Key_Comma : Qt::Key_Period, e->modifiers(), ayrac);
        QDoubleSpinBox::keyPressEvent(&yeni);
        return;
    }
    QDoubleSpinBox::keyPressEvent(e);
}

void ParaEdit::focusInEvent(QFocusEvent *e)
{
    QDoubleSpinBox::focusInEvent(e);
    // Select after the click that brought the focus has placed the caret.
    QTimer::singleShot(0, this, [this]() { lineEdit()->selectAll(); });
}

}  // namespace kt
