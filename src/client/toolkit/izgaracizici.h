// Paints the grid's cells: row colours, text (wrapped, vertically centred),
// icons, check boxes, owner-drawn cells and the group header/footer rows.
// Everything it needs per cell is looked up, not allocated, except the text.
#pragma once

#include "izgarakolon.h"

#include <QAbstractItemDelegate>

namespace kt {

class VeriSeti;

class IzgaraCizici : public QAbstractItemDelegate {
    Q_OBJECT
public:
    IzgaraCizici(const QVector<IzgaraKolonu> *kolonlar, const IzgaraStili *stil, QObject *parent = nullptr);

    void veriSetiAyarla(const VeriSeti *ds) { ds_ = ds; }
    // Alignment of columns that declare none (numbers right), per column.
    void kendiHizalari(QVector<Qt::Alignment> hizalar) { otoHiza_ = std::move(hizalar); }

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *e, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The icon a cell of an icon column shows for `ham` (null when none).
    static const QPixmap *simge(const IzgaraKolonu &k, const QVariant &ham);

private:
    void grupBasligiCiz(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &index) const;

    const QVector<IzgaraKolonu> *kolonlar_;
    const IzgaraStili *stil_;
    const VeriSeti *ds_ = nullptr;
    QVector<Qt::Alignment> otoHiza_;
};

}  // namespace kt
