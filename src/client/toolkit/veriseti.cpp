// The client dataset; see veriseti.h.
#include "veriseti.h"

#include "sayibicimi.h"
#include "tarih.h"

#include <cmath>

namespace kt {

namespace {

enum Olay { Yapi, Degisim, Ekleme, Silme, Imlec, Bicim };

const QVariant kBos;

bool sayisal(kw::KolonTipi t)
{
    switch (t) {
    case kw::KolonTipi::Int32:
    case kw::KolonTipi::Int64:
    case kw::KolonTipi::Double:
    case kw::KolonTipi::Currency:
        return true;
    default:
        return false;
    }
}

// Text typed by a user or sent by a server: the locale's form first, then the
// C form ("1234.5").
bool metindenSayi(const QString &s, double *d)
{
    bool tamam = false;
    const QString t = s.trimmed();
    *d = QLocale().toDouble(t, &tamam);
    if (!tamam)
        *d = t.toDouble(&tamam);
    return tamam && std::isfinite(*d);
}

}  // namespace

// ---- Alan ------------------------------------------------------------------

void Alan::SetDisplayFormat(const QString &bicim)
{
    if (bicim_ == bicim)
        return;
    bicim_ = bicim;
    ds_->bildir(Bicim, -1);
}

QVariant Alan::Value() const { return ds_->alanDegeri(no_); }

int Alan::AsInteger() const { return int(AsLargeInt()); }

qint64 Alan::AsLargeInt() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return 0;
    switch (tip_) {
    case kw::KolonTipi::Double:
    case kw::KolonTipi::Currency:
        return qint64(std::llround(v.toDouble()));
    case kw::KolonTipi::Bool:
        return v.toBool() ? 1 : 0;
    case kw::KolonTipi::String: {
        double d = 0;
        return metindenSayi(v.toString(), &d) ? qint64(std::llround(d)) : 0;
    }
    default:
        return v.toLongLong();
    }
}

double Alan::AsFloat() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return 0;
    switch (tip_) {
    case kw::KolonTipi::Date:
        return kw::oleTarih(v.toDate());
    case kw::KolonTipi::DateTime:
        return kw::oleTarih(v.toDateTime());
    case kw::KolonTipi::Bool:
        return v.toBool() ? 1 : 0;
    case kw::KolonTipi::String: {
        double d = 0;
        return metindenSayi(v.toString(), &d) ? d : 0;
    }
    default:
        return v.toDouble();
    }
}

bool Alan::AsBoolean() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return false;
    if (tip_ == kw::KolonTipi::String) {
        const QString s = v.toString().trimmed();
        return s.compare(u"true", Qt::CaseInsensitive) == 0 || s == u"1" || s.compare(u"evet", Qt::CaseInsensitive) == 0;
    }
    if (sayisal(tip_))
        return v.toDouble() != 0;
    return v.toBool();
}

QDateTime Alan::AsDateTime() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return {};
    switch (tip_) {
    case kw::KolonTipi::Date:
        return v.toDate().startOfDay();
    case kw::KolonTipi::Double:
    case kw::KolonTipi::Currency:
        return kw::oleZaman(v.toDouble());
    default:
        return v.toDateTime();
    }
}

void Alan::SetValue(const QVariant &deger)
{
    bool uydu = true;
    const QVariant v = donustur(deger, &uydu);
    if (!uydu)
        throw VeriSetiHatasi(QStringLiteral("'%1' değeri %2 alanına uymuyor").arg(deger.toString(), ad_));
    ds_->alanYaz(no_, v);
}

QVariant Alan::donustur(const QVariant &v, bool *uydu) const
{
    bool yedek = true;
    bool &tamam = uydu ? *uydu : yedek;
    tamam = true;
    if (!v.isValid() || v.isNull())
        return {};
    if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty() && tip_ != kw::KolonTipi::String)
        return {};
    const QVariant sonuc = cevir(v);
    tamam = sonuc.isValid();
    return sonuc;
}

QVariant Alan::cevir(const QVariant &v) const
{
    const bool metinden = v.typeId() == QMetaType::QString;
    switch (tip_) {
    case kw::KolonTipi::Int32:
    case kw::KolonTipi::Int64: {
        double d = 0;
        if (metinden) {
            if (v.toString().trimmed().isEmpty() || !metindenSayi(v.toString(), &d))
                return {};
        } else if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime) {
            return {};
        } else {
            d = v.toDouble();
        }
        const qint64 n = qint64(std::llround(d));
        if (tip_ == kw::KolonTipi::Int32)
            return n >= INT32_MIN && n <= INT32_MAX ? QVariant(int(n)) : QVariant();
        return QVariant(qlonglong(n));
    }
    case kw::KolonTipi::Double:
    case kw::KolonTipi::Currency: {
        double d = 0;
        if (metinden) {
            if (v.toString().trimmed().isEmpty() || !metindenSayi(v.toString(), &d))
                return {};
        } else if (v.typeId() == QMetaType::QDate) {
            d = kw::oleTarih(v.toDate());
        } else if (v.typeId() == QMetaType::QDateTime) {
            d = kw::oleTarih(v.toDateTime());
        } else {
            d = v.toDouble();
        }
        return std::isfinite(d) ? QVariant(d) : QVariant();
    }
    case kw::KolonTipi::Bool:
        if (metinden) {
            const QString s = v.toString().trimmed();
            return QVariant(s.compare(u"true", Qt::CaseInsensitive) == 0 || s == u"1");
        }
        return QVariant(v.toBool());
    case kw::KolonTipi::String:
        return QVariant(v.typeId() == QMetaType::QString ? v.toString() : metin(v));
    case kw::KolonTipi::Date:
        if (v.typeId() == QMetaType::Double)
            return QVariant(kw::oleGun(v.toDouble()));
        return v.toDate().isValid() ? QVariant(v.toDate()) : QVariant();
    case kw::KolonTipi::DateTime:
        if (v.typeId() == QMetaType::Double)
            return QVariant(kw::oleZaman(v.toDouble()));
        if (v.typeId() == QMetaType::QDate)
            return QVariant(v.toDate().startOfDay());
        return v.toDateTime().isValid() ? QVariant(v.toDateTime()) : QVariant();
    case kw::KolonTipi::Blob:
        return QVariant(v.toByteArray());
    }
    return {};
}

QString Alan::metin(const QVariant &v) const
{
    if (!v.isValid())
        return QString();
    switch (tip_) {
    case kw::KolonTipi::Int32:
    case kw::KolonTipi::Int64:
        return QString::number(v.toLongLong());
    case kw::KolonTipi::Double:
    case kw::KolonTipi::Currency:
        return sayiBicimle(v.toDouble(), {});
    case kw::KolonTipi::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case kw::KolonTipi::Date:
        return v.toDate().toString(u"dd.MM.yyyy");
    case kw::KolonTipi::DateTime: {
        const QDateTime t = v.toDateTime();
        return t.time().msecsSinceStartOfDay() == 0 ? t.date().toString(u"dd.MM.yyyy")
                                                    : t.toString(u"dd.MM.yyyy HH:mm:ss");
    }
    case kw::KolonTipi::Blob:
        return QStringLiteral("(BLOB)");
    case kw::KolonTipi::String:
        break;
    }
    return v.toString();
}

QString Alan::gosterim(const QVariant &v) const
{
    if (!v.isValid())
        return QString();
    if (!bicim_.isEmpty()) {
        switch (tip_) {
        case kw::KolonTipi::Int32:
        case kw::KolonTipi::Int64:
        case kw::KolonTipi::Double:
        case kw::KolonTipi::Currency:
            return sayiBicimle(v.toDouble(), bicim_);
        case kw::KolonTipi::Date:
            return v.toDate().toString(bicim_);
        case kw::KolonTipi::DateTime:
            return v.toDateTime().toString(bicim_);
        default:
            break;
        }
    } else if (tip_ == kw::KolonTipi::Currency) {
        return sayiBicimle(v.toDouble(), kTutarBicimi);
    }
    return metin(v);
}

// ---- VeriSeti --------------------------------------------------------------

VeriSeti::VeriSeti(QObject *parent) : QObject(parent) {}
VeriSeti::~VeriSeti() = default;

void VeriSeti::AlanEkle(const QString &ad, kw::KolonTipi tip)
{
    if (Active())
        throw VeriSetiHatasi(QStringLiteral("Açık veri setine alan eklenemez: %1").arg(ad));
    if (alanNo(ad) >= 0)
        throw VeriSetiHatasi(QStringLiteral("Alan iki kez tanımlandı: %1").arg(ad));
    alanlar_.push_back(std::unique_ptr<Alan>(new Alan(this, ad, tip, int(alanlar_.size()))));
    indeks_.clear();
}

void VeriSeti::AlanlariTemizle()
{
    if (Active())
        Close();
    alanlar_.clear();
    indeks_.clear();
}

int VeriSeti::alanNo(const QString &ad) const
{
    if (indeks_.size() != qsizetype(alanlar_.size())) {
        indeks_.clear();
        for (const auto &a : alanlar_)
            indeks_.insert(a->FieldName(), a->Index());
    }
    return indeks_.value(ad, -1);
}

Alan *VeriSeti::FindField(const QString &ad) const
{
    const int no = alanNo(ad);
    return no < 0 ? nullptr : alanlar_[size_t(no)].get();
}

Alan &VeriSeti::FieldByName(const QString &ad) const
{
    if (Alan *a = FindField(ad))
        return *a;
    throw VeriSetiHatasi(QStringLiteral("Alan bulunamadı: '%1'").arg(ad));
}

void VeriSeti::yapiKur(const QVector<kw::Kolon> &kolonlar)
{
    // Keep the field objects (and their display formats) when the structure
    // is the same, so references held by a screen stay valid across loads.
    bool ayni = int(alanlar_.size()) == kolonlar.size();
    for (int i = 0; ayni && i < kolonlar.size(); ++i)
        ayni = alanlar_[size_t(i)]->FieldName() == kolonlar[i].ad && alanlar_[size_t(i)]->DataType() == kolonlar[i].tip;
    if (ayni)
        return;
    alanlar_.clear();
    indeks_.clear();
    for (const auto &k : kolonlar) {
        if (alanNo(k.ad) >= 0)
            throw VeriSetiHatasi(QStringLiteral("Alan iki kez geldi: %1").arg(k.ad));
        alanlar_.push_back(std::unique_ptr<Alan>(new Alan(this, k.ad, k.tip, int(alanlar_.size()))));
        indeks_.insert(k.ad, int(alanlar_.size()) - 1);
    }
}

void VeriSeti::Open()
{
    if (Active())
        return;
    durum_ = Durum::Gezinme;
    satirlar_.clear();
    imlec_ = -1;
    eof_ = bof_ = true;
    bildir(Yapi, -1);
}

void VeriSeti::Close()
{
    if (!Active())
        return;
    durum_ = Durum::Kapali;
    satirlar_.clear();
    tampon_.clear();
    imlec_ = -1;
    eof_ = bof_ = true;
    bildir(Yapi, -1);
}

void VeriSeti::VeriPaketiYukle(const kw::Tablo &paket)
{
    durum_ = Durum::Kapali;
    tampon_.clear();
    yapiKur(paket.kolonlar);
    // Rows are shared with the packet (copy on write); only rows of the
    // wrong width are fixed, so a packet cannot make a cell read go astray.
    satirlar_ = paket.satirlar;
    const int n = FieldCount();
    for (int i = 0; i < satirlar_.size(); ++i)
        if (satirlar_[i].size() != n)
            satirlar_[i].resize(n);
    durum_ = Durum::Gezinme;
    imlec_ = satirlar_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = satirlar_.isEmpty();
    bildir(Yapi, -1);
}

void VeriSeti::TabloKopyala(const kw::Tablo &tablo)
{
    // No declarations, or declarations that are exactly the table's columns:
    // the rows are taken as they are (shared, no copy).
    bool ayni = int(alanlar_.size()) == tablo.kolonlar.size();
    for (int i = 0; ayni && i < tablo.kolonlar.size(); ++i)
        ayni = alanlar_[size_t(i)]->FieldName() == tablo.kolonlar[i].ad
               && alanlar_[size_t(i)]->DataType() == tablo.kolonlar[i].tip;
    if (alanlar_.empty() || ayni) {
        VeriPaketiYukle(tablo);
        return;
    }
    // Declared fields: each must come in the table by name, with a type that
    // converts. Cells are converted on the way in.
    std::vector<int> kaynak(alanlar_.size());
    for (size_t i = 0; i < alanlar_.size(); ++i) {
        kaynak[i] = tablo.kolonNo(alanlar_[i]->FieldName());
        if (kaynak[i] < 0)
            throw VeriSetiHatasi(QStringLiteral("Alan bulunamadı: '%1'").arg(alanlar_[i]->FieldName()));
        const kw::KolonTipi kt = tablo.kolonlar[kaynak[i]].tip;
        const kw::KolonTipi at = alanlar_[i]->DataType();
        const bool uyar = kt == at || (sayisal(kt) && sayisal(at)) || at == kw::KolonTipi::String
                          || ((kt == kw::KolonTipi::Date || kt == kw::KolonTipi::DateTime)
                              && (at == kw::KolonTipi::Date || at == kw::KolonTipi::DateTime));
        if (!uyar)
            throw VeriSetiHatasi(QStringLiteral("Alan tipi uyuşmuyor: '%1'").arg(alanlar_[i]->FieldName()));
    }
    QVector<QVector<QVariant>> yeni;
    yeni.reserve(tablo.satirlar.size());
    for (const auto &s : tablo.satirlar) {
        QVector<QVariant> satir(qsizetype(alanlar_.size()));
        for (size_t i = 0; i < alanlar_.size(); ++i) {
            const int k = kaynak[i];
            if (k < s.size() && s[k].isValid()) {
                if (tablo.kolonlar[k].tip == alanlar_[i]->DataType()) {
                    satir[qsizetype(i)] = s[k];
                    continue;
                }
                bool uydu = true;
                satir[qsizetype(i)] = alanlar_[i]->donustur(s[k], &uydu);
                if (!uydu)
                    throw VeriSetiHatasi(QStringLiteral("'%1' değeri %2 alanına uymuyor")
                                             .arg(s[k].toString(), alanlar_[i]->FieldName()));
            }
        }
        yeni.push_back(std::move(satir));
    }
    tampon_.clear();
    satirlar_ = std::move(yeni);
    durum_ = Durum::Gezinme;
    imlec_ = satirlar_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = satirlar_.isEmpty();
    bildir(Yapi, -1);
}

kw::Tablo VeriSeti::VeriPaketi() const
{
    kw::Tablo t;
    for (const auto &a : alanlar_)
        t.kolonEkle(a->FieldName(), a->DataType());
    t.satirlar = satirlar_;
    return t;
}

// ---- cursor ----------------------------------------------------------------

void VeriSeti::gezinmeyeDon()
{
    if (durum_ == Durum::Duzenleme || durum_ == Durum::Ekleme)
        Post();
}

void VeriSeti::imleceGit(int satir)
{
    if (satir == imlec_)
        return;
    imlec_ = satir;
    bildir(Imlec, satir);
}

void VeriSeti::First()
{
    gezinmeyeDon();
    imleceGit(satirlar_.isEmpty() ? -1 : 0);
    bof_ = true;
    eof_ = satirlar_.isEmpty();
}

void VeriSeti::Last()
{
    gezinmeyeDon();
    imleceGit(int(satirlar_.size()) - 1);
    eof_ = true;
    bof_ = satirlar_.isEmpty();
}

void VeriSeti::Next()
{
    gezinmeyeDon();
    if (imlec_ + 1 < satirlar_.size()) {
        imleceGit(imlec_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void VeriSeti::Prior()
{
    gezinmeyeDon();
    if (imlec_ > 0) {
        imleceGit(imlec_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void VeriSeti::SetRecNo(int no)
{
    gezinmeyeDon();
    if (no < 1 || no > satirlar_.size())
        return;
    imleceGit(no - 1);
    bof_ = eof_ = false;
}

bool VeriSeti::Locate(const QString &alan, const QVariant &deger)
{
    const Alan &a = FieldByName(alan);
    gezinmeyeDon();
    bool uydu = true;
    const QVariant aranan = a.donustur(deger, &uydu);
    if (!uydu)
        return false;   // "abc" is no line number: it must not find the null ones
    const int no = a.Index();
    for (int i = 0; i < satirlar_.size(); ++i) {
        const QVariant &v = satirlar_[i][no];
        if (v.isValid() != aranan.isValid())
            continue;
        if (!v.isValid() || v == aranan || (sayisal(a.DataType()) && v.toDouble() == aranan.toDouble())) {
            imleceGit(i);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

// ---- editing ---------------------------------------------------------------

QVariant VeriSeti::alanDegeri(int no) const
{
    if (durum_ == Durum::Duzenleme || durum_ == Durum::Ekleme)
        return tampon_.value(no);
    if (imlec_ < 0 || imlec_ >= satirlar_.size())
        return {};
    return satirlar_[imlec_][no];
}

void VeriSeti::alanYaz(int no, const QVariant &v)
{
    if (durum_ != Durum::Duzenleme && durum_ != Durum::Ekleme)
        throw VeriSetiHatasi(QStringLiteral("Veri seti düzenleme kipinde değil"));
    tampon_[no] = v;
}

void VeriSeti::Edit()
{
    if (!Active())
        throw VeriSetiHatasi(QStringLiteral("Veri seti kapalı"));
    if (durum_ == Durum::Duzenleme || durum_ == Durum::Ekleme)
        return;
    if (satirlar_.isEmpty()) {
        Append();
        return;
    }
    tampon_ = satirlar_[imlec_];
    durum_ = Durum::Duzenleme;
}

void VeriSeti::Append()
{
    if (!Active())
        throw VeriSetiHatasi(QStringLiteral("Veri seti kapalı"));
    gezinmeyeDon();
    tampon_ = QVector<QVariant>(FieldCount());
    eklemeYeri_ = int(satirlar_.size());
    durum_ = Durum::Ekleme;
}

void VeriSeti::Insert()
{
    if (!Active())
        throw VeriSetiHatasi(QStringLiteral("Veri seti kapalı"));
    gezinmeyeDon();
    tampon_ = QVector<QVariant>(FieldCount());
    eklemeYeri_ = imlec_ < 0 ? 0 : imlec_;
    durum_ = Durum::Ekleme;
}

void VeriSeti::Post()
{
    if (durum_ == Durum::Duzenleme) {
        satirlar_[imlec_] = tampon_;
        durum_ = Durum::Gezinme;
        tampon_.clear();
        bildir(Degisim, imlec_);
    } else if (durum_ == Durum::Ekleme) {
        satirlar_.insert(eklemeYeri_, tampon_);
        durum_ = Durum::Gezinme;
        tampon_.clear();
        imlec_ = eklemeYeri_;
        bof_ = eof_ = false;
        bildir(Ekleme, imlec_);
        bildir(Imlec, imlec_);
    }
}

void VeriSeti::Cancel()
{
    if (durum_ == Durum::Duzenleme || durum_ == Durum::Ekleme) {
        durum_ = Durum::Gezinme;
        tampon_.clear();
    }
}

void VeriSeti::Delete()
{
    if (!Active())
        throw VeriSetiHatasi(QStringLiteral("Veri seti kapalı"));
    if (durum_ == Durum::Ekleme) {
        Cancel();
        return;
    }
    Cancel();
    if (satirlar_.isEmpty())
        throw VeriSetiHatasi(QStringLiteral("Silinecek kayıt yok"));
    const int silinen = imlec_;
    satirlar_.removeAt(silinen);
    bildir(Silme, silinen);
    imlec_ = -2;   // force the cursor signal below
    imleceGit(silinen < satirlar_.size() ? silinen : int(satirlar_.size()) - 1);
    eof_ = bof_ = satirlar_.isEmpty();
}

void VeriSeti::EmptyDataSet()
{
    if (!Active())
        throw VeriSetiHatasi(QStringLiteral("Veri seti kapalı"));
    Cancel();
    satirlar_.clear();
    imlec_ = -1;
    eof_ = bof_ = true;
    bildir(Yapi, -1);
}

// ---- notifications ---------------------------------------------------------

void VeriSeti::DisableControls() { ++kapali_; }

void VeriSeti::EnableControls()
{
    if (kapali_ == 0)
        return;
    if (--kapali_ == 0 && bekleyenDegisim_) {
        bekleyenDegisim_ = false;
        emit yapiDegisti();
    }
}

void VeriSeti::bildir(int olay, int satir)
{
    if (kapali_ > 0) {
        if (olay != Imlec)
            bekleyenDegisim_ = true;
        return;
    }
    switch (olay) {
    case Yapi: emit yapiDegisti(); break;
    case Degisim: emit satirDegisti(satir); break;
    case Ekleme: emit satirEklendi(satir); break;
    case Silme: emit satirSilindi(satir); break;
    case Imlec: emit imlecDegisti(satir); break;
    case Bicim: emit bicimDegisti(); break;
    }
}

const QVariant &VeriSeti::deger(int satir, int alan) const
{
    if (satir < 0 || satir >= satirlar_.size() || alan < 0 || alan >= satirlar_[satir].size())
        return kBos;
    return satirlar_[satir][alan];
}

QString VeriSeti::gosterim(int satir, int alan) const
{
    if (alan < 0 || alan >= FieldCount())
        return QString();
    return alanlar_[size_t(alan)]->gosterim(deger(satir, alan));
}

// ---- helpers ---------------------------------------------------------------

void FormatAyarla(VeriSeti &ds)
{
    for (int i = 0; i < ds.FieldCount(); ++i)
        if (ds.Fields(i).DataType() == kw::KolonTipi::Double)
            ds.Fields(i).SetDisplayFormat(QString::fromUtf16(kTutarBicimi));
}

bool KayitVarmi(const VeriSeti &ds) { return ds.Active() && ds.RecordCount() > 0; }

bool SeciliVarmi(VeriSeti &ds)
{
    if (!KayitVarmi(ds))
        return false;
    const Alan &sec = ds.FieldByName(QStringLiteral("SEC"));
    for (ds.First(); !ds.Eof(); ds.Next())
        if (sec.AsInteger() == 1)
            return true;
    return false;
}

}  // namespace kt
