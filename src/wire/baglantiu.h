// The session record and the order records of unit baglantiu.
#pragma once

#include "kayit.h"

// Who is logged in, for which dealer account, from which workstation.
class TSonucBilgisi : public kw::Kayit {
    KW_KAYIT(TSonucBilgisi, "baglantiu.TSonucBilgisi")
    KW_OZELLIK(QString, BILGISAYARID)
    KW_OZELLIK(QString, SaticiMail)
    KW_OZELLIK(int, Sirano)
    KW_OZELLIK(QString, CariAdi)
    KW_OZELLIK(QString, SIFRE)
    KW_OZELLIK(int, SaticiNo)
    KW_OZELLIK(int, CARINO)
    KW_OZELLIK(int, AKTIF)
    KW_OZELLIK(QString, Kullanicimail)
    KW_OZELLIK(QString, ADI)
    KW_OZELLIK(QString, SaticiTelefon)
    KW_OZELLIK(QString, carikod)
    KW_OZELLIK(bool, Varmi)
    KW_OZELLIK(QString, SaticiAdi)
    KW_OZELLIK(QString, BilgiSayarAdi)
    KW_OZELLIK(QString, Disip)
    KW_OZELLIK(QString, Icip)
    KW_OZELLIK(QString, BilgisayarKullanici)
    KW_OZELLIK(int, MusteriTipi)
    KW_OZELLIK(int, Version)

public:
    TSonucBilgisi() = default;
    void Kopyala(const TSonucBilgisi &source) { *this = source; }
    // A fresh copy, as handed to a proxy that consumes its argument.
    std::unique_ptr<TSonucBilgisi> Kopya() const { return std::make_unique<TSonucBilgisi>(*this); }
    bool operator==(const TSonucBilgisi &) const = default;

    template <class V>
    void gez(V &v)
    {
        v("FBILGISAYARID", FBILGISAYARID);
        v("FSaticiMail", FSaticiMail);
        v("FSirano", FSirano);
        v("FCariAdi", FCariAdi);
        v("FSIFRE", FSIFRE);
        v("FSaticiNo", FSaticiNo);
        v("FCARINO", FCARINO);
        v("FAKTIF", FAKTIF);
        v("FKullanicimail", FKullanicimail);
        v("FADI", FADI);
        v("FSaticiTelefon", FSaticiTelefon);
        v("Fcarikod", Fcarikod);
        v("FVarmi", FVarmi);
        v("FSaticiAdi", FSaticiAdi);
        v("FBilgiSayarAdi", FBilgiSayarAdi);
        v("FDisip", FDisip);
        v("FIcip", FIcip);
        v("FBilgisayarKullanici", FBilgisayarKullanici);
        v("FMusteriTipi", FMusteriTipi);
        v("FVersion", FVersion);
    }

private:
    QString FBILGISAYARID, FSaticiMail;
    int FSirano = 0;
    QString FCariAdi, FSIFRE;
    int FSaticiNo = 0, FCARINO = 0, FAKTIF = 0;
    QString FKullanicimail, FADI, FSaticiTelefon, Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi, FBilgiSayarAdi, FDisip, FIcip, FBilgisayarKullanici;
    int FMusteriTipi = 1;
    int FVersion = 1;
};

// Texts shown under an order's lines.
class TSiparisDipAyrinti : public kw::Kayit {
    KW_KAYIT(TSiparisDipAyrinti, "baglantiu.TSiparisDipAyrinti")
    KW_OZELLIK(QString, SizinMesaj)
    KW_OZELLIK(QString, Durumu)
    KW_OZELLIK(QString, Veren)
    KW_OZELLIK(QString, Kargo)
    KW_OZELLIK(QString, BizimMesaj)
    KW_OZELLIK(QString, TeslimCinsi)
    KW_OZELLIK(QString, KargoCinsi)
    KW_OZELLIK(QString, SaticiNotu)

public:
    void Kopyala(const TSiparisDipAyrinti &source) { *this = source; }
    bool operator==(const TSiparisDipAyrinti &) const = default;

    template <class V>
    void gez(V &v)
    {
        v("FSizinMesaj", FSizinMesaj);
        v("FDurumu", FDurumu);
        v("FVeren", FVeren);
        v("FKargo", FKargo);
        v("FBizimMesaj", FBizimMesaj);
        v("FTeslimCinsi", FTeslimCinsi);
        v("FKargoCinsi", FKargoCinsi);
        v("FSaticiNotu", FSaticiNotu);
    }

private:
    QString FSizinMesaj, FDurumu, FVeren, FKargo, FBizimMesaj, FTeslimCinsi, FKargoCinsi, FSaticiNotu;
};

// Order counts behind the state buttons of the customer selection.
class TTusSonuclari : public kw::Kayit {
    KW_KAYIT(TTusSonuclari, "baglantiu.TTusSonuclari")
    KW_OZELLIK(int, Alindi)
    KW_OZELLIK(int, Onaylandi)
    KW_OZELLIK(int, ParcaliHazirlandi)
    KW_OZELLIK(int, SevkEdildi)
    KW_OZELLIK(int, Hazirlandi)
    KW_OZELLIK(int, Goruldu)

public:
    void Kopyala(const TTusSonuclari &source) { *this = source; }
    bool operator==(const TTusSonuclari &) const = default;

    template <class V>
    void gez(V &v)
    {
        v("FAlindi", FAlindi);
        v("FOnaylandi", FOnaylandi);
        v("FParcaliHazirlandi", FParcaliHazirlandi);
        v("FSevkEdildi", FSevkEdildi);
        v("FHazirlandi", FHazirlandi);
        v("FGoruldu", FGoruldu);
    }

private:
    int FAlindi = 0, FOnaylandi = 0, FParcaliHazirlandi = 0, FSevkEdildi = 0, FHazirlandi = 0, FGoruldu = 0;
};
