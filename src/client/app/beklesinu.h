// Background tasks with a continuation on the UI thread.
//
//   bool hata = false;   // or a shared state the closures hold
//   AsyncBaslat([=, &...] { /* worker: no widgets here */ })
//       ->Await([=] { /* UI thread, after the worker has returned */ });
//
// One worker thread per task. The continuation is posted to the thread that
// called Await and runs through its event loop, also while a modal dialog
// runs its own loop. When the worker throws, the rest of it is skipped, the
// continuation still runs and the exception's message is shown afterwards
// (UygulamaHatasiGoster). The task keeps itself alive until it has ended;
// the caller keeps no reference.
//
// Only captured state passes from worker to continuation. A worker that must
// change a control hands the step to the UI thread and waits (ArayuzdeCalistir).
#pragma once

#include <QString>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

class QObject;

class IAwait {
public:
    virtual ~IAwait() = default;
    // Starts the background procedure; `proc` runs on the calling thread once
    // it has ended. With a `baglam`, the continuation is dropped when that
    // object is gone by then (a closed dialog).
    virtual void Await(std::function<void()> proc) = 0;
    virtual void Await(QObject *baglam, std::function<void()> proc) = 0;
};

class TAwait : public IAwait, public std::enable_shared_from_this<TAwait> {
public:
    explicit TAwait(std::function<void()> async) : FAsync(std::move(async)) {}
    void Await(std::function<void()> proc) override;
    void Await(QObject *baglam, std::function<void()> proc) override;

private:
    std::function<void()> FAsync;
};

std::shared_ptr<IAwait> AsyncBaslat(std::function<void()> async);

// Counts the running workers of an owner, so that the owner can wait for
// them before it frees what they write (a page's dataset):
//
//   AsyncBaslat(isciler_.Sar([stok] { … fills *stok … }))->Await(…);
//   ~Sayfa() { isciler_.Bekle(); }   // or as a member: its destructor waits
//
// Bekle keeps the UI thread's events flowing, because a worker may hand a
// step to the UI thread and wait for it (BaglantiAc's failure boxes).
class TIsciSayaci {
public:
    TIsciSayaci() = default;
    TIsciSayaci(const TIsciSayaci &) = delete;
    TIsciSayaci &operator=(const TIsciSayaci &) = delete;
    ~TIsciSayaci() { Bekle(); }

    std::function<void()> Sar(std::function<void()> is);
    void Bekle() const;
    bool Calisiyor() const { return n_->load() > 0; }

private:
    std::shared_ptr<std::atomic<int>> n_ = std::make_shared<std::atomic<int>>(0);
};

// Runs `adim` on the UI thread and waits for it; directly when already
// there. An exception of the step is raised again on the calling thread.
void ArayuzdeCalistir(const std::function<void()> &adim);

// The application's error display: the exception's message in an error box
// (any thread). EUzakHata and std::exception give their text.
QString HataMetni(std::exception_ptr hata);
void UygulamaHatasiGoster(std::exception_ptr hata);

// Tasks started and not yet through their continuation (tests wait on it).
int CalisanGorevSayisi();
