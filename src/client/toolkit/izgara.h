// The grid every list of the client uses: a table view over a VeriSeti,
// configured by a declarative column table (IzgaraKolonu, izgarakolon.h) and
// a look (IzgaraStili). It brings header filter buttons, incremental search
// by typing, footer summaries, grouping with group footers, a quick column
// chooser, best-fit and weighted widths, and Excel export.
//
// Model chain: VeriModeli (dataset) → IzgaraFiltreModeli (filters, order) →
// IzgaraGrupModeli (group rows) → the view. Column i of every model is
// column i of the column table.
#pragma once

#include "izgarakolon.h"
#include "veriseti.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QAbstractItemModel;
class QLabel;
class QTableView;
class QMenu;

namespace kt {

class VeriSeti;
class VeriModeli;
class IzgaraFiltreModeli;
class IzgaraGrupModeli;
class IzgaraBasligi;
class SatirGostergesi;
class IzgaraCizici;
class IzgaraAltBilgi;
class IzgaraTablo;

class Izgara : public QWidget {
    Q_OBJECT
public:
    explicit Izgara(QWidget *parent = nullptr);
    ~Izgara() override;

    // ---- configuration
    void KolonlariKur(QVector<IzgaraKolonu> kolonlar);
    void StilAyarla(const IzgaraStili &stil);
    const IzgaraStili &Stil() const { return stil_; }
    void SatirYuksekligi(int px);

    // ---- data source. Ayir empties the view and lets go of the dataset, so
    // that a worker may refill it; Bagla shows it again.
    void Bagla(VeriSeti *ds);
    void Ayir();
    VeriSeti *BagliVeriSeti() const { return ds_; }
    // Painting pauses between BeginUpdate and EndUpdate (nestable).
    void BeginUpdate();
    void EndUpdate();
    // When on (default), focusing a row makes it the dataset's current row
    // and moving the dataset's cursor focuses its row.
    void ImleciIzle(bool izle) { imleciIzle_ = izle; }

    // ---- columns (by index in the column table or by field name)
    int KolonSayisi() const { return int(kolonlar_.size()); }
    const IzgaraKolonu &Kolon(int i) const { return kolonlar_.at(i); }
    int KolonNo(const QString &alan) const;         // -1 when absent
    int BaslikKolonNo(const QString &baslik) const; // by caption; -1 when absent
    QString KolonBasligi(int i) const;
    void KolonGorunur(int i, bool gorunur);
    void KolonGorunur(const QString &alan, bool gorunur) { KolonGorunur(KolonNo(alan), gorunur); }
    bool KolonGorunurMu(int i) const;
    void SecicideOlsun(int i, bool olsun);
    void SecicideOlsun(const QString &alan, bool olsun) { SecicideOlsun(KolonNo(alan), olsun); }
    void KolonGenisligi(int i, int px);
    int KolonGenisligiAl(int i) const;
    void EnIyiGenislik();                  // every visible column
    void EnIyiGenislik(int i);
    // The weighted fitting over the visible columns for a grid `genislik`
    // wide (default: this grid's width). False when it cannot fit.
    bool AgirlikliSigdir(int genislik = -1);

    // ---- rows
    int OdakSatiri() const;                 // dataset row of the focused data row, -1 without
    bool OdakVar() const { return OdakSatiri() >= 0; }
    QVariant OdakDegeri(const QString &alan) const;
    int OdakKolonu() const;                 // -1 without
    QString OdakKolonBasligi() const;
    void SatiraGit(int veriSatiri);         // focus a dataset row
    void ImleceGit();                       // focus the dataset's current row
    int GorunenSatirSayisi() const;         // data rows after filtering
    int GorunumSatiriVeri(int gorunumSatiri) const;   // dataset row of a view row (-1: group row)

    // ---- header filters
    void FiltreKoy(const QString &alan, const QString &metin);
    void FiltreKaldir(const QString &alan);
    void FiltreyiTemizle();
    QStringList FiltreDegerleri(const QString &alan) const;

    // ---- order
    void Sirala(const QString &alan, Qt::SortOrder yon = Qt::AscendingOrder);
    void SiralamayiKaldir();

    // ---- grouping
    void Grupla(const QString &alan);
    void GruplamayiKaldir();
    void GruplariAc();
    void GruplariDaralt();
    int GrupSayisi() const;

    // ---- footer
    QString AltBilgiMetni(const QString &alan) const;
    QString AltBilgiMetni(int kolon) const;

    // ---- incremental search: what typing into the grid does
    bool ArtimliAra(const QString &metin);
    QString AramaMetni() const { return arama_; }

    // ---- column chooser and Excel export
    void KolonSeciciGoster(const QPoint &global);
    bool ExcelAktar(const QString &yol, QString *hata = nullptr) const;   // the path gets ".xls"
    bool ExcelKaydet();   // save dialog ("Excel|*.xls*"), export, error message on failure

    QTableView *Tablo() const;
    QAbstractItemModel *GorunumModeli() const;

signals:
    void satirCiftTiklandi(int veriSatiri);
    void odakSatiriDegisti(int veriSatiri);
    void boyutDegisti();

protected:
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    friend class IzgaraTablo;
    bool tusaBas(QKeyEvent *e);
    bool fareyeBas(QMouseEvent *e);
    void aramaTemizle();
    int aramaKolonu() const;
    void siralamaUygula();
    void odakDegisti(const QModelIndex &simdiki);
    void imleciTakipEt();
    void altBilgiPlanla();
    void altBilgiHesapla() const;
    void spanlariKur();
    void filtreListesiAc(int kolon, const QPoint &global);
    void baslikMenusu(const QPoint &pos);
    void stiliUygula();
    void ilkGenislikler();
    void otomatikKolonlar();
    void hizalariCoz();
    QString hucreMetni(int filtreSatiri, int kolon) const;
    template <typename F> void toplu(F degisim);
    void filtreIsaretleri();

    QVector<IzgaraKolonu> kolonlar_;
    IzgaraStili stil_;
    QPointer<VeriSeti> ds_;
    VeriModeli *model_;
    IzgaraFiltreModeli *filtre_;
    IzgaraGrupModeli *grup_;
    IzgaraTablo *tablo_;
    IzgaraBasligi *baslik_;
    SatirGostergesi *gosterge_;
    IzgaraCizici *cizici_;
    IzgaraAltBilgi *alt_;
    QLabel *aramaEtiketi_;
    QWidget *kose_ = nullptr;
    QTimer altBilgiZamani_;
    QTimer imlecZamani_;
    mutable bool altBilgiKirli_ = true;
    int siraKolonu_ = -1;
    Qt::SortOrder siraYonu_ = Qt::AscendingOrder;
    QString arama_;
    int aramaKolonu_ = -1;
    bool imleciIzle_ = true;
    bool odakYaziliyor_ = false;
    int imlecHedefi_ = -1;
    int guncelleme_ = 0;
    bool genislikVerildi_ = false;
    bool otomatik_ = true;   // no column table given: one column per field
};

}  // namespace kt
