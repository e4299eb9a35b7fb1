// The footer row under a grid: one summary text per column, aligned with
// the header sections as they are resized, hidden or scrolled.
#pragma once

#include "izgarakolon.h"

#include <QStringList>
#include <QWidget>

class QTableView;

namespace kt {

class IzgaraAltBilgi : public QWidget {
    Q_OBJECT
public:
    IzgaraAltBilgi(QTableView *tablo, const IzgaraStili *stil, QWidget *parent = nullptr);
    void metinleriAyarla(const QStringList &metinler);
    const QStringList &metinler() const { return metinler_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QTableView *tablo_;
    const IzgaraStili *stil_;
    QStringList metinler_;
};

}  // namespace kt
