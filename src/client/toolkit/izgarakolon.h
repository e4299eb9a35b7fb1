// How a screen declares its grid: one IzgaraKolonu per column, in grid
// order, and one IzgaraStili for the look. Example:
//
//   izgara->KolonlariKur({
//       IzgaraKolonu("DURUM", "Depo1", 1).Durum(durumSimgeHaritasi(), durumAciklamalari()),
//       IzgaraKolonu("OEM1", "Oem1", 2).Gizli().Ozet(OzetTuru::Sayi),
//       IzgaraKolonu("ADI", "Açıklama", 3),
//       IzgaraKolonu("STOK_STOKNO", "STOK_STOKNO", 1).Gizli().SecicideYok().Odaksiz(),
//       IzgaraKolonu({}, "Fiyat Bilgisi", 2).Sahibi(fiyatCiz, fiyatMetni),
//   });
#pragma once

#include "izgaraozet.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

class QPainter;

namespace kt {

class VeriSeti;

enum class Cizim {
    Metin,         // the field's display text
    Memo,          // long text, top-aligned, keeps its line breaks
    Durum,         // status icon: code → icon index (no text)
    EvetHayir,     // yes/no icon: 0 → icon 0, 1 → icon 1
    ResimIsareti,  // picture mark: 1 → icon 0, else nothing
    OnayKutusu,    // check box: ticked for 1 / true
    Sahibi,        // owner-drawn by the column's `ciz`
};

// What an owner-drawn cell gets. The callback paints the whole cell
// (background included); `arkaPlan` is the colour the grid would use.
struct IzgaraHucresi {
    QPainter *painter = nullptr;
    QRect rect;
    int satir = -1;          // dataset row
    int gorunumSatiri = -1;  // row in the view (0 = first shown row)
    bool secili = false;
    bool ciftSatir = false;  // gorunumSatiri is even
    QColor arkaPlan;
    QColor yazi;
    QFont font;
    const VeriSeti *veri = nullptr;

    QVariant deger(const QString &alan) const;     // value of another field of the same row
    QString gosterim(const QString &alan) const;   // its display text
};

struct IzgaraKolonu {
    IzgaraKolonu(QString alan = {}, QString baslik = {}, int agirlik = 1)
        : alan(std::move(alan)), baslik(std::move(baslik)), agirlik(agirlik) {}

    QString alan;            // field name; empty: a column without field
    QString baslik;          // caption; empty shows the field name (use " " for a blank header)
    int agirlik = 1;         // share of width in the weighted fitting
    bool gorunur = true;     // shown before any user choice
    bool secicide = true;    // offered in the quick column chooser
    bool odaklanir = true;   // may take the cell focus
    Cizim cizim = Cizim::Metin;
    Qt::Alignment hiza;                   // empty: numbers right, the rest left; always vertically centred
    int genislik = 0;        // start width in pixels (0: best fit on first load)
    OzetTuru ozet = OzetTuru::Yok;        // footer and group footer summary
    QString ozetBicimi;                   // empty: the field's display format

    QHash<int, int> simgeHaritasi;        // icon kinds: code → index in `simgeler`
    int digerSimge = -1;                  // index for codes without an entry (-1: none)
    const QVector<QPixmap> *simgeler = nullptr;   // null: the toolkit's list for the kind
    QHash<int, QString> aciklamalar;      // code → text for filter lists, tips and export

    std::function<void(const IzgaraHucresi &)> ciz;   // owner-drawn cells
    std::function<QString(int satir)> metin;           // text of a field-less column (search, export)

    // Fluent setters for declarative column tables.
    IzgaraKolonu &Gizli() { gorunur = false; return *this; }
    IzgaraKolonu &Gorunur(bool g) { gorunur = g; return *this; }
    IzgaraKolonu &SecicideYok() { secicide = false; return *this; }
    IzgaraKolonu &Odaksiz() { odaklanir = false; return *this; }
    IzgaraKolonu &Ortala() { hiza = Qt::AlignHCenter; return *this; }
    IzgaraKolonu &Saga() { hiza = Qt::AlignRight; return *this; }
    IzgaraKolonu &Genislik(int px) { genislik = px; return *this; }
    IzgaraKolonu &Ozet(OzetTuru t, QString bicim = {}) { ozet = t; ozetBicimi = std::move(bicim); return *this; }
    IzgaraKolonu &Memo() { cizim = Cizim::Memo; return *this; }
    IzgaraKolonu &OnayKutusu() { cizim = Cizim::OnayKutusu; hiza = Qt::AlignHCenter; return *this; }
    IzgaraKolonu &Durum(QHash<int, int> harita, QHash<int, QString> aciklama = {})
    {
        cizim = Cizim::Durum;
        simgeHaritasi = std::move(harita);
        aciklamalar = std::move(aciklama);
        hiza = Qt::AlignHCenter;
        return *this;
    }
    // `digerIcin`: icon for values other than 0 and 1 (-1: none).
    IzgaraKolonu &EvetHayir(int digerIcin = -1)
    {
        cizim = Cizim::EvetHayir;
        simgeHaritasi = {{0, 0}, {1, 1}};
        digerSimge = digerIcin;
        aciklamalar = {{0, QStringLiteral("Hayır")}, {1, QStringLiteral("Evet")}};
        hiza = Qt::AlignHCenter;
        return *this;
    }
    IzgaraKolonu &ResimIsareti()
    {
        cizim = Cizim::ResimIsareti;
        simgeHaritasi = {{1, 0}};
        aciklamalar = {{0, QStringLiteral("Yok")}, {1, QStringLiteral("Var")}};
        hiza = Qt::AlignHCenter;
        return *this;
    }
    IzgaraKolonu &Simgeler(const QVector<QPixmap> *liste) { simgeler = liste; return *this; }
    IzgaraKolonu &Sahibi(std::function<void(const IzgaraHucresi &)> c, std::function<QString(int)> m = {})
    {
        cizim = Cizim::Sahibi;
        ciz = std::move(c);
        metin = std::move(m);
        return *this;
    }
};

// The grid's look and behaviour. Defaults are the stock list's.
struct IzgaraStili {
    QColor ciftSatir{239, 239, 239};      // rows 0, 2, 4 … of the view
    QColor tekSatir{255, 255, 255};
    QColor secili{210, 240, 249};
    QColor seciliYazi{0, 0, 0};
    QColor yazi{0, 0, 0};
    QColor baslik{61, 65, 74};
    QColor baslikYazi{255, 255, 255};
    QColor gostergeRengi{66, 66, 66};     // the narrow row indicator
    QColor cizgi{214, 218, 224};          // cell lines
    QColor grupBasligi{221, 228, 236};
    QColor grupAltligi{236, 240, 244};
    QColor altBilgiRengi{228, 232, 237};  // footer row
    QColor vurgu{46, 125, 154};           // active filter buttons, search text
    QFont font{QStringLiteral("Tahoma")};
    QFont baslikFont{QStringLiteral("Arial")};
    int fontPx = 13;
    int baslikFontPx = 13;
    bool baslikKalin = true;
    int baslikYuksekligi = 40;
    int satirYuksekligi = 40;
    bool satirSecimi = true;      // whole rows are selected; false: single cells take the focus
    bool odakCercevesi = false;
    bool metinKaydir = true;      // text cells wrap
    bool filtreDugmeleri = true;
    bool altBilgi = true;         // footer row
    bool grupAltlari = true;      // group footers
    bool artimliArama = true;
    bool siralama = true;         // sorting by header click
    bool satirGostergesi = true;  // narrow row indicator
    bool kolonSecici = true;
};

}  // namespace kt
