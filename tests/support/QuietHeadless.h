#pragma once

// Installs a Qt message handler that drops the warning the headless platform prints at every
// window's show, since it cannot bring a window to the front; every other message goes on to the
// handler that was installed before.
void QuietHeadlessMessages();
