// The hop from a worker thread to the UI thread, and what happens when the receiver is gone.
#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <array>
#include <memory>
#include <thread>

#include "gui/app/ui_observer.h"
#include "recording_observer.h"

namespace voltaro {
namespace {

struct Delivery {
    CObservable* source;
    QThread* thread;
};

class RecordingDialog : public CObserverDialog {
  public:
    explicit RecordingDialog(std::vector<Delivery>& log) : log_(log) {}

  protected:
    void OnObservableUpdate(CObservable* source) override {
        log_.push_back({source, QThread::currentThread()});
    }

  private:
    std::vector<Delivery>& log_;
};

// Runs the event loop until count deliveries arrived or a generous limit passed.
void ProcessUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

TEST(ObserverDialog, WorkerNotificationsArriveOnTheUiThreadInOrder) {
    std::vector<Delivery> log;
    RecordingDialog dialog(log);
    CObservable worker;
    std::array<CObservable, 20> sources;
    Attach(worker, dialog);

    std::thread thread([&] {
        for (CObservable& source : sources) {
            worker.NotifyObservers(&source);
        }
    });
    thread.join();
    EXPECT_TRUE(log.empty());  // nothing runs on the worker thread

    ProcessUntil([&] { return log.size() >= sources.size(); });
    ASSERT_EQ(log.size(), sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) {
        EXPECT_EQ(log[i].source, &sources[i]);
        EXPECT_EQ(log[i].thread, QApplication::instance()->thread());
    }
}

TEST(ObserverDialog, NotificationForADeletedDialogIsDropped) {
    std::vector<Delivery> log;
    CObservable worker;
    auto dialog = std::make_unique<RecordingDialog>(log);
    Attach(worker, *dialog);
    std::thread([&] { worker.NotifyObservers(); }).join();
    dialog.reset();
    EXPECT_EQ(worker.ObserverCount(), 0u);

    QApplication::processEvents();
    QApplication::sendPostedEvents();
    EXPECT_TRUE(log.empty());
}

TEST(ObserverProxy, ForwardsToItsObserversOnTheUiThread) {
    CObserverProxyUI proxy;
    test::RecordingObserver widget;
    Attach(proxy, widget);
    CObservable worker;
    Attach(worker, proxy);

    QThread* seenThread = nullptr;
    struct ThreadProbe : CObserver {
        QThread** seen;
        void Update(CObservable*) override { *seen = QThread::currentThread(); }
    } probe;
    probe.seen = &seenThread;
    Attach(proxy, probe);

    std::thread([&] { worker.NotifyObservers(); }).join();
    proxy.Update(nullptr);  // a null source stands for the proxy itself
    ProcessUntil([&] { return widget.sources.size() >= 2; });
    ASSERT_EQ(widget.sources.size(), 2u);
    EXPECT_EQ(widget.sources[0], &worker);
    EXPECT_EQ(widget.sources[1], static_cast<CObservable*>(&proxy));
    EXPECT_EQ(seenThread, QApplication::instance()->thread());
}

TEST(ObserverProxy, NotificationForADeletedProxyIsDropped) {
    test::RecordingObserver widget;
    CObservable worker;
    {
        CObserverProxyUI proxy;
        Attach(proxy, widget);
        Attach(worker, proxy);
        std::thread([&] { worker.NotifyObservers(); }).join();
    }
    EXPECT_EQ(worker.ObserverCount(), 0u);
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    EXPECT_TRUE(widget.sources.empty());
}

}  // namespace
}  // namespace voltaro
