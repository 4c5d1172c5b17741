#pragma once

#include "Component.h"
#include "ErrorRecorder.h"
#include "RandomScript.h"
#include "WorkDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The sample base of the trainer's tests: two records for every level L, variants 'a' and 'b',
// 30 records in all. The question texts hold Windows-1251 bytes.
std::string QuestionText(int L, char Variant);
std::string RightText(int L, char Variant);
// Level1 (five texts: question, right answer, three wrong ones) replaces both records of level 1.
std::string SampleBase(const std::vector<std::string>& Level1 = {});

// Scripted random values: a draw that gives every level its record of Variant.
std::vector<double> DrawOf(char Variant);

// A fresh working folder holding the sample base, with error boxes recorded. Start creates the
// trainer's window as its main block does; every test ends with its forms destroyed.
class TrainerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Start(const std::vector<double>& Script);

    // The font colours of the rungs of levels 1 to 15, and those of a ladder that is red from
    // level 1 up to level Top and sky blue above.
    static std::vector<TColor> Ladder();
    static std::vector<TColor> RedUpTo(int Top);

    TempWorkDir WorkDir;
    ErrorRecorder Errors;
};
