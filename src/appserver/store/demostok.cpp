// Demo stock items: part × position × variant for a make and model, with
// dealer-style codes written in many spellings (blanks, dashes, dots,
// slashes) so that the search has to normalise them.

#include "demoic.h"

#include <QVariant>

namespace ks::demo {

namespace {

struct Parca {
    const char *ad;
    const char *ingilizce;
    const char *anagrup;
    const char *birim;
    int fiyatEnAz, fiyatEnCok;   // TL
    std::vector<const char *> konumlar;
    std::vector<const char *> cesitler;
    std::vector<const char *> ureticiler;   // manufacturer code patterns
};

const std::vector<const char *> kYok = {""};
const std::vector<const char *> kOnArka = {"Ön", "Arka"};
const std::vector<const char *> kDort = {"Ön Sağ", "Ön Sol", "Arka Sağ", "Arka Sol"};
const std::vector<const char *> kSagSol = {"Sağ", "Sol"};
const std::vector<const char *> kOnSagSol = {"Ön Sağ", "Ön Sol"};
const std::vector<const char *> kAltUst = {"Alt", "Üst"};

const std::vector<Parca> &parcalar()
{
    static const std::vector<Parca> p = {
        // FREN
        {"Fren Balatası", "Brake Pad Set", "FREN", "TAKIM", 450, 1800, kOnArka, {"", "Seramik", "Fişli", "Fişsiz"},
         {"BOSCH 0 986 494 ###", "TRW GDB####", "FERODO FDB####", "TEXTAR 2####01"}},
        {"Fren Diski", "Brake Disc", "FREN", "ADET", 600, 2800, kOnArka, {"", "Havalı", "Düz"},
         {"BREMBO 09.####.##", "TRW DF####", "BOSCH 0 986 479 ###"}},
        {"Fren Kaliperi", "Brake Caliper", "FREN", "ADET", 1500, 5200, kDort, {"", "Revizyonlu"},
         {"TRW BHN###", "ATE 24.####-####.#"}},
        {"Fren Hortumu", "Brake Hose", "FREN", "ADET", 150, 480, kDort, kYok, {"TRW PHB###", "FEBI #####"}},
        {"El Fren Teli", "Handbrake Cable", "FREN", "ADET", 250, 900, kSagSol, kYok, {"COFLE ##.####", "FEBI #####"}},
        {"Fren Merkezi", "Brake Master Cylinder", "FREN", "ADET", 1200, 3800, kYok, {"", "ABS'li"},
         {"TRW PML###", "ATE 24.####-####.#"}},
        // FİLTRE
        {"Yağ Filtresi", "Oil Filter", "FİLTRE", "ADET", 120, 450, kYok, {"", "Kartuş"},
         {"MANN W ###/##", "MAHLE OC ###", "BOSCH 0 451 103 ###", "FILTRON OP ###"}},
        {"Hava Filtresi", "Air Filter", "FİLTRE", "ADET", 180, 650, kYok, {"", "Konik"},
         {"MANN C ## ###", "MAHLE LX ####", "BOSCH 1 457 433 ###"}},
        {"Polen Filtresi", "Cabin Filter", "FİLTRE", "ADET", 150, 520, kYok, {"", "Karbonlu"},
         {"MANN CU ####", "MAHLE LA ###", "BOSCH 1 987 432 ###"}},
        {"Yakıt Filtresi", "Fuel Filter", "FİLTRE", "ADET", 220, 900, kYok, {"", "Dizel", "Benzinli"},
         {"MANN WK ###/#", "BOSCH F 026 402 ###", "DELPHI HDF###"}},
        // MOTOR
        {"Triger Kayışı", "Timing Belt", "MOTOR", "ADET", 400, 1400, kYok, {"", "Seti", "Devirdaim Pompalı Set"},
         {"GATES K0#####XS", "CONTITECH CT####K#", "DAYCO KTB###", "SKF VKMA 0####"}},
        {"Su Pompası", "Water Pump", "MOTOR", "ADET", 700, 2600, kYok, {"", "Contalı"},
         {"SKF VKPC 8####", "GRAF PA####", "DOLZ R###"}},
        {"Motor Takozu", "Engine Mount", "MOTOR", "ADET", 450, 1900, {"Ön", "Arka", "Sağ", "Sol"}, kYok,
         {"LEMFÖRDER ##### ##", "FEBI #####", "CORTECO 80000###"}},
        {"Silindir Kapak Contası", "Cylinder Head Gasket", "MOTOR", "ADET", 350, 1600, kYok, {"", "Çelik"},
         {"ELRING ###.###", "VICTOR REINZ 61-#####-##"}},
        {"Turbo Hortumu", "Turbo Hose", "MOTOR", "ADET", 450, 1800, kYok, kYok, {"FEBI #####", "GATES ####-#####"}},
        {"Motor Yağı", "Engine Oil", "MOTOR", "LT", 280, 700, kYok, {"5W-30", "10W-40", "5W-40"},
         {"CASTROL ######", "MOTUL ######", "PETROL OFİSİ ####"}},
        {"Yakıt Pompası", "Fuel Pump", "MOTOR", "ADET", 1500, 5200, kYok, {"", "Elektrikli", "Şamandıralı"},
         {"BOSCH 0 580 ### ###", "DELPHI FE####-12B1", "VDO A2C#######"}},
        {"Egzoz Susturucu", "Exhaust Silencer", "MOTOR", "ADET", 600, 2400, {"Orta", "Arka"}, kYok,
         {"BOSAL ###-###", "WALKER #####"}},
        {"Kızdırma Bujisi", "Glow Plug", "MOTOR", "ADET", 180, 650, kYok, kYok, {"BOSCH 0 250 2## ###", "BERU GN ###"}},
        // SÜSPANSİYON
        {"Amortisör", "Shock Absorber", "SÜSPANSİYON", "ADET", 700, 3200, kDort, {"", "Gazlı", "Yağlı"},
         {"SACHS 3## ###", "KYB 33####", "MONROE G####", "BILSTEIN 22-######"}},
        {"Rot Başı", "Tie Rod End", "SÜSPANSİYON", "ADET", 180, 650, kSagSol, kYok,
         {"LEMFÖRDER ##### ##", "TRW JTE####", "MOOG FI-ES-####"}},
        {"Rotil", "Ball Joint", "SÜSPANSİYON", "ADET", 220, 800, kOnSagSol, kYok, {"LEMFÖRDER ##### ##", "TRW JBJ###"}},
        {"Salıncak", "Control Arm", "SÜSPANSİYON", "ADET", 650, 2400, {"Alt Sağ", "Alt Sol", "Üst Sağ", "Üst Sol"},
         {"", "Burçlu"}, {"LEMFÖRDER ##### ##", "TRW JTC####", "FEBI #####"}},
        {"Z Rot", "Stabilizer Link", "SÜSPANSİYON", "ADET", 150, 520, {"Ön Sağ", "Ön Sol", "Arka"}, kYok,
         {"LEMFÖRDER ##### ##", "MOOG ##-LS-####"}},
        {"Helezon Yay", "Coil Spring", "SÜSPANSİYON", "ADET", 450, 1500, kOnArka, kYok,
         {"LESJÖFORS #######", "SACHS 99# ###"}},
        {"Aks Körüğü", "CV Boot", "SÜSPANSİYON", "ADET", 120, 380, {"Teker Tarafı", "Şanzıman Tarafı"}, kYok,
         {"FEBI #####", "LÖBRO ######"}},
        {"Porya Rulmanı", "Wheel Bearing", "SÜSPANSİYON", "ADET", 450, 1700, kOnArka, {"", "ABS'li"},
         {"SKF VKBA ####", "SNR R###.##", "FAG 713 6## ###"}},
        // ELEKTRİK
        {"Marş Motoru", "Starter Motor", "ELEKTRİK", "ADET", 2200, 7800, kYok, {"", "Revizyonlu"},
         {"BOSCH 0 001 1## ###", "VALEO 4####", "MAGNETI MARELLI 9######"}},
        {"Alternatör", "Alternator", "ELEKTRİK", "ADET", 2800, 9500, kYok, {"", "90A", "120A"},
         {"BOSCH 0 124 5## ###", "VALEO 4####", "DENSO DAN####"}},
        {"Akü", "Battery", "ELEKTRİK", "ADET", 1800, 5200, kYok, {"60 Ah", "72 Ah", "100 Ah"},
         {"VARTA ### ### ###", "MUTLU L# ###"}},
        {"Buji", "Spark Plug", "ELEKTRİK", "ADET", 60, 420, kYok, {"", "İridyum", "Platin"},
         {"NGK BKR#E", "BOSCH 0 242 2## ###", "DENSO K##PR-U"}},
        {"Far", "Headlamp", "ELEKTRİK", "ADET", 1500, 7500, kSagSol, {"", "Sis Farlı", "Elektrikli", "Manuel"},
         {"VALEO 0####", "HELLA 1EG ### ###-###", "DEPO 661-11##"}},
        {"Stop Lambası", "Tail Lamp", "ELEKTRİK", "ADET", 450, 1800, kSagSol, kYok,
         {"DEPO 552-19##", "HELLA 2SD ### ###-###"}},
        {"Oksijen Sensörü", "Lambda Sensor", "ELEKTRİK", "ADET", 900, 3200, kYok, kYok,
         {"BOSCH 0 258 006 ###", "NTK OZA###-##"}},
        {"ABS Sensörü", "ABS Sensor", "ELEKTRİK", "ADET", 450, 1500, kDort, kYok,
         {"BOSCH 0 986 594 ###", "ATE 24.0711-####.#"}},
        // SOĞUTMA
        {"Radyatör", "Radiator", "SOĞUTMA", "ADET", 1800, 6500, kYok, {"", "Klimalı", "Klimasız", "Otomatik Şanzıman"},
         {"NISSENS #####", "VALEO 73####", "BEHR 8MK 376 ### ###"}},
        {"Termostat", "Thermostat", "SOĞUTMA", "ADET", 250, 900, kYok, {"", "Gövdeli"},
         {"WAHLER ####.##D", "GATES TH#####G1", "BEHR TX ## ##D"}},
        {"Fan Motoru", "Cooling Fan Motor", "SOĞUTMA", "ADET", 900, 3200, kYok, kYok,
         {"BOSCH 0 130 303 ###", "NISSENS #####"}},
        {"Kalorifer Radyatörü", "Heater Core", "SOĞUTMA", "ADET", 600, 2200, kYok, kYok,
         {"NISSENS #####", "VALEO 812###"}},
        {"Klima Kompresörü", "A/C Compressor", "SOĞUTMA", "ADET", 5500, 16000, kYok, kYok,
         {"DENSO DCP#####", "SANDEN SD#V##-####"}},
        {"Radyatör Hortumu", "Radiator Hose", "SOĞUTMA", "ADET", 150, 600, kAltUst, kYok,
         {"GATES ####-#####", "FEBI #####"}},
        {"Antifriz", "Antifreeze", "SOĞUTMA", "LT", 90, 280, kYok, {"Kırmızı", "Mavi", "Yeşil"},
         {"PETROL OFİSİ ####", "CASTROL ######"}},
        // KAPORTA
        {"Tampon", "Bumper", "KAPORTA", "ADET", 1200, 4800, kOnArka, {"", "Astarlı", "Sis Delikli"},
         {"DEPO 6##-####-##", "YERLİ ######"}},
        {"Dikiz Aynası", "Side Mirror", "KAPORTA", "ADET", 600, 2800, kSagSol, {"", "Elektrikli", "Isıtmalı"},
         {"DEPO 1###-####", "TYC 3##-####"}},
        {"Çamurluk", "Fender", "KAPORTA", "ADET", 700, 2600, kOnSagSol, kYok, {"DEPO 6##-####-##", "YERLİ ######"}},
        {"Kaput", "Bonnet", "KAPORTA", "ADET", 1800, 5500, kYok, kYok, {"YERLİ ######"}},
        {"Silecek Süpürgesi", "Wiper Blade", "KAPORTA", "ADET", 120, 480, {"Ön Sağ", "Ön Sol", "Arka"},
         {"", "Muz Tipi", "Telli"}, {"BOSCH 3 397 ### ###", "VALEO 5742##"}},
        // ŞANZIMAN
        {"Debriyaj Seti", "Clutch Kit", "ŞANZIMAN", "TAKIM", 1800, 6200, kYok, {"", "Rulmanlı", "Volanlı"},
         {"SACHS 3000 9## ###", "LUK 6## #### ##", "VALEO 826 ###"}},
        {"Debriyaj Rulmanı", "Release Bearing", "ŞANZIMAN", "ADET", 350, 1200, kYok, kYok,
         {"SACHS 3151 ### ###", "LUK 500 #### ##"}},
        {"Debriyaj Teli", "Clutch Cable", "ŞANZIMAN", "ADET", 200, 650, kYok, kYok, {"COFLE ##.####", "FEBI #####"}},
        {"Şanzıman Takozu", "Gearbox Mount", "ŞANZIMAN", "ADET", 400, 1500, kYok, kYok,
         {"LEMFÖRDER ##### ##", "CORTECO 80000###"}},
        {"Aks", "Drive Shaft", "ŞANZIMAN", "ADET", 2500, 7800, kSagSol, kYok, {"GKN ######", "SPIDAN #####"}},
        {"Şanzıman Yağı", "Gear Oil", "ŞANZIMAN", "LT", 250, 600, kYok, {"75W-90", "80W-90"},
         {"CASTROL ######", "MOTUL ######"}},
    };
    return p;
}

struct Marka {
    const char *ad;
    const char *kisa;   // two letters for dealer codes
    int agirlik;
    int fiyatCarpani;   // percent
    std::vector<const char *> modeller;
    std::vector<const char *> motorlar;
    std::vector<const char *> oemler;   // OEM number patterns of the make
};

const std::vector<Marka> &markalar()
{
    static const std::vector<Marka> m = {
        {"Fiat", "FT", 16, 100, {"Doblo", "Egea", "Linea", "Palio", "Fiorino"}, {"1.3 Multijet", "1.6 Multijet", "1.4 Fire"},
         {"468#####", "517#####", "55######"}},
        {"Renault", "RN", 16, 100, {"Clio", "Megane", "Kangoo", "Fluence", "Symbol"}, {"1.5 dCi", "1.2 16V", "1.6 16V"},
         {"77012#####", "8200######", "######0##R"}},
        {"Ford", "FD", 12, 105, {"Focus", "Transit", "Fiesta", "Connect"}, {"1.6 TDCi", "2.2 TDCi", "1.6 Ti-VCT"},
         {"# ### ###", "@@#@-####-@@"}},
        {"Volkswagen", "VW", 10, 115, {"Passat", "Golf", "Polo", "Caddy"}, {"1.6 TDI", "2.0 TDI", "1.4 TSI"},
         {"1K0 ### ###", "5Q0 ### ### @", "3C0 ### ###", "6R0 ### ### @"}},
        {"Toyota", "TY", 8, 115, {"Corolla", "Yaris", "Auris"}, {"1.4 D-4D", "1.6 VVT-i", "1.33 VVT-i"},
         {"04465-#####", "#####-#####", "90915-Y####"}},
        {"Hyundai", "HY", 8, 100, {"i20", "Accent", "Tucson"}, {"1.4 CRDi", "1.2", "1.6 CRDi"},
         {"58101-#@@##", "#####-#@###"}},
        {"Opel", "OP", 8, 105, {"Astra", "Corsa", "Vectra"}, {"1.6", "1.3 CDTI", "1.4 Turbo"}, {"## ### ###", "#### ###"}},
        {"Peugeot", "PG", 8, 105, {"301", "206", "308", "Partner"}, {"1.6 HDi", "1.4", "1.2 PureTech"},
         {"####.##", "####.@#"}},
        {"Dacia", "DC", 8, 90, {"Duster", "Logan", "Sandero"}, {"1.5 dCi", "1.6 16V", "1.0 TCe"}, {"60016#####", "8200######"}},
        {"Tofaş", "TF", 6, 80, {"Şahin", "Doğan", "Kartal"}, {"1.6", "1.4"}, {"7######", "460#####"}},
    };
    return m;
}

// Tables converted to QString once per run.
struct Metinler {
    struct P {
        QString ad, ingilizce, anagrup, birim, grupKisa;
        QStringList konumlar, cesitler, ureticiler;
    };
    struct M {
        QString ad, kisa;
        QStringList modeller, motorlar, oemler;
    };
    std::vector<P> parca;
    std::vector<M> marka;
    std::vector<int> markaAgirlik;
    int markaToplam = 0;

    static QStringList liste(const std::vector<const char *> &v)
    {
        QStringList l;
        for (const char *s : v)
            l << QString::fromUtf8(s);
        return l;
    }

    Metinler()
    {
        static const QHash<QString, QString> kisalar = {
            {QStringLiteral("FREN"), QStringLiteral("FRN")},      {QStringLiteral("FİLTRE"), QStringLiteral("FLT")},
            {QStringLiteral("MOTOR"), QStringLiteral("MTR")},     {QStringLiteral("SÜSPANSİYON"), QStringLiteral("SSP")},
            {QStringLiteral("ELEKTRİK"), QStringLiteral("ELK")},  {QStringLiteral("SOĞUTMA"), QStringLiteral("SGT")},
            {QStringLiteral("KAPORTA"), QStringLiteral("KPR")},   {QStringLiteral("ŞANZIMAN"), QStringLiteral("SNZ")},
        };
        for (const Parca &p : parcalar()) {
            P q;
            q.ad = QString::fromUtf8(p.ad);
            q.ingilizce = QString::fromUtf8(p.ingilizce);
            q.anagrup = QString::fromUtf8(p.anagrup);
            q.birim = QString::fromUtf8(p.birim);
            q.grupKisa = kisalar.value(q.anagrup);
            q.konumlar = liste(p.konumlar);
            q.cesitler = liste(p.cesitler);
            q.ureticiler = liste(p.ureticiler);
            parca.push_back(std::move(q));
        }
        for (const Marka &m : markalar()) {
            marka.push_back({QString::fromUtf8(m.ad), QString::fromUtf8(m.kisa), liste(m.modeller), liste(m.motorlar), liste(m.oemler)});
            markaAgirlik.push_back(m.agirlik);
            markaToplam += m.agirlik;
        }
    }
};

QString secL(Rastgele &r, const QStringList &l) { return l[r.alt(quint32(l.size()))]; }

QString sifirli(qint64 n, int genislik) { return QString::number(n).rightJustified(genislik, u'0'); }

// EAN-13 with the Turkish prefix 869 and its check digit.
QString ean13(qint64 no)
{
    const QString govde = QStringLiteral("869") + sifirli(no % 1000000000, 9);
    int t = 0;
    for (int i = 0; i < 12; ++i)
        t += (govde[i].unicode() - '0') * (i % 2 ? 3 : 1);
    return govde + QChar(u'0' + (10 - t % 10) % 10);
}

// Prices are kept in kuruş so that every machine rounds them alike.
double tl(qint64 kurus) { return double(kurus) / 100.0; }
qint64 yuzdesi(qint64 kurus, int yuzde) { return (kurus * yuzde + 50) / 100; }

struct StokSatiri {
    QString barkod, adi, digeradi, oem[4], oemno, finishkod, ureticikodu, dpkod, pkod, barkodno, birim, marka, model,
        anagrup, ozelkod, eklenme;
    double kdv = 20, liste1 = 0, liste2 = 0, kamp = 0, kalan = 0, alinan = 0, verilen = 0;
    int kampanya = 0, yeni = 0, durum1 = 1, durum2 = 1, resim = 1;
};

void stokUret(const Metinler &t, qint64 no, StokSatiri &s)
{
    Rastgele r = akis(kStok, quint64(no));
    const Metinler::P &p = t.parca[r.alt(quint32(t.parca.size()))];
    int mi = 0;
    for (int x = int(r.alt(quint32(t.markaToplam))); x >= t.markaAgirlik[size_t(mi)]; ++mi)
        x -= t.markaAgirlik[size_t(mi)];
    const Metinler::M &m = t.marka[size_t(mi)];

    const QString konum = secL(r, p.konumlar);
    const QString cesit = secL(r, p.cesitler);
    QString adi = p.ad;
    if (!konum.isEmpty())
        adi += u' ' + konum;
    if (!cesit.isEmpty())
        adi += u' ' + cesit;
    s.adi = adi;
    s.digeradi = p.ingilizce + u' ' + m.ad;
    s.marka = m.ad;
    s.model = secL(r, m.modeller);
    if (r.yuzde(70))
        s.model += u' ' + secL(r, m.motorlar);
    s.anagrup = p.anagrup;
    s.birim = p.birim;

    switch (r.alt(5)) {
    case 0: s.barkod = QStringLiteral("KRV-") + sifirli(no, 5); break;
    case 1:
        s.barkod = QStringLiteral("FR ") + sifirli(no / 100, 4) + u'.' + sifirli(no % 100, 2) + u'/' + QChar(u'A' + r.alt(6));
        break;
    case 2: s.barkod = p.grupKisa + u'.' + sifirli(no, 6); break;
    case 3: s.barkod = QStringLiteral("SA ") + sifirli(no / 1000, 3) + u'-' + sifirli(no % 1000, 3); break;
    default: s.barkod = m.kisa + u'/' + sifirli(no, 5); break;
    }

    s.oem[0] = desen(r, secL(r, m.oemler));
    for (int i = 1; i < 4; ++i)
        s.oem[i] = r.yuzde(60 - 15 * i) ? desen(r, secL(r, m.oemler)) : QString();
    s.oemno = s.oem[0];
    s.oemno.remove(u' ').remove(u'-').remove(u'.');
    s.ureticikodu = desen(r, secL(r, p.ureticiler));
    if (m.kisa == QLatin1String("FD"))
        s.finishkod = desen(r, QStringLiteral("# ### ###"));   // Ford's own finis numbers
    else
        s.finishkod = r.yuzde(50) ? desen(r, QStringLiteral("F##-####")) : QString();
    s.dpkod = QStringLiteral("D") + sifirli(no, 7);
    s.pkod = p.grupKisa + sifirli(no, 6);
    s.barkodno = ean13(no * 7919 + 13);
    static const QStringList ozelKodlar = {QStringLiteral("ORİJİNAL"), QStringLiteral("YERLİ"), QStringLiteral("İTHAL"),
                                           QStringLiteral("MUADİL"), QStringLiteral("OEM")};
    s.ozelkod = ozelKodlar[r.agirlikli({20, 30, 25, 20, 5})];

    const int kdvSec = r.agirlikli({96, 3, 1});
    s.kdv = kdvSec == 0 ? 20 : kdvSec == 1 ? 10 : 1;
    const Parca &pp = parcalar()[size_t(&p - t.parca.data())];
    qint64 liste = qint64(r.aralik(pp.fiyatEnAz * 100, pp.fiyatEnCok * 100));
    liste = (yuzdesi(liste, markalar()[size_t(mi)].fiyatCarpani) + 5) / 10 * 10;
    s.liste1 = tl(liste);
    s.liste2 = tl(yuzdesi(liste, 100 - r.aralik(2, 6)));
    s.kampanya = r.yuzde(8) ? 1 : 0;
    s.kamp = s.kampanya ? tl(yuzdesi(liste, r.aralik(75, 92))) : 0.0;

    const QDate ref = referansTarihi();
    s.yeni = r.yuzde(5) ? 1 : 0;
    s.eklenme = gunMetni(s.yeni ? ref.addDays(-r.aralik(0, 29)) : ref.addDays(-r.aralik(60, 3650)));

    s.durum1 = r.agirlikli({8, 62, 6, 6, 5, 6, 7});
    s.durum2 = r.agirlikli({15, 55, 5, 10, 5, 10});
    const bool adet = p.birim != QLatin1String("LT");
    switch (s.durum1) {
    case 1: s.kalan = adet ? r.aralik(6, 400) : r.aralik(20, 2000); break;
    case 2: s.kalan = r.aralik(0, 5); break;
    case 6: s.kalan = r.aralik(1, 5); break;
    default: s.kalan = 0; break;   // none, on the way, special order, being procured
    }
    s.alinan = r.yuzde(40) ? r.aralik(1, 30) : 0;
    s.verilen = (s.durum1 == 3 || s.durum1 == 5 || (s.durum1 == 6 && r.yuzde(50))) ? r.aralik(5, 120)
                : r.yuzde(10)                                                  ? r.aralik(1, 40)
                                                                               : 0;
    s.resim = r.agirlikli({10, 35, 30, 18, 7});
}

}  // namespace

QString desen(Rastgele &r, const QString &d)
{
    QString s = d;
    for (QChar &c : s) {
        if (c == u'#')
            c = QChar(u'0' + r.alt(10));
        else if (c == u'@')
            c = QChar(u'A' + r.alt(26));
    }
    return s;
}

QString anMetni(const QDate &g, int saniye)
{
    return gunMetni(g) + u'T' + QTime(0, 0).addSecs(saniye).toString(QStringLiteral("HH:mm:ss"));
}

const StokOzet &Baglam::havuzdan(Rastgele &r) const
{
    // Squaring a uniform draw leans towards the front of the pool.
    const double u = r.kesir();
    return havuz[size_t(u * u * double(havuz.size()))];
}

void stoklariYaz(Baglam &b)
{
    // Many rows per statement: the per-statement work of Qt and SQLite then
    // counts once for the whole group.
    constexpr int kGrup = 32;
    const QString kolonlar = QStringLiteral(
        "INSERT INTO stok(id, barkod, adi, digeradi, oem1, oem2, oem3, oem4, oemno, finishkod, ureticikodu, dpkod, pkod, "
        "barkodno, birim, marka, model, anagrup, ozelkod, kdv, listefiyat1, listefiyat2, kampfiyat, kampanya, yeni, kalan, "
        "durum1, durum2, alinansiparis, verilensiparis, resim_sayisi, eklenme) VALUES");
    const QString yer = QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QStringList yerler;
    for (int i = 0; i < kGrup; ++i)
        yerler << yer;
    Sorgu grup(b.db, kolonlar + yerler.join(u','));
    Sorgu tek(b.db, kolonlar + yer);

    const Metinler t;
    const int havuzBoyu = qMin(b.stokSayisi, 4000);
    b.havuz.reserve(size_t(havuzBoyu));
    StokSatiri x;
    const qint64 grupSonu = b.stokSayisi / kGrup * kGrup;
    for (qint64 no = 1; no <= b.stokSayisi; ++no) {
        stokUret(t, no, x);
        Sorgu &s = no <= grupSonu ? grup : tek;
        s.bagla({no, x.barkod, x.adi, x.digeradi, x.oem[0], metin(x.oem[1]), metin(x.oem[2]), metin(x.oem[3]), x.oemno,
                 metin(x.finishkod), x.ureticikodu, x.dpkod, x.pkod, x.barkodno, x.birim, x.marka, x.model, x.anagrup,
                 x.ozelkod, x.kdv, x.liste1, x.liste2, x.kamp, x.kampanya, x.yeni, x.kalan, x.durum1, x.durum2, x.alinan,
                 x.verilen, x.resim, x.eklenme});
        if (no > grupSonu || no % kGrup == 0)
            s.calistir();
        if (no <= havuzBoyu)
            b.havuz.push_back({no, x.liste1, x.liste2, x.kamp, x.kampanya != 0, x.kdv, x.anagrup, x.birim});
    }
}

}  // namespace ks::demo
