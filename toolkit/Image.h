#pragma once

#include "Control.h"

// A picture stretched over its control; a client-aligned one fills the visible client area.
class TImage : public TControl { };
