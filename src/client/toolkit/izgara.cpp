// The grid widget; see izgara.h.
#include "izgara.h"

#include "izgaraalt.h"
#include "izgarabaslik.h"
#include "izgaracizici.h"
#include "izgarafiltre.h"
#include "izgaragrup.h"
#include "kolonsigdirma.h"
#include "mesajgoster.h"
#include "verimodeli.h"
#include "veriseti.h"
#include "xlsyazici.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QCheckBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace kt {

namespace {

constexpr int kEnIyiOrnek = 1000;   // rows measured for best fit
constexpr int kEnIyiEnCok = 600;

// Search key: lower case with the Turkish rules, and the four i's made one,
// so "I", "ı", "İ" and "i" all match each other as users expect.
QString aramaAnahtari(const QString &s)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    QString k = tr.toLower(s);
    k.replace(QChar(0x0131), u'i');   // ı
    k.remove(QChar(0x0307));          // the dot left by İ
    return k;
}

bool simgeli(Cizim c) { return c == Cizim::Durum || c == Cizim::EvetHayir || c == Cizim::ResimIsareti; }

}  // namespace

// The view itself: forwards typing and clicks to the grid first.
class IzgaraTablo : public QTableView {
public:
    explicit IzgaraTablo(Izgara *izgara) : QTableView(izgara), izgara_(izgara) {}

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (!izgara_->tusaBas(e))
            QTableView::keyPressEvent(e);
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (!izgara_->fareyeBas(e))
            QTableView::mousePressEvent(e);
    }

private:
    Izgara *izgara_;
};

Izgara::Izgara(QWidget *parent) : QWidget(parent)
{
    model_ = new VeriModeli(this);
    filtre_ = new IzgaraFiltreModeli(this);
    filtre_->setSourceModel(model_);
    grup_ = new IzgaraGrupModeli(this);
    grup_->setSourceModel(filtre_);

    tablo_ = new IzgaraTablo(this);
    baslik_ = new IzgaraBasligi(&stil_, tablo_);
    gosterge_ = new SatirGostergesi(&stil_, tablo_);
    tablo_->setHorizontalHeader(baslik_);
    tablo_->setVerticalHeader(gosterge_);
    cizici_ = new IzgaraCizici(&kolonlar_, &stil_, this);
    tablo_->setItemDelegate(cizici_);
    tablo_->setModel(grup_);
    tablo_->setShowGrid(false);
    tablo_->setWordWrap(true);
    tablo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tablo_->setSelectionMode(QAbstractItemView::SingleSelection);
    tablo_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    tablo_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    tablo_->setCornerButtonEnabled(false);
    tablo_->setTabKeyNavigation(false);
    baslik_->setSectionsMovable(false);
    baslik_->setContextMenuPolicy(Qt::CustomContextMenu);
    baslik_->setStretchLastSection(false);

    // The corner above the row indicator opens the quick column chooser.
    tablo_->setCornerButtonEnabled(true);
    if (auto *kose = tablo_->findChild<QAbstractButton *>()) {
        kose_ = kose;
        disconnect(kose, nullptr, tablo_, nullptr);
        kose->setToolTip(QStringLiteral("Kolonlar"));
        kose->installEventFilter(this);
        connect(kose, &QAbstractButton::clicked, this, [this]() {
            if (stil_.kolonSecici)
                KolonSeciciGoster(kose_->mapToGlobal(QPoint(0, kose_->height())));
        });
    }

    alt_ = new IzgaraAltBilgi(tablo_, &stil_, this);
    auto *dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    dikey->addWidget(tablo_, 1);
    dikey->addWidget(alt_);

    aramaEtiketi_ = new QLabel(tablo_->viewport());
    aramaEtiketi_->hide();

    altBilgiZamani_.setSingleShot(true);
    altBilgiZamani_.setInterval(0);
    connect(&altBilgiZamani_, &QTimer::timeout, this, [this]() { altBilgiHesapla(); });
    imlecZamani_.setSingleShot(true);
    imlecZamani_.setInterval(0);
    connect(&imlecZamani_, &QTimer::timeout, this, [this]() { imleciTakipEt(); });

    connect(tablo_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &s) { odakDegisti(s); });
    connect(tablo_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        const int tur = i.data(SatirTuruRolu).toInt();
        if (tur == GrupBasligi)
            grup_->grupAcKapat(i.row());
        else if (tur == VeriSatiri)
            emit satirCiftTiklandi(i.data(VeriSatiriRolu).toInt());
    });
    connect(baslik_, &QHeaderView::sectionClicked, this, [this](int c) {
        if (!stil_.siralama || c < 0 || c >= kolonlar_.size() || kolonlar_[c].alan.isEmpty())
            return;
        if (siraKolonu_ == c)
            siraYonu_ = siraYonu_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        else
            siraYonu_ = Qt::AscendingOrder;
        siraKolonu_ = c;
        siralamaUygula();
    });
    connect(baslik_, &IzgaraBasligi::filtreTiklandi, this, &Izgara::filtreListesiAc);
    connect(baslik_, &QWidget::customContextMenuRequested, this, &Izgara::baslikMenusu);
    connect(model_, &VeriModeli::imlecSatiri, this, [this](int s) {
        if (!imleciIzle_ || odakYaziliyor_)
            return;
        imlecHedefi_ = s;
        imlecZamani_.start();
    });

    // Anything that changes rows or values: footer again, spans again.
    auto degisti = [this]() { altBilgiPlanla(); };
    connect(grup_, &QAbstractItemModel::modelReset, this, [this]() {
        otomatikKolonlar();
        hizalariCoz();
        spanlariKur();
        altBilgiPlanla();
        ilkGenislikler();
        if (imleciIzle_ && ds_ && ds_->Active() && ds_->imlec() >= 0) {
            imlecHedefi_ = ds_->imlec();
            imleciTakipEt();
        }
        // The focused row may have been filtered away: focus the first one, so
        // the keyboard and the dataset's cursor stay on a shown row.
        if (!tablo_->currentIndex().isValid())
            for (int r = 0; r < grup_->rowCount(); ++r)
                if (grup_->index(r, 0).data(SatirTuruRolu).toInt() == VeriSatiri) {
                    SatiraGit(grup_->index(r, 0).data(VeriSatiriRolu).toInt());
                    if (imleciIzle_ && ds_ && ds_->State() == VeriSeti::Durum::Gezinme)
                        ds_->SetRecNo(OdakSatiri() + 1);
                    break;
                }
    });
    connect(grup_, &QAbstractItemModel::layoutChanged, this, [this]() {
        spanlariKur();
        altBilgiPlanla();
    });
    connect(grup_, &QAbstractItemModel::rowsInserted, this, [this]() {
        spanlariKur();
        altBilgiPlanla();
    });
    connect(grup_, &QAbstractItemModel::rowsRemoved, this, [this]() {
        spanlariKur();
        altBilgiPlanla();
    });
    connect(grup_, &QAbstractItemModel::dataChanged, this, degisti);

    stiliUygula();
}

Izgara::~Izgara() = default;

QTableView *Izgara::Tablo() const { return tablo_; }
QAbstractItemModel *Izgara::GorunumModeli() const { return grup_; }

// ---- configuration ----------------------------------------------------------

void Izgara::KolonlariKur(QVector<IzgaraKolonu> kolonlar)
{
    otomatik_ = kolonlar.isEmpty();
    kolonlar_ = std::move(kolonlar);
    QStringList alanlar, basliklar;
    QVector<OzetTuru> ozetler;
    QStringList ozetBicimleri;
    for (const IzgaraKolonu &k : kolonlar_) {
        // A field-less column still needs a name for the model's column list.
        alanlar << (k.alan.isEmpty() ? QString() : k.alan);
        basliklar << k.baslik;
        ozetler << k.ozet;
        ozetBicimleri << k.ozetBicimi;
    }
    siraKolonu_ = -1;
    filtre_->filtreleriTemizle();
    filtre_->siralamaAyarla(-1, -1, Qt::AscendingOrder);
    grup_->grupKolonuAyarla(-1);
    if (kolonlar_.isEmpty())
        model_->kolonlariAyarla({}, {});
    else
        model_->kolonlariAyarla(alanlar.isEmpty() ? QStringList{QString()} : alanlar, basliklar);
    grup_->ozetleriAyarla(ozetler, ozetBicimleri);
    genislikVerildi_ = false;
    for (int i = 0; i < kolonlar_.size(); ++i) {
        tablo_->setColumnHidden(i, !kolonlar_[i].gorunur);
        baslik_->resizeSection(i, kolonlar_[i].genislik > 0 ? kolonlar_[i].genislik : 100);
    }
    baslik_->filtreliKolonlar({});
    baslik_->siralamaGoster(-1, Qt::AscendingOrder);
    hizalariCoz();
    ilkGenislikler();
    altBilgiPlanla();
}

void Izgara::otomatikKolonlar()
{
    if (!otomatik_ || !ds_)
        return;
    bool ayni = kolonlar_.size() == ds_->FieldCount();
    for (int i = 0; ayni && i < kolonlar_.size(); ++i)
        ayni = kolonlar_[i].alan == ds_->Fields(i).FieldName();
    if (ayni)
        return;
    QVector<IzgaraKolonu> k;
    for (int i = 0; i < ds_->FieldCount(); ++i)
        k.push_back(IzgaraKolonu(ds_->Fields(i).FieldName(), ds_->Fields(i).FieldName()));
    KolonlariKur(std::move(k));
    otomatik_ = true;
}

void Izgara::hizalariCoz()
{
    QVector<Qt::Alignment> h;
    for (int c = 0; c < kolonlar_.size(); ++c) {
        const int alan = model_->alanNo(c);
        bool sayi = false;
        if (ds_ && alan >= 0) {
            switch (ds_->Fields(alan).DataType()) {
            case kw::KolonTipi::Int32:
            case kw::KolonTipi::Int64:
            case kw::KolonTipi::Double:
            case kw::KolonTipi::Currency:
                sayi = true;
                break;
            default:
                break;
            }
        }
        h << (sayi ? Qt::AlignRight : Qt::AlignLeft);
    }
    cizici_->kendiHizalari(h);
}

void Izgara::StilAyarla(const IzgaraStili &stil)
{
    stil_ = stil;
    stiliUygula();
}

void Izgara::stiliUygula()
{
    QFont f = stil_.font;
    f.setPixelSize(stil_.fontPx);
    tablo_->setFont(f);
    baslik_->setFixedHeight(stil_.baslikYuksekligi);
    gosterge_->setDefaultSectionSize(stil_.satirYuksekligi);
    gosterge_->setMinimumSectionSize(8);
    gosterge_->setVisible(stil_.satirGostergesi);
    tablo_->setSelectionBehavior(stil_.satirSecimi ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    alt_->setVisible(stil_.altBilgi);
    grup_->grupAltlariAyarla(stil_.grupAltlari);
    QPalette p = tablo_->palette();
    p.setColor(QPalette::Base, stil_.tekSatir);
    p.setColor(QPalette::Window, stil_.tekSatir);
    tablo_->setPalette(p);
    aramaEtiketi_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; padding: 3px 8px; border-radius: 3px; }")
                                     .arg(stil_.vurgu.name()));
    baslik_->viewport()->update();
    tablo_->viewport()->update();
    alt_->updateGeometry();
    alt_->update();
}

void Izgara::SatirYuksekligi(int px)
{
    stil_.satirYuksekligi = px;
    gosterge_->setDefaultSectionSize(px);
}

// ---- data source ------------------------------------------------------------

void Izgara::Bagla(VeriSeti *ds)
{
    aramaTemizle();
    ds_ = ds;
    cizici_->veriSetiAyarla(ds);
    model_->bagla(ds);
    otomatikKolonlar();
}

void Izgara::Ayir()
{
    aramaTemizle();
    imlecZamani_.stop();
    model_->ayir();
    cizici_->veriSetiAyarla(nullptr);
    ds_ = nullptr;
}

void Izgara::BeginUpdate()
{
    if (guncelleme_++ == 0)
        tablo_->setUpdatesEnabled(false);
}

void Izgara::EndUpdate()
{
    if (guncelleme_ == 0)
        return;
    if (--guncelleme_ == 0) {
        tablo_->setUpdatesEnabled(true);
        tablo_->viewport()->update();
        altBilgiPlanla();
    }
}

// ---- columns ----------------------------------------------------------------

int Izgara::KolonNo(const QString &alan) const
{
    for (int i = 0; i < kolonlar_.size(); ++i)
        if (!alan.isEmpty() && kolonlar_[i].alan == alan)
            return i;
    return -1;
}

int Izgara::BaslikKolonNo(const QString &baslik) const
{
    for (int i = 0; i < kolonlar_.size(); ++i)
        if (KolonBasligi(i) == baslik)
            return i;
    return -1;
}

QString Izgara::KolonBasligi(int i) const
{
    if (i < 0 || i >= kolonlar_.size())
        return QString();
    return kolonlar_[i].baslik.isEmpty() ? kolonlar_[i].alan : kolonlar_[i].baslik;
}

void Izgara::KolonGorunur(int i, bool gorunur)
{
    if (i < 0 || i >= kolonlar_.size())
        return;
    tablo_->setColumnHidden(i, !gorunur);
    spanlariKur();
    alt_->update();
}

bool Izgara::KolonGorunurMu(int i) const { return i >= 0 && i < kolonlar_.size() && !tablo_->isColumnHidden(i); }

void Izgara::SecicideOlsun(int i, bool olsun)
{
    if (i >= 0 && i < kolonlar_.size())
        kolonlar_[i].secicide = olsun;
}

void Izgara::KolonGenisligi(int i, int px)
{
    if (i >= 0 && i < kolonlar_.size())
        baslik_->resizeSection(i, px);
}

int Izgara::KolonGenisligiAl(int i) const { return i >= 0 && i < kolonlar_.size() ? baslik_->sectionSize(i) : 0; }

void Izgara::EnIyiGenislik()
{
    for (int i = 0; i < kolonlar_.size(); ++i)
        if (KolonGorunurMu(i))
            EnIyiGenislik(i);
}

void Izgara::EnIyiGenislik(int i)
{
    if (i < 0 || i >= kolonlar_.size())
        return;
    const IzgaraKolonu &k = kolonlar_[i];
    QFont bf = stil_.baslikFont;
    bf.setPixelSize(stil_.baslikFontPx);
    bf.setBold(stil_.baslikKalin);
    int en = QFontMetrics(bf).horizontalAdvance(KolonBasligi(i)) + 14 + (stil_.filtreDugmeleri ? 24 : 0)
             + (siraKolonu_ == i ? 12 : 0);
    const QFontMetrics fm(tablo_->font());
    switch (k.cizim) {
    case Cizim::Durum:
    case Cizim::EvetHayir:
    case Cizim::ResimIsareti:
        en = std::max(en, 24 + 12);
        break;
    case Cizim::OnayKutusu:
        en = std::max(en, 16 + 12);
        break;
    case Cizim::Sahibi:
        if (!k.metin) {
            en = std::max(en, baslik_->sectionSize(i));
            break;
        }
        [[fallthrough]];
    default: {
        const int n = std::min(filtre_->rowCount(), kEnIyiOrnek);
        for (int r = 0; r < n; ++r) {
            const QString s = hucreMetni(r, i);
            if (s.isEmpty())
                continue;
            int w = 0;
            for (const QStringView satir : QStringView(s).split(u'\n'))
                w = std::max(w, fm.horizontalAdvance(satir.toString()));
            en = std::max(en, std::min(w + 12, kEnIyiEnCok));
        }
        break;
    }
    }
    baslik_->resizeSection(i, std::max(en, 20));
}

bool Izgara::AgirlikliSigdir(int genislik)
{
    if (genislik < 0)
        genislik = width();
    QVector<int> gorunen, agirlik;
    for (int i = 0; i < kolonlar_.size(); ++i)
        if (KolonGorunurMu(i)) {
            gorunen << i;
            agirlik << kolonlar_[i].agirlik;
        }
    const QVector<int> g = agirlikliGenislikler(agirlik, genislik);
    if (g.isEmpty())
        return false;
    for (int j = 0; j < gorunen.size(); ++j)
        baslik_->resizeSection(gorunen[j], g[j]);
    genislikVerildi_ = true;
    return true;
}

void Izgara::ilkGenislikler()
{
    // Columns without a declared width take their best fit the first time
    // rows arrive, unless the screen has already fitted them.
    if (genislikVerildi_ || !ds_ || filtre_->rowCount() == 0)
        return;
    genislikVerildi_ = true;
    for (int i = 0; i < kolonlar_.size(); ++i)
        if (kolonlar_[i].genislik <= 0 && KolonGorunurMu(i))
            EnIyiGenislik(i);
}

// ---- rows -------------------------------------------------------------------

int Izgara::OdakSatiri() const
{
    const QModelIndex i = tablo_->currentIndex();
    if (!i.isValid() || i.data(SatirTuruRolu).toInt() != VeriSatiri)
        return -1;
    return i.data(VeriSatiriRolu).toInt();
}

QVariant Izgara::OdakDegeri(const QString &alan) const
{
    const int s = OdakSatiri();
    if (s < 0 || !ds_)
        return {};
    return ds_->deger(s, ds_->alanNo(alan));
}

int Izgara::OdakKolonu() const
{
    const QModelIndex i = tablo_->currentIndex();
    return i.isValid() ? i.column() : -1;
}

QString Izgara::OdakKolonBasligi() const { return KolonBasligi(OdakKolonu()); }

void Izgara::SatiraGit(int veriSatiri)
{
    const QModelIndex kaynak = model_->index(veriSatiri, 0);
    const QModelIndex f = filtre_->mapFromSource(kaynak);
    const QModelIndex g = grup_->mapFromSource(f);
    if (!g.isValid())
        return;
    int kolon = tablo_->currentIndex().isValid() ? tablo_->currentIndex().column() : -1;
    if (kolon < 0 || tablo_->isColumnHidden(kolon))
        for (kolon = 0; kolon < kolonlar_.size() && tablo_->isColumnHidden(kolon); ++kolon) {
        }
    const QModelIndex hedef = grup_->index(g.row(), std::min(kolon, std::max(0, int(kolonlar_.size()) - 1)));
    odakYaziliyor_ = true;
    tablo_->setCurrentIndex(hedef);
    odakYaziliyor_ = false;
    tablo_->scrollTo(hedef);
}

void Izgara::ImleceGit()
{
    if (ds_ && ds_->imlec() >= 0)
        SatiraGit(ds_->imlec());
}

int Izgara::GorunenSatirSayisi() const { return filtre_->rowCount(); }

int Izgara::GorunumSatiriVeri(int gorunumSatiri) const
{
    const QModelIndex i = grup_->index(gorunumSatiri, 0);
    return i.isValid() && i.data(SatirTuruRolu).toInt() == VeriSatiri ? i.data(VeriSatiriRolu).toInt() : -1;
}

void Izgara::odakDegisti(const QModelIndex &simdiki)
{
    // A column that may not take the focus hands it to the next one that may.
    const int c = simdiki.column();
    if (simdiki.isValid() && c < kolonlar_.size() && !kolonlar_[c].odaklanir) {
        for (int d = 1; d < kolonlar_.size(); ++d)
            for (int aday : {c + d, c - d})
                if (aday >= 0 && aday < kolonlar_.size() && kolonlar_[aday].odaklanir && !tablo_->isColumnHidden(aday)) {
                    tablo_->setCurrentIndex(grup_->index(simdiki.row(), aday));
                    return;
                }
    }
    gosterge_->odakSatiri(simdiki.isValid() ? simdiki.row() : -1);
    if (!stil_.satirSecimi)
        tablo_->viewport()->update();   // the whole focused row is marked
    const int veri = simdiki.isValid() && simdiki.data(SatirTuruRolu).toInt() == VeriSatiri
                         ? simdiki.data(VeriSatiriRolu).toInt() : -1;
    if (veri >= 0 && imleciIzle_ && ds_ && !odakYaziliyor_ && ds_->State() == VeriSeti::Durum::Gezinme
        && ds_->imlec() != veri) {
        odakYaziliyor_ = true;
        ds_->SetRecNo(veri + 1);
        odakYaziliyor_ = false;
    }
    emit odakSatiriDegisti(veri);
}

void Izgara::imleciTakipEt()
{
    if (imlecHedefi_ >= 0 && OdakSatiri() != imlecHedefi_)
        SatiraGit(imlecHedefi_);
    imlecHedefi_ = -1;
}

// ---- filters and order ------------------------------------------------------

// Filter and grouping changes touch every row: the view takes them as one
// reset (not thousands of row moves) and keeps the focused row.
template <typename F>
void Izgara::toplu(F degisim)
{
    const int odak = OdakSatiri();
    grup_->topluBasla();
    degisim();
    grup_->topluBitir();
    if (odak >= 0)
        SatiraGit(odak);
}

void Izgara::filtreIsaretleri()
{
    baslik_->filtreliKolonlar(QSet<int>(filtre_->filtreler().keyBegin(), filtre_->filtreler().keyEnd()));
}

void Izgara::FiltreKoy(const QString &alan, const QString &metin)
{
    const int k = KolonNo(alan);
    if (k < 0)
        return;
    toplu([&] { filtre_->filtreKoy(k, metin); });
    filtreIsaretleri();
}

void Izgara::FiltreKaldir(const QString &alan)
{
    const int k = KolonNo(alan);
    if (k < 0 || !filtre_->filtreVar(k))
        return;
    toplu([&] { filtre_->filtreKaldir(k); });
    filtreIsaretleri();
}

void Izgara::FiltreyiTemizle()
{
    if (filtre_->filtreler().isEmpty())
        return;
    toplu([&] { filtre_->filtreleriTemizle(); });
    filtreIsaretleri();
}

QStringList Izgara::FiltreDegerleri(const QString &alan) const
{
    const int k = KolonNo(alan);
    return k < 0 ? QStringList() : filtre_->farkliDegerler(k);
}

void Izgara::filtreListesiAc(int kolon, const QPoint &global)
{
    if (kolon < 0 || kolon >= kolonlar_.size())
        return;
    const IzgaraKolonu &k = kolonlar_[kolon];
    auto *liste = new QListWidget;
    liste->setWindowFlags(Qt::Popup);
    liste->setAttribute(Qt::WA_DeleteOnClose);
    liste->setUniformItemSizes(true);
    liste->setObjectName(QStringLiteral("filtreListesi"));
    auto *tumu = new QListWidgetItem(QStringLiteral("(Tümü)"), liste);
    tumu->setData(Qt::UserRole + 1, true);
    QStringList degerler;
    if (k.alan.isEmpty()) {
        liste->deleteLater();
        return;
    }
    degerler = filtre_->farkliDegerler(kolon);
    const bool etkin = filtre_->filtreVar(kolon);
    for (const QString &d : degerler) {
        QString etiket = d;
        if (!k.aciklamalar.isEmpty()) {
            bool tamam = false;
            const int kod = d.toInt(&tamam);
            if (tamam && k.aciklamalar.contains(kod))
                etiket = k.aciklamalar.value(kod);
        }
        if (etiket.isEmpty())
            etiket = QStringLiteral("(Boş)");
        auto *o = new QListWidgetItem(etiket, liste);
        o->setData(Qt::UserRole, d);
        if (etkin && filtre_->filtre(kolon) == d)
            liste->setCurrentItem(o);
    }
    connect(liste, &QListWidget::itemClicked, this, [this, kolon, liste](QListWidgetItem *o) {
        toplu([&] {
            if (o->data(Qt::UserRole + 1).toBool())
                filtre_->filtreKaldir(kolon);
            else
                filtre_->filtreKoy(kolon, o->data(Qt::UserRole).toString());
        });
        filtreIsaretleri();
        liste->close();
    });
    const int satir = liste->sizeHintForRow(0) > 0 ? liste->sizeHintForRow(0) : 20;
    const int en = std::max(baslik_->sectionSize(kolon), 180);
    liste->resize(en, std::min(360, satir * int(degerler.size() + 1) + 6));
    liste->move(global);
    liste->show();
}

void Izgara::siralamaUygula()
{
    filtre_->siralamaAyarla(grup_->grupKolonu(), siraKolonu_, siraYonu_);
    baslik_->siralamaGoster(siraKolonu_, siraYonu_);
}

void Izgara::Sirala(const QString &alan, Qt::SortOrder yon)
{
    siraKolonu_ = KolonNo(alan);
    siraYonu_ = yon;
    siralamaUygula();
}

void Izgara::SiralamayiKaldir()
{
    siraKolonu_ = -1;
    siralamaUygula();
}

// ---- grouping ---------------------------------------------------------------

void Izgara::Grupla(const QString &alan)
{
    const int k = KolonNo(alan);
    if (k < 0)
        return;
    toplu([&] {
        filtre_->siralamaAyarla(k, siraKolonu_, siraYonu_);
        grup_->grupKolonuAyarla(k);
    });
}

void Izgara::GruplamayiKaldir()
{
    if (grup_->grupKolonu() < 0)
        return;
    toplu([&] {
        grup_->grupKolonuAyarla(-1);
        filtre_->siralamaAyarla(-1, siraKolonu_, siraYonu_);
    });
}

void Izgara::GruplariAc() { grup_->tumGruplar(true); }
void Izgara::GruplariDaralt() { grup_->tumGruplar(false); }
int Izgara::GrupSayisi() const { return grup_->grupSayisi(); }

void Izgara::spanlariKur()
{
    tablo_->clearSpans();
    if (grup_->grupKolonu() < 0)
        return;
    int ilk = 0;
    while (ilk < kolonlar_.size() && tablo_->isColumnHidden(ilk))
        ++ilk;
    const int kolonlar = grup_->columnCount();
    if (ilk >= kolonlar || kolonlar - ilk < 2)
        return;
    const int n = grup_->rowCount();
    for (int r = 0; r < n; ++r)
        if (grup_->index(r, 0).data(SatirTuruRolu).toInt() == GrupBasligi)
            tablo_->setSpan(r, ilk, 1, kolonlar - ilk);
}

// ---- footer -----------------------------------------------------------------

void Izgara::altBilgiPlanla()
{
    altBilgiKirli_ = true;
    if (stil_.altBilgi)
        altBilgiZamani_.start();
}

void Izgara::altBilgiHesapla() const
{
    altBilgiKirli_ = false;
    QStringList metinler;
    const int n = filtre_->rowCount();
    for (int c = 0; c < kolonlar_.size(); ++c) {
        const IzgaraKolonu &k = kolonlar_[c];
        if (k.ozet == OzetTuru::Yok) {
            metinler << QString();
            continue;
        }
        OzetHesabi h;
        for (int r = 0; r < n; ++r)
            h.ekle(filtre_->index(r, c).data(HamDegerRolu));
        QString bicim = k.ozetBicimi;
        if (bicim.isEmpty())
            bicim = model_->headerData(c, Qt::Horizontal, BicimRolu).toString();
        metinler << h.metin(k.ozet, bicim);
    }
    alt_->metinleriAyarla(metinler);
}

QString Izgara::AltBilgiMetni(int kolon) const
{
    if (altBilgiKirli_)
        altBilgiHesapla();
    return alt_->metinler().value(kolon);
}

QString Izgara::AltBilgiMetni(const QString &alan) const { return AltBilgiMetni(KolonNo(alan)); }

// ---- incremental search -----------------------------------------------------

QString Izgara::hucreMetni(int filtreSatiri, int kolon) const
{
    const IzgaraKolonu &k = kolonlar_[kolon];
    const QModelIndex i = filtre_->index(filtreSatiri, kolon);
    if (k.alan.isEmpty())
        return k.metin ? k.metin(i.data(VeriSatiriRolu).toInt()) : QString();
    return i.data().toString();
}

int Izgara::aramaKolonu() const
{
    auto uygun = [this](int c) {
        return c >= 0 && c < kolonlar_.size() && !tablo_->isColumnHidden(c)
               && (kolonlar_[c].cizim == Cizim::Metin || kolonlar_[c].cizim == Cizim::Memo
                   || (kolonlar_[c].cizim == Cizim::Sahibi && kolonlar_[c].metin));
    };
    const int odak = OdakKolonu();
    if (uygun(odak))
        return odak;
    if (uygun(siraKolonu_))
        return siraKolonu_;
    for (int c = 0; c < kolonlar_.size(); ++c)
        if (uygun(c))
            return c;
    return -1;
}

bool Izgara::ArtimliAra(const QString &metin)
{
    const int kolon = aramaKolonu();
    if (kolon < 0 || metin.isEmpty())
        return false;
    const QString aranan = aramaAnahtari(metin);
    const int n = grup_->rowCount();
    for (int r = 0; r < n; ++r) {
        const QModelIndex gi = grup_->index(r, kolon);
        if (gi.data(SatirTuruRolu).toInt() != VeriSatiri)
            continue;
        const QModelIndex fi = grup_->mapToSource(gi);
        if (!aramaAnahtari(hucreMetni(fi.row(), kolon)).startsWith(aranan))
            continue;
        aramaKolonu_ = kolon;
        tablo_->setCurrentIndex(gi);
        tablo_->scrollTo(gi);
        arama_ = metin;
        aramaEtiketi_->setText(QStringLiteral("Ara: %1").arg(metin));
        aramaEtiketi_->adjustSize();
        aramaEtiketi_->move(6, tablo_->viewport()->height() - aramaEtiketi_->height() - 6);
        aramaEtiketi_->show();
        aramaEtiketi_->raise();
        return true;
    }
    return false;
}

void Izgara::aramaTemizle()
{
    arama_.clear();
    aramaKolonu_ = -1;
    aramaEtiketi_->hide();
}

bool Izgara::tusaBas(QKeyEvent *e)
{
    const QModelIndex simdiki = tablo_->currentIndex();
    const int tur = simdiki.isValid() ? simdiki.data(SatirTuruRolu).toInt() : -1;
    if (tur == GrupBasligi) {
        const bool acik = simdiki.data(GrupAcikRolu).toBool();
        switch (e->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Right:
            if (!acik)
                grup_->grupAcKapat(simdiki.row());
            return true;
        case Qt::Key_Minus:
        case Qt::Key_Left:
            if (acik)
                grup_->grupAcKapat(simdiki.row());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            grup_->grupAcKapat(simdiki.row());
            return true;
        default:
            break;
        }
    }
    if (!stil_.artimliArama)
        return false;
    if (e->key() == Qt::Key_Escape && !arama_.isEmpty()) {
        aramaTemizle();
        return true;
    }
    if (e->key() == Qt::Key_Backspace && !arama_.isEmpty()) {
        QString kisa = arama_;
        kisa.chop(1);
        if (kisa.isEmpty())
            aramaTemizle();
        else
            ArtimliAra(kisa);
        return true;
    }
    const QString t = e->text();
    if (t.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    for (QChar c : t)
        if (!c.isPrint())
            return false;
    if (arama_.isEmpty() && t == QStringLiteral(" "))
        return false;
    const int kolon = aramaKolonu();
    const QString yeni = (kolon == aramaKolonu_ ? arama_ : QString()) + t;
    // A key that matches nothing is not taken: the search keeps its text.
    ArtimliAra(yeni);
    return true;
}

bool Izgara::fareyeBas(QMouseEvent *e)
{
    aramaTemizle();
    const QModelIndex i = tablo_->indexAt(e->position().toPoint());
    if (i.isValid() && e->button() == Qt::LeftButton && i.data(SatirTuruRolu).toInt() == GrupBasligi
        && e->position().x() - tablo_->visualRect(i).left() < 28) {
        tablo_->setCurrentIndex(i);
        grup_->grupAcKapat(i.row());
        return true;
    }
    return false;
}

// ---- menus ------------------------------------------------------------------

void Izgara::KolonSeciciGoster(const QPoint &global)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("kolonSecici"));
    menu.addSection(QStringLiteral("Kolonlar"));
    for (int i = 0; i < kolonlar_.size(); ++i) {
        if (!kolonlar_[i].secicide)
            continue;
        auto *kutu = new QCheckBox(KolonBasligi(i).trimmed().isEmpty() ? kolonlar_[i].alan : KolonBasligi(i), &menu);
        kutu->setChecked(KolonGorunurMu(i));
        kutu->setStyleSheet(QStringLiteral("QCheckBox { padding: 4px 12px; }"));
        connect(kutu, &QCheckBox::toggled, this, [this, i](bool acik) { KolonGorunur(i, acik); });
        auto *eylem = new QWidgetAction(&menu);
        eylem->setDefaultWidget(kutu);
        menu.addAction(eylem);
    }
    menu.exec(global);
}

void Izgara::baslikMenusu(const QPoint &pos)
{
    const int kolon = baslik_->logicalIndexAt(pos);
    const QPoint global = baslik_->mapToGlobal(pos);
    QMenu menu(this);
    const bool alanli = kolon >= 0 && kolon < kolonlar_.size() && !kolonlar_[kolon].alan.isEmpty();
    if (stil_.siralama && alanli) {
        menu.addAction(QStringLiteral("Artan Sırala"), this, [this, kolon]() {
            siraKolonu_ = kolon;
            siraYonu_ = Qt::AscendingOrder;
            siralamaUygula();
        });
        menu.addAction(QStringLiteral("Azalan Sırala"), this, [this, kolon]() {
            siraKolonu_ = kolon;
            siraYonu_ = Qt::DescendingOrder;
            siralamaUygula();
        });
        if (siraKolonu_ >= 0)
            menu.addAction(QStringLiteral("Sıralamayı Kaldır"), this, [this]() { SiralamayiKaldir(); });
        menu.addSeparator();
    }
    if (alanli)
        menu.addAction(QStringLiteral("Bu Kolona Göre Grupla"), this,
                       [this, kolon]() { Grupla(kolonlar_[kolon].alan); });
    if (grup_->grupKolonu() >= 0) {
        menu.addAction(QStringLiteral("Gruplamayı Kaldır"), this, [this]() { GruplamayiKaldir(); });
        menu.addAction(QStringLiteral("Grupları Aç"), this, [this]() { GruplariAc(); });
        menu.addAction(QStringLiteral("Grupları Kapat"), this, [this]() { GruplariDaralt(); });
    }
    if (!filtre_->filtreler().isEmpty())
        menu.addAction(QStringLiteral("Filtreyi Temizle"), this, [this]() { FiltreyiTemizle(); });
    menu.addSeparator();
    if (kolon >= 0)
        menu.addAction(QStringLiteral("En Uygun Genişlik"), this, [this, kolon]() { EnIyiGenislik(kolon); });
    menu.addAction(QStringLiteral("Tüm Kolonlar En Uygun Genişlik"), this, [this]() { EnIyiGenislik(); });
    if (stil_.kolonSecici) {
        menu.addSeparator();
        menu.addAction(QStringLiteral("Kolon Seçici…"), this, [this, global]() { KolonSeciciGoster(global); });
    }
    menu.exec(global);
}

// ---- Excel ------------------------------------------------------------------

bool Izgara::ExcelAktar(const QString &yol, QString *hata) const
{
    QVector<int> kolonlar;
    QVector<XlsKolon> basliklar;
    for (int v = 0; v < baslik_->count(); ++v) {
        const int c = baslik_->logicalIndex(v);
        if (c < 0 || c >= kolonlar_.size() || tablo_->isColumnHidden(c))
            continue;
        kolonlar << c;
        const IzgaraKolonu &k = kolonlar_[c];
        QString bicim;
        if (!k.alan.isEmpty() && (k.cizim == Cizim::Metin || k.cizim == Cizim::Memo)) {
            const int alan = model_->alanNo(c);
            if (ds_ && alan >= 0) {
                const kw::KolonTipi t = ds_->Fields(alan).DataType();
                if (t == kw::KolonTipi::Double || t == kw::KolonTipi::Currency)
                    bicim = ds_->Fields(alan).DisplayFormat().isEmpty() && t == kw::KolonTipi::Currency
                                ? QStringLiteral("#,##0.00") : ds_->Fields(alan).DisplayFormat();
            }
        }
        basliklar << XlsKolon(KolonBasligi(c).trimmed(), baslik_->sectionSize(c), bicim);
    }
    // All rows that pass the filters, in the shown order, groups expanded.
    const int n = filtre_->rowCount();
    QVector<QVector<QVariant>> satirlar;
    satirlar.reserve(n);
    for (int r = 0; r < n; ++r) {
        QVector<QVariant> satir;
        satir.reserve(kolonlar.size());
        const int veri = filtre_->index(r, 0).data(VeriSatiriRolu).toInt();
        for (int c : kolonlar) {
            const IzgaraKolonu &k = kolonlar_[c];
            if (k.alan.isEmpty()) {
                satir << (k.metin ? QVariant(k.metin(veri)) : QVariant());
                continue;
            }
            const QVariant ham = filtre_->index(r, c).data(HamDegerRolu);
            if (simgeli(k.cizim) && !k.aciklamalar.isEmpty()) {
                satir << (ham.isValid() ? QVariant(k.aciklamalar.value(ham.toInt())) : QVariant());
                continue;
            }
            satir << ham;
        }
        satirlar << satir;
    }
    return xlsYaz(xlsUzantili(yol), basliklar, satirlar, hata);
}

bool Izgara::ExcelKaydet()
{
    const QString secilen = QFileDialog::getSaveFileName(this, QStringLiteral("Excel Kaydet"), QString(),
                                                         QStringLiteral("Excel (*.xls*)"));
    if (secilen.isEmpty())
        return false;
    QString hata;
    if (!ExcelAktar(secilen, &hata)) {
        MesajGoster(hata, MesajTipi::Hata, {Dugme::Tamam}, Dugme::Tamam);
        return false;
    }
    return true;
}

bool Izgara::eventFilter(QObject *o, QEvent *e)
{
    if (o == kose_ && e->type() == QEvent::Paint) {
        QPainter p(kose_);
        p.fillRect(kose_->rect(), stil_.baslik);
        if (stil_.kolonSecici) {
            // Three short bars: the columns.
            const QRect r = kose_->rect();
            const int x = r.center().x() - 4, y = r.center().y() - 4;
            for (int i = 0; i < 3; ++i)
                p.fillRect(QRect(x + i * 3, y, 2, 9), stil_.baslikYazi);
        }
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void Izgara::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (aramaEtiketi_->isVisible())
        aramaEtiketi_->move(6, tablo_->viewport()->height() - aramaEtiketi_->height() - 6);
    emit boyutDegisti();
}

}  // namespace kt
