// Picture formatting of numbers; see sayibicimi.h.
#include "sayibicimi.h"

#include <cmath>

namespace kt {

namespace {

struct Resim {
    bool gruplu = false;
    int enAzTamsayi = 0;
    int enAzOndalik = 0;
    int enCokOndalik = 0;
};

Resim resimCoz(QStringView bicim)
{
    Resim r;
    bool ondalikta = false;
    for (QChar c : bicim) {
        if (c == u'.') {
            ondalikta = true;
        } else if (c == u',') {
            if (!ondalikta)
                r.gruplu = true;
        } else if (c == u'0') {
            if (ondalikta) {
                ++r.enAzOndalik;
                ++r.enCokOndalik;
            } else {
                ++r.enAzTamsayi;
            }
        } else if (c == u'#') {
            if (ondalikta)
                ++r.enCokOndalik;
        }
    }
    return r;
}

// Rounds half away from zero at `basamak` decimals. A value such as 1.005 is
// stored as 1.00499999…; the small relative nudge keeps it rounding the way
// the user reads it.
double yuvarla(double v, int basamak)
{
    const double k = std::pow(10.0, basamak);
    const double olcekli = v * k;
    const double pay = std::fabs(olcekli) * 1e-13;
    return std::round(olcekli + (olcekli < 0 ? -pay : pay)) / k;
}

}  // namespace

QString sayiBicimle(double deger, QStringView bicim, const QLocale &yerel)
{
    if (!std::isfinite(deger))
        return QString();
    if (bicim.isEmpty()) {
        QLocale y = yerel;
        y.setNumberOptions(QLocale::OmitGroupSeparator);
        return y.toString(deger, 'g', 15);
    }
    const Resim r = resimCoz(bicim);
    double v = yuvarla(deger, r.enCokOndalik);
    if (v == 0.0)
        v = 0.0;   // no "-0,00"
    QLocale y = yerel;
    y.setNumberOptions(r.gruplu ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    QString s = y.toString(v, 'f', r.enCokOndalik);

    const QString ayrac = y.decimalPoint();
    int nokta = r.enCokOndalik > 0 ? int(s.lastIndexOf(ayrac)) : -1;
    if (nokta >= 0) {
        // Drop optional ('#') decimals that are zero.
        int son = int(s.size());
        const int enAzSon = nokta + int(ayrac.size()) + r.enAzOndalik;
        while (son > enAzSon && s.at(son - 1) == y.zeroDigit().at(0))
            --son;
        if (son == nokta + int(ayrac.size()))
            son = nokta;
        s.truncate(son);
    }
    // Minimum integer digits: "#.##" shows 0.5 as ",5"; "000" pads.
    const bool eksi = s.startsWith(y.negativeSign());
    const int bas = eksi ? int(y.negativeSign().size()) : 0;
    int tamSon = nokta >= 0 && nokta < s.size() ? nokta : int(s.size());
    int rakam = 0;
    for (int i = bas; i < tamSon; ++i)
        if (s.at(i).isDigit())
            ++rakam;
    if (r.enAzTamsayi == 0 && rakam == 1 && s.at(bas) == y.zeroDigit().at(0) && tamSon < s.size())
        s.remove(bas, 1);
    else if (rakam < r.enAzTamsayi)
        s.insert(bas, QString(r.enAzTamsayi - rakam, y.zeroDigit().at(0)));
    return s;
}

}  // namespace kt
