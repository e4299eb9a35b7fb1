// The tab loading pattern; see sekmeyukleyici.h.
#include "sekmeyukleyici.h"

#include "anapencere.h"
#include "baglanti.h"
#include "beklesinu.h"
#include "izgara.h"
#include "mesajgoster.h"
#include "utils.h"
#include "veriseti.h"

#include <memory>

TSekmeYukleyici::TSekmeYukleyici(IAnaPencere *ana, const Ayar &ayar, QObject *parent)
    : QObject(parent), ana_(ana), ayar_(ayar), izgara_(ayar.izgara)
{
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

    AsyncBaslat(isciler_.Sar([kopya, hata, yukleyici = std::move(yukleyici)]() {
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
    }))->Await(this, [this, veri, hata, bitis = std::move(bitis)]() {
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
