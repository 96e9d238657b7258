#include "toolkit/timer.h"

#include <QTimer>

#include "toolkit/exceptions.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner), FTimer(std::make_unique<QTimer>()) {
    FTimer->setTimerType(Qt::CoarseTimer);
    QObject::connect(FTimer.get(), &QTimer::timeout, [this] { Tick(); });
}

TTimer::~TTimer() {
    MarkDestroying();
    FTimer->stop();
}

void TTimer::Start(int interval) {
    FInterval = interval;
    FTimer->start(interval);
    if (!FTimer->isActive()) throw EOutOfResources("Not enough timers available");
}

void TTimer::Stop() { FTimer->stop(); }

bool TTimer::Active() const { return FTimer->isActive(); }

void TTimer::Tick() {
    if (OnTimer) CallSafely([this] { OnTimer(this); });
}
