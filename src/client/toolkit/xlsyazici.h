// A small writer of Excel 97-2003 (.xls, BIFF8) workbooks: one compound
// file with a Workbook stream, Unicode texts through the shared string table,
// numbers as numbers, dates as dates. Used by the grid's Excel export.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace kt {

// What one column of the export looks like.
struct XlsKolon {
    XlsKolon(QString b = {}, int g = 0, QString s = {}) : baslik(std::move(b)), genislikPx(g), sayiBicimi(std::move(s)) {}
    QString baslik;        // header row text
    int genislikPx = 0;    // 0: Excel's default width
    QString sayiBicimi;    // Excel number format for numeric cells, e.g. "#,##0.00"
};

// Cells: int/qlonglong/double → number, bool → TRUE/FALSE, QDate/QDateTime →
// date, anything else → its text; invalid or empty text → blank cell.
// A sheet holds at most 65,535 data rows under its header; more rows go on
// to further sheets ("Sayfa2", …), each with the header repeated.
QByteArray xlsOlustur(const QVector<XlsKolon> &kolonlar, const QVector<QVector<QVariant>> &satirlar,
                      QString *hata = nullptr);

// Writes the workbook to `yol` (whose extension the caller has fixed with
// xlsUzantili). False with a Turkish reason in `hata` when it cannot.
bool xlsYaz(const QString &yol, const QVector<XlsKolon> &kolonlar, const QVector<QVector<QVariant>> &satirlar,
            QString *hata = nullptr);

// The same path with the extension "xls" in place of whatever it had
// ("liste.xlsx" → "liste.xls", "liste" → "liste.xls").
QString xlsUzantili(const QString &yol);

}  // namespace kt
