// The way every tab page loads its grid from the server when it is shown:
//
//   UI thread:  loading picture on, grid disabled and detached, update begun;
//   worker:     BaglantiAc on a private copy of the main connection (no final
//               message), then the page's loader fills the dataset;
//   UI thread:  the dataset's views are told, display formats when asked,
//               grid attached again and enabled, the page's touch-ups,
//               picture off, and "Bağlantı Kurulamıyor Lütfen Tekrar
//               Deneyin ...!" once when the load failed.
//
// A show while the same tab's load still runs is ignored, so two loads never
// fill one dataset. Usage in a page:
//
//   yukleyici_ = new TSekmeYukleyici(ana, {"gifsepet", izgara, sepet, true}, this);
//   connect(sayfa, ..., [this] {            // the tab's show
//       yukleyici_->Yukle(
//           [this](TBaglanti &bag) {         // worker; bag is open
//               TServerMethods1Client p(&bag);
//               sepet->VeriPaketiYukle(p.SepetVer2(carino));
//               return false;                // true: failed
//           },
//           [this](bool hata) { if (!hata) SepetToplamHesapla(); });
//   });
//
// An EUzakHata of the loader counts as a failure; any other exception ends
// the task and is shown after the continuation (TAwait).
#pragma once

#include <QObject>
#include <QPointer>
#include "beklesinu.h"

#include <functional>

class IAnaPencere;
class TBaglanti;
namespace kt {
class Izgara;
class VeriSeti;
}

class TSekmeYukleyici : public QObject {
    Q_OBJECT
public:
    struct Ayar {
        const char *resim = nullptr;   // loading picture of the search bar ("gifsepet" …)
        kt::Izgara *izgara = nullptr;
        kt::VeriSeti *veri = nullptr;
        bool formatAyarla = false;     // FormatAyarla on the dataset after the load
    };
    using Yukleyici = std::function<bool(TBaglanti &acikBaglanti)>;
    using Bitis = std::function<void(bool hata)>;

    TSekmeYukleyici(IAnaPencere *ana, const Ayar &ayar, QObject *parent = nullptr);
    // Waits for a worker that still fills the page's dataset. A page calls
    // it in its destructor: its dataset, a child created before this loader,
    // would otherwise be freed first.
    void Bekle() const { isciler_.Bekle(); }

    // False when a load of this tab is still running (the show is ignored).
    bool Yukle(Yukleyici yukleyici, Bitis bitis = {});
    bool Yukleniyor() const { return yukleniyor_; }

signals:
    void yuklendi(bool hata);   // after the continuation

private:
    IAnaPencere *ana_;
    Ayar ayar_;
    QPointer<kt::Izgara> izgara_;
    bool yukleniyor_ = false;
    TIsciSayaci isciler_;
};
