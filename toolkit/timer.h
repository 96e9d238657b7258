#pragma once
// A repeating timer whose ticks run on the GUI thread; an error escaping a
// tick goes to the application's exception report and the timer goes on.

#include <memory>
#include <stdexcept>

#include "toolkit/component.h"
#include "toolkit/events.h"

class QTimer;

// The platform could not give a timer.
class EOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    String ClassName() const override { return "TTimer"; }

    // Starts (or restarts, for a full period) ticking every `interval` ms.
    // Throws EOutOfResources when the platform refuses.
    void Start(int interval);
    void Stop();
    bool Active() const;
    int Interval() const { return FInterval; }

    TNotifyEvent OnTimer;
    // Runs one tick now, exactly as the timer does; for callers that drive time themselves.
    void Tick();

private:
    std::unique_ptr<QTimer> FTimer;
    int FInterval = 0;
};
