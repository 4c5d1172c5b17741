#pragma once

#include "Component.h"

// Runs an event handler, if one is bound, for the toolkit: an exception that leaves it is
// reported by the application's error box and goes no further.
void CallHandler(const TNotifyEvent& Handler, TObject* Sender);
