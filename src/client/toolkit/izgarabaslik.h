// The grid's column header (own colours, wrapped captions, sort mark and a
// filter button per column) and its narrow row indicator.
#pragma once

#include "izgarakolon.h"

#include <QHeaderView>
#include <QSet>

namespace kt {

class IzgaraBasligi : public QHeaderView {
    Q_OBJECT
public:
    IzgaraBasligi(const IzgaraStili *stil, QWidget *parent = nullptr);

    void filtreliKolonlar(const QSet<int> &kolonlar);
    void siralamaGoster(int kolon, Qt::SortOrder yon);
    // The filter button of a column, in this header's coordinates. It is
    // drawn while the mouse is over the column or its filter is active, so
    // narrow columns keep their captions readable.
    QRect filtreDugmesi(int kolon) const;

    QSize sizeHint() const override;

signals:
    void filtreTiklandi(int kolon, const QPoint &global);

protected:
    void paintSection(QPainter *p, const QRect &rect, int kolon) const override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    QRect dugmeAlani(const QRect &bolum) const;
    const IzgaraStili *stil_;
    QSet<int> filtreli_;
    int siraKolonu_ = -1;
    Qt::SortOrder siraYonu_ = Qt::AscendingOrder;
    int uzerinde_ = -1;   // the section under the mouse: its filter button shows
};

// Vertical header drawn as the narrow row indicator: a dark strip with a
// mark at the focused row.
class SatirGostergesi : public QHeaderView {
    Q_OBJECT
public:
    SatirGostergesi(const IzgaraStili *stil, QWidget *parent = nullptr);
    void odakSatiri(int satir);
    QSize sizeHint() const override { return {12, 0}; }

protected:
    void paintSection(QPainter *p, const QRect &rect, int satir) const override;

private:
    const IzgaraStili *stil_;
    int odak_ = -1;
};

}  // namespace kt
