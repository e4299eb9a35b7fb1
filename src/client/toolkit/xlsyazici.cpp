// BIFF8 workbook inside a compound file (version 3, 512-byte sectors).
// Layout of the Workbook stream: globals (BOF, code page 1200, window,
// fonts, formats, XFs, style, sheet list, SST with CONTINUE records and
// EXTSST, EOF), then one substream per sheet (BOF, dimensions, column
// widths, cells, window, EOF).
#include "xlsyazici.h"

#include "tarih.h"

#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace kt {

namespace {

constexpr int kEnCokVeri = 8224;          // bytes of data in one BIFF8 record
constexpr int kSayfaSatiri = 65535;       // data rows under the header row
constexpr int kEnCokKolon = 256;
constexpr int kEnUzunMetin = 32767;       // characters Excel keeps in a cell

class Tampon {
public:
    QByteArray b;
    void u8(int v) { b.append(char(v & 0xFF)); }
    void u16(int v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(quint32 v)
    {
        u16(int(v & 0xFFFF));
        u16(int(v >> 16));
    }
    void f64(double d)
    {
        quint64 bit;
        std::memcpy(&bit, &d, 8);
        u32(quint32(bit & 0xFFFFFFFFu));
        u32(quint32(bit >> 32));
    }
    void sifir(int n) { b.append(n, '\0'); }
    void kayit(int tur, const QByteArray &veri)
    {
        u16(tur);
        u16(int(veri.size()));
        b.append(veri);
    }
    int boy() const { return int(b.size()); }
};

bool sikistirilabilir(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

void karakterler(Tampon &t, const QString &s, int bas, int n, bool dar)
{
    for (int i = bas; i < bas + n; ++i) {
        if (dar)
            t.u8(s.at(i).unicode());
        else
            t.u16(s.at(i).unicode());
    }
}

// XLUnicodeString with a 16-bit length (FORMAT) or an 8-bit one (sheet and
// font names).
QByteArray unicodeMetin(const QString &s, bool kisaBoy)
{
    Tampon t;
    const bool dar = sikistirilabilir(s);
    if (kisaBoy)
        t.u8(int(s.size()));
    else
        t.u16(int(s.size()));
    t.u8(dar ? 0 : 1);
    karakterler(t, s, 0, int(s.size()), dar);
    return t.b;
}

QByteArray bof(int tur)
{
    Tampon t;
    t.u16(0x0600);
    t.u16(tur);
    t.u16(0x0DBB);
    t.u16(0x07CC);
    t.u32(0);
    t.u32(6);
    return t.b;
}

QByteArray font(bool kalin)
{
    Tampon t;
    t.u16(200);            // 10 pt
    t.u16(0);
    t.u16(0x7FFF);         // automatic colour
    t.u16(kalin ? 700 : 400);
    t.u16(0);
    t.u8(0);
    t.u8(0);
    t.u8(0);
    t.u8(0);
    t.b.append(unicodeMetin(QStringLiteral("Arial"), true));
    return t.b;
}

QByteArray xf(int ifnt, int ifmt, bool stil, int kullanilan, bool dolgu)
{
    Tampon t;
    t.u16(ifnt);
    t.u16(ifmt);
    t.u16(stil ? 0xFFF5 : 0x0001);
    t.u8(0x20);            // vertical alignment: bottom
    t.u8(0);
    t.u8(0);
    t.u8(kullanilan);
    t.u32(0);
    t.u32(dolgu ? (1u << 26) : 0u);
    t.u16(dolgu ? (22 | (64 << 7)) : 0x20C0);   // silver fill for the header row
    return t.b;
}

double hucreSayisi(const QVariant &v, bool *tamam)
{
    *tamam = true;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return v.toDouble();
    default:
        *tamam = false;
        return 0;
    }
}

struct Hucre {
    enum Tur { Bos, Sayi, Tarih, TarihSaat, Mantik, Metin } tur = Bos;
    double sayi = 0;
    QString metin;
};

Hucre hucreCoz(const QVariant &v)
{
    Hucre h;
    if (!v.isValid() || v.isNull())
        return h;
    bool sayi = false;
    const double d = hucreSayisi(v, &sayi);
    if (sayi) {
        if (std::isfinite(d)) {
            h.tur = Hucre::Sayi;
            h.sayi = d;
        }
        return h;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
        h.tur = Hucre::Mantik;
        h.sayi = v.toBool() ? 1 : 0;
        return h;
    case QMetaType::QDate:
        if (v.toDate().isValid()) {
            h.tur = Hucre::Tarih;
            h.sayi = kw::oleTarih(v.toDate());
        }
        return h;
    case QMetaType::QDateTime:
        if (v.toDateTime().isValid()) {
            h.tur = Hucre::TarihSaat;
            h.sayi = kw::oleTarih(v.toDateTime());
        }
        return h;
    default:
        break;
    }
    h.metin = v.toString();
    if (h.metin.size() > kEnUzunMetin)
        h.metin.truncate(kEnUzunMetin);
    if (!h.metin.isEmpty())
        h.tur = Hucre::Metin;
    return h;
}

// The shared string table, split into SST + CONTINUE records. A string's
// three-byte header never splits; its characters may, and the part in the
// next record starts with its own option byte.
struct Sst {
    QVector<QString> metinler;
    QHash<QString, int> no;
    quint32 toplam = 0;

    int ekle(const QString &s)
    {
        ++toplam;
        auto it = no.constFind(s);
        if (it != no.constEnd())
            return it.value();
        const int n = int(metinler.size());
        metinler.push_back(s);
        no.insert(s, n);
        return n;
    }

    // Writes the records into `out`, whose stream offset is `basKonum`.
    void yaz(Tampon &out, int basKonum) const
    {
        struct Kova { quint32 ib; int cb; };
        QVector<Kova> kovalar;
        Tampon kayit;
        int kayitBasi = out.boy();   // where the current record's header will go
        bool ilk = true;
        auto bosalt = [&]() {
            out.kayit(ilk ? 0x00FC : 0x003C, kayit.b);
            ilk = false;
            kayit.b.clear();
            kayitBasi = out.boy();
        };
        kayit.u32(toplam);
        kayit.u32(quint32(metinler.size()));
        for (int i = 0; i < metinler.size(); ++i) {
            const QString &s = metinler[i];
            const bool dar = sikistirilabilir(s);
            const int bk = dar ? 1 : 2;
            if (kayit.boy() + 3 + bk > kEnCokVeri)
                bosalt();
            if (i % 8 == 0)
                kovalar.push_back({quint32(basKonum + kayitBasi + 4 + kayit.boy()), 4 + kayit.boy()});
            kayit.u16(int(s.size()));
            kayit.u8(dar ? 0 : 1);
            int kalan = int(s.size());
            int bas = 0;
            while (kalan > 0) {
                int n = std::min(kalan, (kEnCokVeri - kayit.boy()) / bk);
                if (n == 0) {
                    bosalt();
                    kayit.u8(dar ? 0 : 1);
                    continue;
                }
                karakterler(kayit, s, bas, n, dar);
                bas += n;
                kalan -= n;
            }
        }
        bosalt();
        Tampon ext;
        ext.u16(8);
        for (const Kova &k : kovalar) {
            ext.u32(k.ib);
            ext.u16(k.cb);
            ext.u16(0);
        }
        out.kayit(0x00FF, ext.b);
    }
};

// A compound file with one stream, "Workbook". Streams under 4096 bytes
// would go to the mini stream; the workbook is padded instead, as Excel's
// own small files are.
QByteArray bilesikDosya(QByteArray akis)
{
    constexpr quint32 kSon = 0xFFFFFFFE, kBos = 0xFFFFFFFF, kFat = 0xFFFFFFFD, kDifat = 0xFFFFFFFC;
    if (akis.size() < 4096)
        akis.append(4096 - akis.size(), '\0');
    const quint32 boy = quint32(akis.size());
    const int akisSektor = int((boy + 511) / 512);
    akis.append(akisSektor * 512 - akis.size(), '\0');
    const int dizinSektor = 1;
    int fat = 1, difat = 0;
    for (;;) {
        difat = fat > 109 ? (fat - 109 + 126) / 127 : 0;
        const int toplam = akisSektor + dizinSektor + fat + difat;
        if (toplam <= fat * 128)
            break;
        ++fat;
    }
    // Sector order: stream, directory, FAT, DIFAT.
    const int dizinBas = akisSektor;
    const int fatBas = dizinBas + dizinSektor;
    const int difatBas = fatBas + fat;

    QVector<quint32> tablo(fat * 128, kBos);
    for (int i = 0; i < akisSektor; ++i)
        tablo[i] = i + 1 < akisSektor ? quint32(i + 1) : kSon;
    tablo[dizinBas] = kSon;
    for (int i = 0; i < fat; ++i)
        tablo[fatBas + i] = kFat;
    for (int i = 0; i < difat; ++i)
        tablo[difatBas + i] = kDifat;

    Tampon b;
    // Header.
    b.u32(0xE011CFD0);
    b.u32(0xE11AB1A1);
    b.sifir(16);
    b.u16(0x003E);
    b.u16(0x0003);
    b.u16(0xFFFE);
    b.u16(9);
    b.u16(6);
    b.sifir(6);
    b.u32(0);                 // directory sectors: 0 in version 3
    b.u32(quint32(fat));
    b.u32(quint32(dizinBas));
    b.u32(0);
    b.u32(4096);
    b.u32(kSon);              // no mini FAT
    b.u32(0);
    b.u32(difat ? quint32(difatBas) : kSon);
    b.u32(quint32(difat));
    for (int i = 0; i < 109; ++i)
        b.u32(i < fat ? quint32(fatBas + i) : kBos);

    b.b.append(akis);

    // Directory: root entry, the Workbook stream and two empty entries.
    auto girdi = [&](const QString &ad, int tur, quint32 cocuk, quint32 bas, quint32 uzunluk) {
        Tampon g;
        for (QChar c : ad)
            g.u16(c.unicode());
        g.sifir(64 - g.boy());
        g.u16(ad.isEmpty() ? 0 : int(ad.size() + 1) * 2);
        g.u8(tur);
        g.u8(ad.isEmpty() ? 0 : 1);   // black
        g.u32(kBos);
        g.u32(kBos);
        g.u32(cocuk);
        g.sifir(16 + 4 + 16);
        g.u32(bas);
        g.u32(uzunluk);
        g.u32(0);
        b.b.append(g.b);
    };
    girdi(QStringLiteral("Root Entry"), 5, 1, kSon, 0);
    girdi(QStringLiteral("Workbook"), 2, kBos, 0, boy);
    girdi(QString(), 0, kBos, 0, 0);
    girdi(QString(), 0, kBos, 0, 0);

    for (quint32 v : tablo)
        b.u32(v);
    for (int d = 0; d < difat; ++d) {
        for (int i = 0; i < 127; ++i) {
            const int f = 109 + d * 127 + i;
            b.u32(f < fat ? quint32(fatBas + f) : kBos);
        }
        b.u32(d + 1 < difat ? quint32(difatBas + d + 1) : kSon);
    }
    return b.b;
}

}  // namespace

QByteArray xlsOlustur(const QVector<XlsKolon> &kolonlar, const QVector<QVector<QVariant>> &satirlar, QString *hata)
{
    if (kolonlar.size() > kEnCokKolon) {
        if (hata)
            *hata = QStringLiteral("Excel sayfası en çok %1 kolon alır.").arg(kEnCokKolon);
        return {};
    }
    const int kolonSayisi = int(kolonlar.size());

    // Number formats: custom ones from 164 on, one cell XF per distinct
    // (format) after the 16 standard XFs; XF 16 is the header.
    QStringList bicimler;
    QHash<QString, int> bicimXf;
    const int kBaslikXf = 16;
    auto xfIcin = [&](const QString &bicim) {
        auto it = bicimXf.constFind(bicim);
        if (it != bicimXf.constEnd())
            return it.value();
        bicimler.push_back(bicim);
        const int no = kBaslikXf + int(bicimler.size());
        bicimXf.insert(bicim, no);
        return no;
    };
    const int tarihXf = xfIcin(QStringLiteral("dd.mm.yyyy"));
    const int zamanXf = xfIcin(QStringLiteral("dd.mm.yyyy hh:mm:ss"));
    QVector<int> kolonXf(kolonSayisi, 15);
    for (int k = 0; k < kolonSayisi; ++k)
        if (!kolonlar[k].sayiBicimi.isEmpty())
            kolonXf[k] = xfIcin(kolonlar[k].sayiBicimi);

    // Sheets.
    Sst sst;
    QVector<QByteArray> sayfalar;
    const int sayfaSayisi = std::max(1, int((satirlar.size() + kSayfaSatiri - 1) / kSayfaSatiri));
    for (int sy = 0; sy < sayfaSayisi; ++sy) {
        const int bas = sy * kSayfaSatiri;
        const int son = std::min(int(satirlar.size()), bas + kSayfaSatiri);
        Tampon t;
        t.kayit(0x0809, bof(0x0010));
        Tampon d;
        d.u32(0);
        d.u32(quint32(son - bas + 1));
        d.u16(0);
        d.u16(kolonSayisi);
        d.u16(0);
        t.kayit(0x0200, d.b);
        for (int k = 0; k < kolonSayisi; ++k) {
            if (kolonlar[k].genislikPx <= 0)
                continue;
            Tampon c;
            c.u16(k);
            c.u16(k);
            c.u16(std::min(65535, kolonlar[k].genislikPx * 256 / 7));
            c.u16(15);
            c.u16(0);
            c.u16(0);
            t.kayit(0x007D, c.b);
        }
        auto metinHucre = [&](int sat, int kol, int xfNo, const QString &s) {
            Tampon c;
            c.u16(sat);
            c.u16(kol);
            c.u16(xfNo);
            c.u32(quint32(sst.ekle(s)));
            t.kayit(0x00FD, c.b);
        };
        for (int k = 0; k < kolonSayisi; ++k)
            if (!kolonlar[k].baslik.isEmpty())
                metinHucre(0, k, kBaslikXf, kolonlar[k].baslik.left(kEnUzunMetin));
        for (int r = bas; r < son; ++r) {
            const QVector<QVariant> &satir = satirlar[r];
            const int sat = r - bas + 1;
            for (int k = 0; k < kolonSayisi && k < satir.size(); ++k) {
                const Hucre h = hucreCoz(satir[k]);
                switch (h.tur) {
                case Hucre::Bos:
                    break;
                case Hucre::Metin:
                    metinHucre(sat, k, 15, h.metin);
                    break;
                case Hucre::Mantik: {
                    Tampon c;
                    c.u16(sat);
                    c.u16(k);
                    c.u16(15);
                    c.u8(int(h.sayi));
                    c.u8(0);
                    t.kayit(0x0205, c.b);
                    break;
                }
                default: {
                    Tampon c;
                    c.u16(sat);
                    c.u16(k);
                    c.u16(h.tur == Hucre::Tarih ? tarihXf : h.tur == Hucre::TarihSaat ? zamanXf : kolonXf[k]);
                    c.f64(h.sayi);
                    t.kayit(0x0203, c.b);
                    break;
                }
                }
            }
        }
        Tampon w;
        w.u16(sy == 0 ? 0x06B6 : 0x00B6);
        w.u16(0);
        w.u16(0);
        w.u16(64);
        w.u16(0);
        w.u16(0);
        w.u16(0);
        w.u32(0);
        t.kayit(0x023E, w.b);
        t.kayit(0x000A, {});
        sayfalar.push_back(t.b);
    }

    // Globals.
    Tampon g;
    g.kayit(0x0809, bof(0x0005));
    {
        Tampon c;
        c.u16(1200);   // UTF-16
        g.kayit(0x00E1, c.b);
        g.kayit(0x0042, c.b);
    }
    {
        Tampon w;
        w.u16(0);
        w.u16(0);
        w.u16(0x4000);
        w.u16(0x2000);
        w.u16(0x0038);
        w.u16(0);
        w.u16(0);
        w.u16(1);
        w.u16(0x0258);
        g.kayit(0x003D, w.b);
    }
    for (int i = 0; i < 4; ++i)
        g.kayit(0x0031, font(false));
    g.kayit(0x0031, font(true));   // index 5: index 4 does not exist in BIFF
    for (int i = 0; i < bicimler.size(); ++i) {
        Tampon f;
        f.u16(164 + i);
        f.b.append(unicodeMetin(bicimler[i], false));
        g.kayit(0x041E, f.b);
    }
    g.kayit(0x00E0, xf(0, 0, true, 0, false));
    for (int i = 1; i < 15; ++i)
        g.kayit(0x00E0, xf(0, 0, true, 0xF4, false));
    g.kayit(0x00E0, xf(0, 0, false, 0, false));            // 15: general cell
    g.kayit(0x00E0, xf(5, 0, false, 0x48, true));          // 16: header
    for (int i = 0; i < bicimler.size(); ++i)
        g.kayit(0x00E0, xf(0, 164 + i, false, 0x04, false));
    {
        Tampon s;
        s.u16(0x8000);
        s.u8(0);
        s.u8(0xFF);
        g.kayit(0x0293, s.b);
    }
    QVector<int> sayfaKonumAlani;
    for (int sy = 0; sy < sayfalar.size(); ++sy) {
        Tampon s;
        s.u32(0);   // patched below
        s.u8(0);
        s.u8(0);
        s.b.append(unicodeMetin(QStringLiteral("Sayfa%1").arg(sy + 1), true));
        sayfaKonumAlani.push_back(g.boy() + 4);
        g.kayit(0x0085, s.b);
    }
    sst.yaz(g, 0);
    g.kayit(0x000A, {});

    QByteArray akis = g.b;
    qint64 konum = akis.size();
    for (int sy = 0; sy < sayfalar.size(); ++sy) {
        qToLittleEndian<quint32>(quint32(konum), akis.data() + sayfaKonumAlani[sy]);
        konum += sayfalar[sy].size();
    }
    for (const QByteArray &s : sayfalar)
        akis.append(s);
    return bilesikDosya(akis);
}

bool xlsYaz(const QString &yol, const QVector<XlsKolon> &kolonlar, const QVector<QVector<QVariant>> &satirlar,
            QString *hata)
{
    const QByteArray veri = xlsOlustur(kolonlar, satirlar, hata);
    if (veri.isEmpty())
        return false;
    QSaveFile f(yol);
    if (!f.open(QIODevice::WriteOnly) || f.write(veri) != veri.size() || !f.commit()) {
        if (hata)
            *hata = QStringLiteral("Dosya yazılamadı: %1").arg(f.errorString());
        return false;
    }
    return true;
}

QString xlsUzantili(const QString &yol)
{
    const QFileInfo fi(yol);
    const QString ad = fi.fileName();
    const int nokta = int(ad.lastIndexOf(u'.'));
    const QString kok = nokta > 0 ? ad.left(nokta) : ad;
    const QString dizin = yol.left(yol.size() - ad.size());
    return dizin + kok + QStringLiteral(".xls");
}

}  // namespace kt
