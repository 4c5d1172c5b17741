#pragma once

#include "Levels.h"
#include "QuestionBase.h"

#include <array>
#include <cstddef>

class TLabel;
class TSpeedButton;

// Both programs' main windows (each a TForm1) hold the level ladder and the answer buttons under
// the same names; these find them by number, for the windows and their tests alike.

// The rung of the ladder that shows level L: Label15 .. Label28 for levels 1 to 14, Label1 for
// level 15. Throws std::out_of_range for any other L.
template <class TMainForm> TLabel* RungOf(const TMainForm& Form, int L)
{
    static constexpr std::array Rungs{&TMainForm::Label15, &TMainForm::Label16, &TMainForm::Label17,
        &TMainForm::Label18, &TMainForm::Label19, &TMainForm::Label20, &TMainForm::Label21,
        &TMainForm::Label22, &TMainForm::Label23, &TMainForm::Label24, &TMainForm::Label25,
        &TMainForm::Label26, &TMainForm::Label27, &TMainForm::Label28, &TMainForm::Label1};
    static_assert(Rungs.size() == LevelCount);
    return Form.*Rungs.at(static_cast<std::size_t>(L - 1));
}

// The answer button beside answer Index, SpeedButton1 .. SpeedButton4 from the top. Throws
// std::out_of_range for any other Index.
template <class TMainForm> TSpeedButton* AnswerButtonOf(const TMainForm& Form, int Index)
{
    static constexpr std::array Buttons{&TMainForm::SpeedButton1, &TMainForm::SpeedButton2,
        &TMainForm::SpeedButton3, &TMainForm::SpeedButton4};
    static_assert(Buttons.size() == AnswerCount);
    return Form.*Buttons.at(static_cast<std::size_t>(Index - 1));
}
