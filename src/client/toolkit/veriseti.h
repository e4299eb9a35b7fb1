// The client dataset: an in-memory table with named, typed fields, a cursor
// and in-place editing of the current row. Filled whole from a data packet or
// row by row from a table result; shown read-only through VeriModeli.
//
// Threads: a dataset belongs to one thread at a time. A background loader may
// fill a dataset while no view is attached to it (Izgara::Ayir), with
// DisableControls around the work; the UI thread reattaches afterwards.
#pragma once

#include "tablo.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <stdexcept>
#include <vector>

namespace kt {

class VeriSeti;

// Raised for misuse that the caller must not ignore: an unknown field name,
// writing outside Edit/Insert, a table that lacks a declared field.
class VeriSetiHatasi : public std::runtime_error {
public:
    explicit VeriSetiHatasi(const QString &mesaj) : std::runtime_error(mesaj.toStdString()) {}
    QString mesaj() const { return QString::fromStdString(what()); }
};

// One field of a dataset. Reads and writes go to the dataset's current row
// (or its edit buffer while the dataset is in Edit/Insert).
class Alan {
public:
    const QString &FieldName() const { return ad_; }
    kw::KolonTipi DataType() const { return tip_; }
    int Index() const { return no_; }

    const QString &DisplayFormat() const { return bicim_; }
    void SetDisplayFormat(const QString &bicim);

    QVariant Value() const;
    bool IsNull() const { return !Value().isValid(); }
    QString AsString() const { return metin(Value()); }
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QDateTime AsDateTime() const;
    QString DisplayText() const { return gosterim(Value()); }

    // Converted to the field's type; a value that does not fit (text that is
    // no number, a number too big for Int32) raises VeriSetiHatasi instead
    // of quietly becoming null. Empty text clears the field.
    void SetValue(const QVariant &deger);
    void SetAsString(const QString &s) { SetValue(s); }
    void SetAsInteger(qint64 v) { SetValue(v); }
    void SetAsFloat(double v) { SetValue(v); }
    void SetAsBoolean(bool v) { SetValue(v); }
    void SetAsDateTime(const QDateTime &v) { SetValue(v); }
    void Clear() { SetValue(QVariant()); }

    // Texts of any value as this field shows it: plain (AsString) and with
    // the display format (DisplayText). Views call these per cell.
    QString metin(const QVariant &v) const;
    QString gosterim(const QVariant &v) const;
    // A value converted to this field's type; invalid when it does not fit
    // (then `uydu`, when given, is false; a null or empty value fits).
    QVariant donustur(const QVariant &v, bool *uydu = nullptr) const;

private:
    friend class VeriSeti;
    QVariant cevir(const QVariant &v) const;
    Alan(VeriSeti *ds, QString ad, kw::KolonTipi tip, int no) : ds_(ds), ad_(std::move(ad)), tip_(tip), no_(no) {}

    VeriSeti *ds_;
    QString ad_;
    kw::KolonTipi tip_;
    int no_;
    QString bicim_;
};

class VeriSeti : public QObject {
    Q_OBJECT
public:
    enum class Durum { Kapali, Gezinme, Duzenleme, Ekleme };

    explicit VeriSeti(QObject *parent = nullptr);
    ~VeriSeti() override;

    // Structure. Fields declared while closed are kept by Open and matched by
    // name when copying a table; a data packet replaces them.
    void AlanEkle(const QString &ad, kw::KolonTipi tip);
    void AlanlariTemizle();
    int FieldCount() const { return int(alanlar_.size()); }
    Alan &Fields(int i) const { return *alanlar_.at(size_t(i)); }
    Alan &FieldByName(const QString &ad) const;   // throws VeriSetiHatasi
    Alan *FindField(const QString &ad) const;       // nullptr when absent
    int alanNo(const QString &ad) const;            // -1 when absent

    // Open/closed.
    bool Active() const { return durum_ != Durum::Kapali; }
    void SetActive(bool acik) { acik ? Open() : Close(); }
    void Open();
    void Close();
    Durum State() const { return durum_; }

    // Loading. A data packet becomes the whole content (structure and rows);
    // a table is copied row by row into the declared fields (or, with none
    // declared, into fields made from its columns). Either way the dataset
    // ends open with the cursor on the first row.
    void VeriPaketiYukle(const kw::Tablo &paket);
    void TabloKopyala(const kw::Tablo &tablo);
    kw::Tablo VeriPaketi() const;

    // Cursor.
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    int RecNo() const { return imlec_ + 1; }   // 1-based, 0 when empty
    void SetRecNo(int no);
    int RecordCount() const { return int(satirlar_.size()); }
    bool IsEmpty() const { return satirlar_.isEmpty(); }
    bool Locate(const QString &alan, const QVariant &deger);

    // Editing of the current row.
    void Edit();
    void Post();
    void Cancel();
    void Append();
    void Insert();
    void Delete();
    void EmptyDataSet();

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return kapali_ > 0; }

    // Direct row access for views and exporters; never moves the cursor.
    int satirSayisi() const { return int(satirlar_.size()); }
    const QVariant &deger(int satir, int alan) const;
    QString gosterim(int satir, int alan) const;
    int imlec() const { return imlec_; }   // 0-based, -1 when empty

signals:
    void yapiDegisti();            // opened, closed, loaded or emptied: views reset
    void satirDegisti(int satir);  // a row's values changed (Post)
    void satirEklendi(int satir);
    void satirSilindi(int satir);
    void imlecDegisti(int satir);
    void bicimDegisti();           // a display format changed: texts change, rows do not

private:
    friend class Alan;
    QVariant alanDegeri(int no) const;
    void alanYaz(int no, const QVariant &v);
    void gezinmeyeDon();   // posts a pending edit, as a cursor move does
    void imleceGit(int satir);
    void bildir(int olay, int satir);
    void yapiKur(const QVector<kw::Kolon> &kolonlar);

    std::vector<std::unique_ptr<Alan>> alanlar_;
    mutable QHash<QString, int> indeks_;
    QVector<QVector<QVariant>> satirlar_;
    QVector<QVariant> tampon_;
    Durum durum_ = Durum::Kapali;
    int imlec_ = -1;
    int eklemeYeri_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    int kapali_ = 0;
    bool bekleyenDegisim_ = false;
};

// Every plain floating-point field (not currency, not integer) gets the
// amount format "#,###,##0.00".
void FormatAyarla(VeriSeti &ds);
// True when the dataset is open and holds at least one row.
bool KayitVarmi(const VeriSeti &ds);
// Walks from the first row to the first whose "SEC" is 1 and stays there
// (true); false when there is none, with the cursor at the end.
bool SeciliVarmi(VeriSeti &ds);

}  // namespace kt
