#pragma once

#include <functional>

// Runs Step once the event loop is running (on its next pass), for tests that start the real
// event loop and need something to happen inside it.
void RunWhenLoopRuns(std::function<void()> Step);
