#include "Handlers.h"

#include "Application.h"

#include <exception>

void CallHandler(const TNotifyEvent& Handler, TObject* Sender)
{
    if (!Handler)
        return;
    // A copy, so that a handler may rebind its own event while it runs.
    TNotifyEvent Running = Handler;
    try {
        Running(Sender);
    } catch (const std::exception& E) {
        Application->ShowException(E);
    }
}
