// The tab painter of the main window's page control: each tab is drawn as
// the style draws tabs (shape by state, picture at the left, 3 pixels in),
// and its caption is parsed as a counter caption (baslik.h) and drawn as a
// title with a red count badge.
#pragma once

#include <QColor>
#include <QSize>
#include <QTabBar>
#include <QTabWidget>

class TTabColorControlStyleHook : public QTabBar {
    Q_OBJECT
    // Text colours by tab state; the style sheet may set them
    // (qproperty-yaziRengi …). White by default.
    Q_PROPERTY(QColor yaziRengi MEMBER yazi_)
    Q_PROPERTY(QColor seciliYaziRengi MEMBER seciliYazi_)
    Q_PROPERTY(QColor sicakYaziRengi MEMBER sicakYazi_)
public:
    explicit TTabColorControlStyleHook(QWidget *parent = nullptr);

    // Every tab has this size (width × height for tabs on the top or bottom).
    void sekmeBoyutu(const QSize &boy);
    QSize sekmeBoyutu() const { return boy_; }

protected:
    void paintEvent(QPaintEvent *e) override;
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    void sekmeCiz(QPainter &p, int i);

    QSize boy_{120, 45};
    QColor yazi_{Qt::white};
    QColor seciliYazi_{Qt::white};
    QColor sicakYazi_{Qt::white};
};

// A page control whose tab bar is the painter above.
class TSekmeKontrol : public QTabWidget {
    Q_OBJECT
public:
    explicit TSekmeKontrol(QWidget *parent = nullptr);
    TTabColorControlStyleHook *sekmeCubugu() const { return cubuk_; }

private:
    TTabColorControlStyleHook *cubuk_;
};
