// Saves a PNG of the trainer's window, at start-up and after two answers, into the folder named
// on the command line.
#include "Screenshots.h"

#include "Label.h"
#include "MainBlock.h"
#include "SpeedButton.h"
#include "Unit1.h"

#include <utility>

namespace {

// Clicks the button beside the first answer that is right (or, if not Right, wrong).
void Answer(bool Right)
{
    const std::pair<TSpeedButton*, TLabel*> Answers[]
        = {{Form1->SpeedButton1, Form1->Label6}, {Form1->SpeedButton2, Form1->Label9},
            {Form1->SpeedButton3, Form1->Label10}, {Form1->SpeedButton4, Form1->Label11}};
    for (const auto& [Button, Text] : Answers)
        if ((Text->Caption() == Form1->RightAnswer) == Right) {
            Button->Click();
            return;
        }
}

} // namespace

int main(int argc, char** argv)
{
    const ScreenshotSession Session(argc, argv);
    CreateForms();
    Session.Shoot(*Form1, "trainer-Form1");

    // Two log lines, one rung marked, and the clock three ticks on.
    Answer(true);
    Answer(false);
    for (int Tick = 0; Tick < 3; ++Tick)
        Form1->Timer1Timer(nullptr);
    Session.Shoot(*Form1, "trainer-Form1-answers");
}
