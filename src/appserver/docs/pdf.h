// PDF documents of the server (card-payment receipts, representative
// reports): a title, caption/value lines and tables, drawn with Qt's text
// layout onto A4 pages.
#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ks::belge {

struct PdfTablo {
    QStringList basliklar;
    QVector<bool> sagaYasli;          // per column; amounts are right-aligned
    QVector<QStringList> satirlar;
    QStringList toplam;               // a bold closing row; empty for none
    QString bosMetin;                 // shown instead of an empty table
};

struct PdfBolum {
    QString baslik;
    QVector<QPair<QString, QString>> bilgiler;   // caption, value
    bool tabloVar = false;
    PdfTablo tablo;
};

struct PdfBelge {
    QString baslik;
    QString altBaslik;
    QVector<PdfBolum> bolumler;
    QString dipnot;
    bool yatay = false;               // landscape pages for wide tables
};

// The whole document as PDF bytes. Every text is escaped; nothing in a
// field is read as markup.
QByteArray pdfYap(const PdfBelge &b);

}  // namespace ks::belge
