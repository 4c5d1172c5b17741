// Saves a PNG of each of the game's windows, as a player meets them, into the folder named on
// the command line.
#include "Screenshots.h"

#include "Application.h"
#include "Button.h"
#include "Label.h"
#include "MainBlock.h"
#include "MainMenu.h"
#include "SpeedButton.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"

#include <utility>

int main(int argc, char** argv)
{
    const ScreenshotSession Session(argc, argv);
    CreateForms();
    Session.Shoot(*Form1, "game-Form1");

    // "75%": the hint window names an answer.
    Form1->Button5->Click();
    Session.Shoot(*Form4, "game-Form4");
    Form4->Close();

    // "100%" passes level 1, marks its rung and shows the right-answer window; then "50/50"
    // greys two answer buttons, and the hint line is caught in the dark phase of its blink.
    Form1->Button7->Click();
    Session.Shoot(*Form7, "game-Form7");
    Form7->Close();
    Form1->Button8->Click();
    Form1->Label6->SetEnabled(false);
    Session.Shoot(*Form1, "game-Form1-hints");

    Form1->N3->Click();
    Session.Shoot(*Form6, "game-Form6");
    Form6->Close();

    // A wrong answer shows the lose window under the right-answer window.
    const std::pair<TSpeedButton*, TLabel*> Answers[]
        = {{Form1->SpeedButton1, Form1->Label9}, {Form1->SpeedButton2, Form1->Label10},
            {Form1->SpeedButton3, Form1->Label11}, {Form1->SpeedButton4, Form1->Label12}};
    for (const auto& [Button, Text] : Answers)
        if (Button->Enabled() && Text->Caption() != Form1->RightAnswer) {
            Button->Click();
            break;
        }
    Session.Shoot(*Form2, "game-Form2");
    Form2->Close();
    Form7->Close();

    Form3->Show();
    Session.Shoot(*Form3, "game-Form3");
    Application->DestroyForms();
}
