#include "Timer.h"

#include "Handlers.h"

#include <QTimer>

#include <utility>

TTimer::TTimer(std::string Name, QObject* Owner, bool Enabled, int Interval)
    : TComponent(std::move(Name))
    , Clock(new QTimer(Owner))
    , TimerInterval(Interval)
{
    Clock->setObjectName(QString::fromStdString(TComponent::Name()));
    Clock->setInterval(Interval);
    QObject::connect(Clock, &QTimer::timeout, Clock, [this] { Tick(); });
    SetEnabled(Enabled);
}

TTimer::~TTimer()
{
    delete Clock;
}

bool TTimer::Enabled() const
{
    return TimerEnabled;
}

void TTimer::SetEnabled(bool Value)
{
    if (Value == TimerEnabled)
        return;
    TimerEnabled = Value;
    // An interval of 0 never ticks.
    if (TimerEnabled && TimerInterval > 0)
        Clock->start();
    else
        Clock->stop();
}

int TTimer::Interval() const
{
    return TimerInterval;
}

void TTimer::Tick()
{
    if (TimerEnabled)
        CallHandler(OnTimer, this);
}
