#pragma once

#include "Control.h"

// A lowered box drawn around other components.
class TBevel : public TControl { };
