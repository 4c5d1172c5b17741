#pragma once

#include "Component.h"

class QObject;
class QTimer;

// Ticks on the user-interface thread every Interval milliseconds while enabled (1000 unless
// the layout sets another interval). Enabling an enabled timer changes nothing: no restart,
// same phase. Intervals that pass while the thread is busy merge into one tick.
class TTimer : public TComponent {
public:
    ~TTimer() override;

    bool Enabled() const;
    void SetEnabled(bool Value);
    int Interval() const;

    // Delivers one tick as the event loop would: runs OnTimer when the timer is enabled.
    // Tests drive timers with it, tick by tick.
    void Tick();

    TNotifyEvent OnTimer;

private:
    friend class TLayoutReader;
    TTimer(std::string Name, QObject* Owner, bool Enabled, int Interval);

    QTimer* Clock = nullptr; // a child of the form's window, named as the timer
    bool TimerEnabled = false;
    int TimerInterval = 1000;
};
