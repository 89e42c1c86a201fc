#include "gui/app/ui_observer.h"

#include <QMetaObject>

namespace voltaro {

CObserverProxyUI::CObserverProxyUI(QObject* parent) : QObject(parent) {}

CObserverProxyUI::~CObserverProxyUI() {
    // Stop receiving before the QObject part goes (which drops what is still queued).
    DetachAll();
}

void CObserverProxyUI::Update(CObservable* source) {
    QMetaObject::invokeMethod(
        this, [this, source] { Deliver(source); }, Qt::QueuedConnection);
}

void CObserverProxyUI::Deliver(CObservable* source) {
    NotifyObservers(source);
}

CObserverDialog::CObserverDialog(QWidget* parent) : QDialog(parent) {}

CObserverDialog::~CObserverDialog() {
    DetachAll();
}

void CObserverDialog::Update(CObservable* source) {
    QMetaObject::invokeMethod(
        this, [this, source] { OnObservableUpdate(source); }, Qt::QueuedConnection);
}

}  // namespace voltaro
