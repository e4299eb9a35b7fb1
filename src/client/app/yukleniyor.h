// The small animated "loading" picture of the search bar and the login: a
// ring of dots that turns while it is shown and rests while hidden.
#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

class TYukleniyor : public QWidget {
    Q_OBJECT
public:
    explicit TYukleniyor(int boy = 28, QColor renk = QColor(46, 125, 154), QWidget *parent = nullptr);

    // Shows and turns, or stops and hides.
    void Animate(bool calis);
    bool Calisiyor() const { return zaman_.isActive(); }

protected:
    void paintEvent(QPaintEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    QTimer zaman_;
    QColor renk_;
    int adim_ = 0;
};
