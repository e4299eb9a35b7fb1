// The tab loading pattern; see sekmeyukleyici.h.
#include "sekmeyukleyici.h"

#include "anapencere.h"
#include "baglanti.h"
#include "beklesinu.h"
#include "izgara.h"
#include "mesajgoster.h"
#include "utils.h"
#include "veriseti.h"

#include <QCoreApplication>
#include <QThread>
#include <memory>

TSekmeYukleyici::TSekmeYukleyici(IAnaPencere *ana, const Ayar &ayar, QObject *parent)
    : QObject(parent), ana_(ana), ayar_(ayar), izgara_(ayar.izgara)
{
}

TSekmeYukleyici::~TSekmeYukleyici()
{
    // The worker may hand a step to the UI thread (BaglantiAc's failure
    // boxes) and wait for it, so keep the events flowing while waiting.
    while (isciCalisiyor_->load()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

bool TSekmeYukleyici::Yukle(Yukleyici yukleyici, Bitis bitis)
{
    if (yukleniyor_)
        return false;
    yukleniyor_ = true;

    if (ayar_.resim)
        ana_->yukleniyorGoster(ayar_.resim, true);
    if (izgara_) {
        izgara_->setEnabled(false);
        izgara_->Ayir();
        izgara_->BeginUpdate();
    }
    kt::VeriSeti *veri = ayar_.veri;
    if (veri)
        veri->DisableControls();

    // The copy is made here, on the thread that owns the main connection;
    // from now on it belongs to the worker.
    std::shared_ptr<TBaglanti> kopya(ana_->bagc().CloneConnection().release());
    auto hata = std::make_shared<bool>(false);

    isciCalisiyor_->store(true);
    AsyncBaslat([kopya, hata, calisiyor = isciCalisiyor_, yukleyici = std::move(yukleyici)]() {
        struct Bitince {
            std::atomic<bool> &b;
            ~Bitince() { b.store(false); }
        } bitince{*calisiyor};
        if (!BaglantiAc(*kopya, 0)) {
            *hata = true;
            return;
        }
        try {
            *hata = yukleyici(*kopya);
        } catch (const EUzakHata &) {
            *hata = true;
        }
        kopya->Close();
    })->Await(this, [this, veri, hata, bitis = std::move(bitis)]() {
        if (veri) {
            veri->EnableControls();
            if (ayar_.formatAyarla)
                FormatAyarla(*veri);
        }
        if (izgara_) {
            izgara_->Bagla(veri);
            izgara_->EndUpdate();
            izgara_->setEnabled(true);
        }
        yukleniyor_ = false;
        if (bitis)
            bitis(*hata);
        if (ayar_.resim)
            ana_->yukleniyorGoster(ayar_.resim, false);
        if (*hata)
            kt::MesajGoster(BaglantiHatasiMetni(), kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
        emit yuklendi(*hata);
    });
    return true;
}
