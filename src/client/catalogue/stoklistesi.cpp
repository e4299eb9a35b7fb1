// The stock list tab; see stoklistesi.h.
#include "stoklistesi.h"

#include "anapencere.h"
#include "aramafiltresi.h"
#include "baglanti.h"
#include "baglantiu.h"
#include "beklesinu.h"
#include "izgara.h"
#include "kullanicitipi.h"
#include "mesajgoster.h"
#include "proxim.h"
#include "satirgirisi.h"
#include "simgeler.h"
#include "stokdizilimi.h"
#include "tanitimlistesi.h"
#include "utils.h"
#include "veriseti.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTableView>
#include <QVBoxLayout>

namespace katalog {

namespace {

const QString kBaslik = QStringLiteral("Stok Listesi");

void fiyatBilgisiCiz(const kt::IzgaraHucresi &h)
{
    QPainter &p = *h.painter;
    p.fillRect(h.rect, h.arkaPlan);
    const QString metin = FiyatBilgisiMetni(h.deger(QStringLiteral("LISTEFIYAT1")).toDouble(),
                                            h.deger(QStringLiteral("KAMPFIYAT")).toDouble(),
                                            h.deger(QStringLiteral("NETFIYAT")).toDouble(),
                                            h.deger(QStringLiteral("KDVDAHIL")).toDouble());
    p.save();
    p.setFont(h.font);
    p.setPen(h.yazi);
    // Qt breaks lines on "\n"; the CR of each CR LF ending is not drawn.
    QString satirlar = metin;
    satirlar.remove(QLatin1Char('\r'));
    if (satirlar.endsWith(QLatin1Char('\n')))
        satirlar.chop(1);
    p.drawText(h.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter, satirlar);
    p.restore();
}

}  // namespace

QString stokBasligi(int adet) { return QString::number(adet) + QStringLiteral("=") + kBaslik; }

QVector<kt::IzgaraKolonu> stokKolonlari(int musteriTipi)
{
    using K = kt::IzgaraKolonu;
    QVector<K> k = {
        K("DURUM", "Depo1", 1).Durum(kt::durumSimgeHaritasi(), kt::durumAciklamalari()),
        K("DEPOIKIDURUM", "Depo2", 1).Durum(kt::durumSimgeHaritasi(true), kt::durumAciklamalari(true)).Gizli(),
        K("OEM1", "Oem1", 2).Gizli().Ozet(kt::OzetTuru::Sayi),
        K("OEM2", "Oem2", 2).Gizli(),
        K("OEM3", "Oem3", 2).Gizli(),
        K("BARKOD", "Barkod", 2),
        K("ADI", "Açıklama", 3),
        K("OEM4", "Oem4", 2).Gizli(),
        K("STOK_STOKNO", {}, 1).Gizli().SecicideYok().Odaksiz(),
        K("FINISHKOD", "Finish Kod", 2).Gizli(),
        K("URETICIKODU", "Üretici Kod", 2).Gizli(),
        K("RESIM", "Resim", 1).ResimIsareti(),
        K("BARKOD_BARKODNO", {}, 1).Gizli().SecicideYok(),
        K("DIGERADI", "Diğer Adı", 3).Gizli(),
        K("DPKOD", {}, 2).Gizli().SecicideYok(),
        K("OEMNO", "Oem No", 2).Gizli(),
        K("BIRIM", "Birim", 1).Gizli(),
        K("MARKA", "Marka", 2),
        K("MODEL", "Model", 2),
        K("ANAGRUP", "Ana Grup", 2).Gizli(),
        K("OZELKOD", "Özel Kod", 2),
        K("KALAN", {}, 1).Gizli().SecicideYok(),
        K("PKOD", " ", 1).Gizli().SecicideYok(),
        K("KDV", {}, 1).Gizli(),
        K("ALINANSIPARIS", {}, 1).Gizli().SecicideYok(),
        K("VERILENSIPARIS", {}, 1).Gizli().SecicideYok(),
        K("LISTEFIYAT1", "Liste Fiyatı", 2),
        K("KAMPFIYAT", "Kampanyalı Fiyat", 2),
        K("FIYAT", "Liste Fiyatı", 2).Gizli(),
        K("Y", "Yeni", 1).EvetHayir(0),
        K("K", "Kampanyalı", 1).EvetHayir(),
        K("INDIRIMYAZI", "İndirim Oran", 2).Ortala(),
        K("NETFIYAT", "Net Fiyatı", 2),
        K("KDVDAHIL", "KDV Dahil Fiyat", 3).Gizli().SecicideYok(),
        K({}, "Fiyat Bilgisi", 2).Gizli().Sahibi(fiyatBilgisiCiz),
    };
    KolonlariUyarla(k, KullaniciListesi::StokListesi, musteriTipi);
    return k;
}

bool StokListesiGetir(TBaglanti &kopya, const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi, kt::VeriSeti &stok)
{
    if (!BaglantiAc(kopya, 0))
        return true;
    stok.DisableControls();
    try {
        TServerMethods1Client proxy(&kopya);
        stok.VeriPaketiYukle(proxy.StokAraGetirTarvel(kod, std::move(bilgi)));
        FormatAyarla(stok);
        stok.EnableControls();
    } catch (const std::exception &) {
        stok.EnableControls();
        kopya.Close();
        return true;
    }
    kopya.Close();
    return false;
}

TStokListesi::TStokListesi(IAnaPencere &ana, TSatirGirisi &giris, QWidget *sekme)
    : QWidget(sekme), ana_(ana), giris_(giris), sekme_(sekme ? sekme : this), stok_(new kt::VeriSeti(this)),
      cxGrid1_(new kt::Izgara(this))
{
    sayfayiYerlestir(sekme, this);
    stok_->setObjectName(QStringLiteral("stok"));
    cxGrid1_->setObjectName(QStringLiteral("cxGrid1"));
    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(cxGrid1_);

    const int tip = ana_.sbilgi().MusteriTipi();
    const QVector<kt::IzgaraKolonu> kolonlar = stokKolonlari(tip);
    // Columns the user type hides stay hidden whatever the layout shows.
    for (const KolonKurali &r : KolonKurallari(tip))
        if (r.liste == KullaniciListesi::StokListesi && !r.gorunur)
            tipGizli_ << r.alan;
    cxGrid1_->KolonlariKur(kolonlar);
    cxGrid1_->Bagla(stok_);

    popstok_ = new QMenu(this);
    popstok_->setObjectName(QStringLiteral("popstok"));
    QAction *s2 = popstok_->addAction(QStringLiteral("Sepete Ekle"));
    popstok_->addSeparator();
    popstok_->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    popstok_->addSeparator();
    QAction *s3 = popstok_->addAction(QStringLiteral("Siparişleri Göster"));
    popstok_->addSeparator();
    QAction *hareket = popstok_->addAction(QStringLiteral("Stok Hareketleri"));
    connect(s2, &QAction::triggered, this, &TStokListesi::cxGrid1DBTableView1DblClick);
    connect(s3, &QAction::triggered, this, [this] {
        if (const int n = odakStokNo(); n >= 0)
            emit siparisleriGoster(n);
    });
    connect(hareket, &QAction::triggered, this, [this] {
        if (const int n = odakStokNo(); n >= 0)
            emit stokHareketleri(n);
    });
    cxGrid1_->Tablo()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cxGrid1_->Tablo(), &QWidget::customContextMenuRequested, this, &TStokListesi::popstokAc);

    connect(cxGrid1_, &kt::Izgara::satirCiftTiklandi, this, [this] { cxGrid1DBTableView1DblClick(); });
    connect(cxGrid1_, &kt::Izgara::boyutDegisti, this, [this] {
        if (!Ariyor())
            StokKolonAyarla();
    });

    filtre_ = new AramaKutusuFiltresi(ana_.araedit(), [this] { aramaBaslat(); }, this);
    if (QAbstractButton *b = ana_.araButonu())
        connect(b, &QAbstractButton::clicked, this, &TStokListesi::SpeedButton2Click);
    if (QAbstractButton *b = ana_.temizleButonu())
        connect(b, &QAbstractButton::clicked, this, &TStokListesi::SpeedButton1Click);
}

TStokListesi::~TStokListesi()
{
    isciler_.Bekle();   // the search worker writes into stok_
}

bool TStokListesi::Ariyor() const { return !ana_.araedit()->isEnabled(); }

int TStokListesi::odakStokNo() const
{
    if (!cxGrid1_->OdakVar())
        return -1;
    return cxGrid1_->OdakDegeri(QStringLiteral("STOK_STOKNO")).toInt();
}

void TStokListesi::popstokAc(const QPoint &pos)
{
    if (Ariyor())
        return;
    const QModelIndex i = cxGrid1_->Tablo()->indexAt(pos);
    if (i.isValid())
        cxGrid1_->Tablo()->setCurrentIndex(i);
    popstok_->popup(cxGrid1_->Tablo()->viewport()->mapToGlobal(pos));
}

void TStokListesi::SpeedButton2Click()
{
    if (!Ariyor())
        aramaBaslat();
}

void TStokListesi::aramaBaslat()
{
    QLineEdit *araedit = ana_.araedit();
    if (!araedit->isEnabled())
        return;
    if (!ana_.aktifSekme(sekme_))
        ana_.sekmeyeGec(sekme_);
    araedit->setEnabled(false);
    ana_.yukleniyorGoster("gifstokara", true);
    cxGrid1_->Ayir();
    cxGrid1_->BeginUpdate();
    cxGrid1_->FiltreyiTemizle();

    // What the worker needs is taken here, on the thread that owns it.
    std::shared_ptr<TBaglanti> kopya(ana_.bagc().CloneConnection().release());
    std::shared_ptr<TSonucBilgisi> bilgi(ana_.sbilgi().Kopya().release());
    const QString kod = araedit->text();
    auto hata = std::make_shared<bool>(true);
    kt::VeriSeti *stok = stok_;
    AsyncBaslat(isciler_.Sar([kopya, bilgi, kod, hata, stok] {
        *hata = StokListesiGetir(*kopya, kod, std::make_unique<TSonucBilgisi>(*bilgi), *stok);
    }))->Await(this, [this, hata] {
        QLineEdit *araedit = ana_.araedit();
        araedit->setEnabled(true);
        cxGrid1_->Bagla(stok_);
        cxGrid1_->EndUpdate();
        ana_.sekmeBasligiYaz(sekme_, stokBasligi(stok_->Active() ? stok_->RecordCount() : 0));
        araedit->selectAll();
        araedit->setFocus();
        ana_.yukleniyorGoster("gifstokara", false);
        if (*hata) {
            if (stok_->Active())
                stok_->EmptyDataSet();
            kt::MesajGoster(BaglantiHatasiMetni(), kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
            ana_.sekmeBasligiYaz(sekme_, kBaslik);
        }
        StokKolonAyarla();
        emit aramaBitti(*hata);
    });
}

void TStokListesi::SpeedButton1Click()
{
    if (Ariyor())
        return;
    Temizle();
    ana_.sekmeyeGec(sekme_);
    cxGrid1_->FiltreyiTemizle();
    QLineEdit *araedit = ana_.araedit();
    araedit->clear();
    araedit->selectAll();
    araedit->setFocus();
}

void TStokListesi::Temizle()
{
    if (Ariyor())
        return;
    if (stok_->Active()) {
        stok_->EmptyDataSet();
        ana_.sekmeBasligiYaz(sekme_, kBaslik);
    }
}

void TStokListesi::StokKolonAyarla()
{
    QWidget *pencere = ana_.pencere();
    const bool dar = darDuzen(pencere ? pencere->width() : width());
    const int fiyatBilgisi = cxGrid1_->BaslikKolonNo(QStringLiteral("Fiyat Bilgisi"));
    cxGrid1_->BeginUpdate();
    if (dar) {
        for (const char *a : {"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"})
            cxGrid1_->KolonGorunur(QLatin1String(a), false);
        cxGrid1_->KolonGorunur(fiyatBilgisi, true);
        cxGrid1_->SatirYuksekligi(100);
    } else {
        for (const char *a : {"NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"})
            if (!tipGizli_.contains(QLatin1String(a)))
                cxGrid1_->KolonGorunur(QLatin1String(a), true);
        cxGrid1_->KolonGorunur(fiyatBilgisi, false);
        cxGrid1_->SatirYuksekligi(60);
    }
    cxGrid1_->AgirlikliSigdir(cxGrid1_->width());
    if (dar) {
        for (const char *a : {"OEM1", "OEM2", "OEM3"})
            cxGrid1_->KolonGenisligi(cxGrid1_->KolonNo(QLatin1String(a)), 80);
        cxGrid1_->KolonGenisligi(fiyatBilgisi, 150);
        cxGrid1_->SatirYuksekligi(100);
    }
    cxGrid1_->EndUpdate();
}

void TStokListesi::cxGrid1DBTableView1DblClick()
{
    if (Ariyor())
        return;
    const int stokno = odakStokNo();
    if (stokno < 0)
        return;
    giris_.ListedenAc(Akis::Stok, *stok_, stokno);
}

}  // namespace katalog
