// The "Allports" style; see stil.h. The sheet lives in allports.qss.
#include "stil.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

static void kaynaklariYukle() { Q_INIT_RESOURCE(toolkit); }

namespace kt {

void YaziTipleriniEsle()
{
    const QString dejavu = QStringLiteral("DejaVu Sans");
    const QString liberation = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("Tahoma"), dejavu);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), dejavu);
    QFont::insertSubstitution(QStringLiteral("Segoe UI"), dejavu);
    QFont::insertSubstitution(QStringLiteral("Verdana"), dejavu);
    QFont::insertSubstitution(QStringLiteral("Arial"), liberation);
    QFont::insertSubstitution(QStringLiteral("Helvetica"), liberation);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

bool StilUygula(QApplication &uygulama)
{
    kaynaklariYukle();
    YaziTipleriniEsle();
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);

    QPalette p;
    const QColor zemin(238, 241, 244), yazi(30, 35, 41), teal(46, 125, 154), kursun(61, 65, 74);
    p.setColor(QPalette::Window, zemin);
    p.setColor(QPalette::WindowText, yazi);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(239, 239, 239));
    p.setColor(QPalette::Text, yazi);
    p.setColor(QPalette::Button, QColor(233, 237, 240));
    p.setColor(QPalette::ButtonText, yazi);
    p.setColor(QPalette::Highlight, teal);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, kursun);
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::Link, teal);
    p.setColor(QPalette::PlaceholderText, QColor(130, 138, 146));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 156, 162));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 156, 162));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 156, 162));
    QApplication::setPalette(p);

    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    QApplication::setFont(f);

    QFile sayfa(QStringLiteral(":/korvel/allports.qss"));
    if (!sayfa.open(QIODevice::ReadOnly))
        return false;
    uygulama.setStyleSheet(QString::fromUtf8(sayfa.readAll()));
    return true;
}

}  // namespace kt
