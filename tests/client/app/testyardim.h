// Small helpers shared by the shell's tests.
#pragma once

#include "mesajgoster.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

// Messages as they would have been shown, in order; each is answered with
// its default button.
struct Mesajlar {
    QList<kt::MesajBilgisi> liste;
    Mesajlar()
    {
        kt::MesajKancasiKur([this](const kt::MesajBilgisi &m) {
            liste << m;
            return kt::dugmeSonucu(m.varsayilan);
        });
    }
    ~Mesajlar() { kt::MesajKancasiKur({}); }
    QStringList metinler() const
    {
        QStringList s;
        for (const auto &m : liste)
            s << m.metin;
        return s;
    }
};

// The section "kullanici" of an INI file as any INI reader sees it
// (Python's configparser); `cikisKodu` gets the reader's exit code.
inline QJsonObject iniOku(const QString &yol, int *cikisKodu = nullptr)
{
    QProcess py;
    py.start(QStringLiteral("/usr/bin/python3"),
             {QStringLiteral("-c"),
              QStringLiteral("import configparser, json, sys\n"
                             "c = configparser.ConfigParser(interpolation=None)\n"
                             "c.read(sys.argv[1], encoding='utf-8')\n"
                             "print(json.dumps(dict(c['kullanici']), ensure_ascii=False))"),
              yol});
    const bool bitti = py.waitForFinished(30000);
    if (cikisKodu)
        *cikisKodu = bitti ? py.exitCode() : -1;
    return QJsonDocument::fromJson(py.readAllStandardOutput()).object();
}
