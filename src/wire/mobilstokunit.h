// Records of unit mobilstokunit: the dealer account's master data and the
// opening screens.
#pragma once

#include "kayit.h"

#include <vector>

// The dealer account's address and contact data, found by workstation ID.
class TMobilCariBilgisi : public kw::Kayit {
    KW_KAYIT(TMobilCariBilgisi, "mobilstokunit.TMobilCariBilgisi")
    KW_OZELLIK(QString, BILGISAYARID)
    KW_OZELLIK(QString, SEHIR)
    KW_OZELLIK(QString, FAX1)
    KW_OZELLIK(QString, SATICIMAIL)
    KW_OZELLIK(QString, SATICIADI)
    KW_OZELLIK(QString, CARIADI)
    KW_OZELLIK(QString, EMAIL)
    KW_OZELLIK(QString, VERGIDAIRESI)
    KW_OZELLIK(QString, YETKILI)
    KW_OZELLIK(QString, AltGrup)
    KW_OZELLIK(QString, TEL2)
    KW_OZELLIK(QString, SIFRE)
    KW_OZELLIK(QString, GSM)
    KW_OZELLIK(QString, TEL1)
    KW_OZELLIK(QString, ADRES2)
    KW_OZELLIK(double, TLBORC)
    KW_OZELLIK(double, TLALACAK)
    KW_OZELLIK(QString, ADRES1)
    KW_OZELLIK(QString, ULKE)
    KW_OZELLIK(QString, AnaGrup)
    KW_OZELLIK(int, CARINO)
    KW_OZELLIK(double, TLBAKIYE)
    KW_OZELLIK(QString, VERGINO)
    KW_OZELLIK(QString, MAIL)
    KW_OZELLIK(QString, OzelKod)
    KW_OZELLIK(QString, KULLANICIADI)
    KW_OZELLIK(QString, SATICITELEFON)
    KW_OZELLIK(QString, CARIKOD)
    KW_OZELLIK(QString, FAX2)
    KW_OZELLIK(QString, ILCE)

public:
    void Kopyala(const TMobilCariBilgisi &source) { *this = source; }
    bool operator==(const TMobilCariBilgisi &) const = default;

    template <class V>
    void gez(V &v)
    {
        v("FBILGISAYARID", FBILGISAYARID);
        v("FSEHIR", FSEHIR);
        v("FFAX1", FFAX1);
        v("FSATICIMAIL", FSATICIMAIL);
        v("FSATICIADI", FSATICIADI);
        v("FCARIADI", FCARIADI);
        v("FEMAIL", FEMAIL);
        v("FVERGIDAIRESI", FVERGIDAIRESI);
        v("FYETKILI", FYETKILI);
        v("FAltGrup", FAltGrup);
        v("FTEL2", FTEL2);
        v("FSIFRE", FSIFRE);
        v("FGSM", FGSM);
        v("FTEL1", FTEL1);
        v("FADRES2", FADRES2);
        v("FTLBORC", FTLBORC);
        v("FTLALACAK", FTLALACAK);
        v("FADRES1", FADRES1);
        v("FULKE", FULKE);
        v("FAnaGrup", FAnaGrup);
        v("FCARINO", FCARINO);
        v("FTLBAKIYE", FTLBAKIYE);
        v("FVERGINO", FVERGINO);
        v("FMAIL", FMAIL);
        v("FOzelKod", FOzelKod);
        v("FKULLANICIADI", FKULLANICIADI);
        v("FSATICITELEFON", FSATICITELEFON);
        v("FCARIKOD", FCARIKOD);
        v("FFAX2", FFAX2);
        v("FILCE", FILCE);
    }

private:
    QString FBILGISAYARID;
    QString FSEHIR;
    QString FFAX1;
    QString FSATICIMAIL;
    QString FSATICIADI;
    QString FCARIADI;
    QString FEMAIL;
    QString FVERGIDAIRESI;
    QString FYETKILI;
    QString FAltGrup;
    QString FTEL2;
    QString FSIFRE;
    QString FGSM;
    QString FTEL1;
    QString FADRES2;
    double FTLBORC = 0;
    double FTLALACAK = 0;
    QString FADRES1;
    QString FULKE;
    QString FAnaGrup;
    int FCARINO = 0;
    double FTLBAKIYE = 0;
    QString FVERGINO;
    QString FMAIL;
    QString FOzelKod;
    QString FKULLANICIADI;
    QString FSATICITELEFON;
    QString FCARIKOD;
    QString FFAX2;
    QString FILCE;
};

// One opening screen; the picture is a JPEG as hexadecimal text.
class TAcilisEkran : public kw::Kayit {
    KW_KAYIT(TAcilisEkran, "mobilstokunit.TAcilisEkran")
    KW_OZELLIK(int, SiraNo)
    KW_OZELLIK(QString, Resim)
    KW_OZELLIK(QString, Baslik)
    KW_OZELLIK(QString, Arama)

public:
    bool operator==(const TAcilisEkran &) const = default;

    template <class V>
    void gez(V &v)
    {
        v("FSiraNo", FSiraNo);
        v("FResim", FResim);
        v("FBaslik", FBaslik);
        v("FArama", FArama);
    }

private:
    int FSiraNo = 0;
    QString FResim, FBaslik, FArama;
};

// All opening screens in the server's order; owns its screens.
class TAcilisEkranlariki : public kw::Kayit {
    KW_KAYIT(TAcilisEkranlariki, "mobilstokunit.TAcilisEkranlariki")
    KW_OZELLIK(std::vector<TAcilisEkran>, Ekranlar)

public:
    bool operator==(const TAcilisEkranlariki &) const = default;

    template <class V>
    void gez(V &v)
    {
        v("FEkranlar", FEkranlar);
    }

private:
    std::vector<TAcilisEkran> FEkranlar;
};
