#pragma once
// Observers that carry a worker's notification over to the UI thread. Update may run on any
// thread; it only posts a queued call bound to the receiving QObject, and Qt drops calls
// still queued for an object when that object is destroyed, so a window that is gone never
// sees a late notification. Notifications arrive in the order they were posted. The source
// pointer is passed on as it was given: handlers compare it, and read the worker's latest
// state rather than state from the time of posting.
#include <QDialog>
#include <QObject>

#include "core/work/observer.h"

namespace voltaro {

// A hidden object that observes workers and, on the UI thread, notifies its own
// observers (widgets that are not dialogs) with the same source.
class CObserverProxyUI : public QObject, public CObserver, public CObservable {
    Q_OBJECT
  public:
    explicit CObserverProxyUI(QObject* parent = nullptr);
    ~CObserverProxyUI() override;

    void Update(CObservable* source) override;

  private:
    void Deliver(CObservable* source);
};

// A dialog that observes workers; OnObservableUpdate runs on the UI thread while the
// dialog exists.
class CObserverDialog : public QDialog, public CObserver {
    Q_OBJECT
  public:
    explicit CObserverDialog(QWidget* parent = nullptr);
    ~CObserverDialog() override;

    void Update(CObservable* source) override;

  protected:
    virtual void OnObservableUpdate(CObservable* source) = 0;
};

}  // namespace voltaro
