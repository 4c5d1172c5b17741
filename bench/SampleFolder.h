#pragma once

#include "WorkDir.h"

// A fresh working folder holding copies of the sample question base and statistics, for the
// life of the object, with every error box written to stderr instead of shown.
class SampleFolder {
public:
    SampleFolder();

private:
    TempWorkDir WorkDir;
};
