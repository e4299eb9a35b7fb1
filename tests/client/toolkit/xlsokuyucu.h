// Reads an .xls workbook back with Debian's python3-xlrd, an independent
// reader, for the export tests.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QString>
#include <QtDebug>

namespace test {

// Every sheet as {"ad": name, "hucreler": [[[xlrd type, value], …], …]};
// dates come as [y, m, d, h, min, s]. Empty on failure.
inline QJsonArray xlsOku(const QString &yol)
{
    static const char *betik = R"PY(
import json, sys, xlrd
kitap = xlrd.open_workbook(sys.argv[1])
sonuc = []
for s in kitap.sheets():
    satirlar = []
    for r in range(s.nrows):
        satir = []
        for c in range(s.ncols):
            h = s.cell(r, c)
            v = h.value
            if h.ctype == xlrd.XL_CELL_DATE:
                v = list(xlrd.xldate_as_tuple(v, kitap.datemode))
            satir.append([h.ctype, v])
        satirlar.append(satir)
    sonuc.append({"ad": s.name, "hucreler": satirlar})
sys.stdout.write(json.dumps(sonuc))
)PY";
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(betik), yol});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning() << p.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

enum XlsTuru { XlsBos = 0, XlsMetin = 1, XlsSayi = 2, XlsTarih = 3, XlsMantik = 4 };

}  // namespace test
