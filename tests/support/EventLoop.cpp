#include "EventLoop.h"

#include <QTimer>

void RunWhenLoopRuns(std::function<void()> Step)
{
    QTimer::singleShot(0, std::move(Step));
}
