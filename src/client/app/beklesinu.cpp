// Background tasks; see beklesinu.h.
#include "beklesinu.h"

#include "mesajgoster.h"
#include "uzakhata.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <thread>

namespace {

std::atomic<int> calisan{0};

void devamEttir(const std::shared_ptr<TAwait> &gorev, const std::function<void()> &async,
                std::function<void()> proc, QObject *alici, QPointer<QObject> baglam, bool baglamli)
{
    std::thread([gorev, async, proc = std::move(proc), alici, baglam, baglamli]() {
        std::exception_ptr hata;
        try {
            async();
        } catch (...) {
            hata = std::current_exception();
        }
        // Queued to the receiver's thread; its event loop (or a modal
        // dialog's) runs it.
        QMetaObject::invokeMethod(
            alici,
            [gorev, proc, alici, baglam, baglamli, hata]() {
                if (!baglamli || baglam) {
                    try {
                        if (proc)
                            proc();
                    } catch (...) {
                        UygulamaHatasiGoster(std::current_exception());
                    }
                    if (hata)
                        UygulamaHatasiGoster(hata);
                }
                alici->deleteLater();
                --calisan;
            },
            Qt::QueuedConnection);
    }).detach();
}

}  // namespace

void TAwait::Await(std::function<void()> proc)
{
    ++calisan;
    // A receiver that lives on the calling thread carries the continuation.
    devamEttir(shared_from_this(), FAsync, std::move(proc), new QObject, nullptr, false);
}

void TAwait::Await(QObject *baglam, std::function<void()> proc)
{
    ++calisan;
    devamEttir(shared_from_this(), FAsync, std::move(proc), new QObject, baglam, true);
}

std::function<void()> TIsciSayaci::Sar(std::function<void()> is)
{
    ++*n_;
    return [n = n_, is = std::move(is)]() {
        struct Bitince {
            std::atomic<int> &n;
            ~Bitince() { --n; }
        } bitince{*n};
        is();
    };
}

void TIsciSayaci::Bekle() const
{
    while (n_->load() > 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

std::shared_ptr<IAwait> AsyncBaslat(std::function<void()> async)
{
    return std::make_shared<TAwait>(std::move(async));
}

void ArayuzdeCalistir(const std::function<void()> &adim)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        adim();
        return;
    }
    std::exception_ptr hata;
    QMetaObject::invokeMethod(
        app,
        [&]() {
            try {
                adim();
            } catch (...) {
                hata = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (hata)
        std::rethrow_exception(hata);
}

QString HataMetni(std::exception_ptr hata)
{
    try {
        std::rethrow_exception(hata);
    } catch (const EUzakHata &e) {
        return e.mesaj();
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
    }
    return QStringLiteral("Beklenmeyen bir hata oluştu.");
}

void UygulamaHatasiGoster(std::exception_ptr hata)
{
    if (!hata)
        return;
    kt::MesajGoster(HataMetni(hata), kt::MesajTipi::Hata, {kt::Dugme::Tamam}, kt::Dugme::Tamam);
}

int CalisanGorevSayisi() { return calisan.load(); }
