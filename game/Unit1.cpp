#include "Unit1.h"

#include "Bevel.h"
#include "Button.h"
#include "Image.h"
#include "Label.h"
#include "MainFormParts.h"
#include "MainMenu.h"
#include "Random.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Timer.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"

TForm1* Form1 = nullptr;

namespace {

// The countdown of a question starts at this many seconds; once it falls below BlinkBelow, the
// hint line blinks.
constexpr int CountdownSeconds = 60;
constexpr int BlinkBelow = 50;

} // namespace

TForm1::TForm1()
    : TForm("game/Unit1")
{
    Publish("Image1", Image1);
    Publish("Bevel4", Bevel4);
    Publish("Label15", Label15);
    Publish("Label16", Label16);
    Publish("Label17", Label17);
    Publish("Label18", Label18);
    Publish("Label19", Label19);
    Publish("Label20", Label20);
    Publish("Label21", Label21);
    Publish("Label22", Label22);
    Publish("Label23", Label23);
    Publish("Label24", Label24);
    Publish("Label25", Label25);
    Publish("Label26", Label26);
    Publish("Label27", Label27);
    Publish("Label28", Label28);
    Publish("Label29", Label29);
    Publish("Label2", Label2);
    Publish("Label3", Label3);
    Publish("Label4", Label4);
    Publish("Label1", Label1);
    Publish("Label6", Label6);
    Publish("Label7", Label7);
    Publish("Label8", Label8);
    Publish("Label9", Label9);
    Publish("Label10", Label10);
    Publish("Label11", Label11);
    Publish("Label12", Label12);
    Publish("SpeedButton1", SpeedButton1);
    Publish("SpeedButton2", SpeedButton2);
    Publish("SpeedButton3", SpeedButton3);
    Publish("SpeedButton4", SpeedButton4);
    Publish("Button6", Button6);
    Publish("Button7", Button7);
    Publish("Button8", Button8);
    Publish("Button5", Button5);
    Publish("Timer1", Timer1);
    Publish("MainMenu1", MainMenu1);
    Publish("N1", N1);
    Publish("N3", N3);
    Publish("Timer2", Timer2);
    Publish("FormCreate", &TForm1::FormCreate);
    Publish("SpeedButton1Click", &TForm1::SpeedButton1Click);
    Publish("SpeedButton2Click", &TForm1::SpeedButton2Click);
    Publish("SpeedButton3Click", &TForm1::SpeedButton3Click);
    Publish("SpeedButton4Click", &TForm1::SpeedButton4Click);
    Publish("N1Click", &TForm1::N1Click);
    Publish("N3Click", &TForm1::N3Click);
    Publish("Timer1Timer", &TForm1::Timer1Timer);
    Publish("Timer2Timer", &TForm1::Timer2Timer);
    Publish("Button8Click", &TForm1::Button8Click);
    Publish("Button5Click", &TForm1::Button5Click);
    Publish("Button6Click", &TForm1::Button6Click);
    Publish("Button7Click", &TForm1::Button7Click);
    LoadLayout();
}

void TForm1::FormCreate(TObject*)
{
    Randomize();
    Level = 1;
    // No game is in play until a draw has brought questions: while none has, nothing counts down
    // and no click plays.
    GameOver = !QuestionsDrawn;
    ScanLevels(LevelStart);
    LoadQuestions();
    GameOver = false;
    ShowQuestion();
}

void TForm1::LoadQuestions()
{
    DrawQuestions(LevelStart, DrawRange, Questions);
    QuestionsDrawn = true;
}

void TForm1::ShowQuestion()
{
    if (GameOver)
        return;
    const int L = Level;
    Label29->SetCaption(Questions[L][1]);
    DealAnswers(Questions[L], Answers, RightAnswer);
    Label9->SetCaption(Answers[1]);
    Label10->SetCaption(Answers[2]);
    Label11->SetCaption(Answers[3]);
    Label12->SetCaption(Answers[4]);
    Label2->SetCaption(IntToStr(CountdownSeconds));
}

void TForm1::EnableAnswers()
{
    SpeedButton1->SetEnabled(true);
    SpeedButton2->SetEnabled(true);
    SpeedButton3->SetEnabled(true);
    SpeedButton4->SetEnabled(true);
    Timer2->SetEnabled(false);
    Label6->SetEnabled(true);
}

void TForm1::SpeedButton1Click(TObject*)
{
    AnswerClick(1);
}

void TForm1::SpeedButton2Click(TObject*)
{
    AnswerClick(2);
}

void TForm1::SpeedButton3Click(TObject*)
{
    AnswerClick(3);
}

void TForm1::SpeedButton4Click(TObject*)
{
    AnswerClick(4);
}

void TForm1::AnswerClick(int Index)
{
    if (GameOver)
        return;
    EnableAnswers();
    if (RightAnswer == Answers[Index]) {
        NextLevel();
        return;
    }
    // The lose window counts the loss at the Level of this question; the right-answer window
    // comes last, in front of it.
    Form2->Show();
    Form7->Show();
    GameOver = true;
}

void TForm1::NextLevel()
{
    if (GameOver)
        return;
    RungOf(*this, Level)->SetFontColor(clRed);
    ++Level;
    if (Level == LevelAfterLast) {
        // The game is over before the win window counts the win (on line LevelAfterLast): while a
        // report of that count waits in its box, the countdown ticks on and must not lose the
        // game that has just been won.
        GameOver = true;
        Form3->Show();
    } else
        ShowQuestion();
}

void TForm1::N1Click(TObject*)
{
    // While no draw has ever brought questions there is no game to go back to: the game stays
    // over unless this draw succeeds.
    GameOver = !QuestionsDrawn;
    EnableAnswers();
    for (int L = 1; L <= LevelCount; ++L)
        RungOf(*this, L)->SetFontColor(clSkyBlue);
    Repaint();
    Button5->SetEnabled(true);
    Button6->SetEnabled(true);
    Button7->SetEnabled(true);
    Button8->SetEnabled(true);
    Level = 1;
    LoadQuestions();
    GameOver = false;
    ShowQuestion();
}

void TForm1::N3Click(TObject*)
{
    Form6->Show();
}

void TForm1::Timer1Timer(TObject*)
{
    if (GameOver)
        return;
    const int T = StrToInt(Label2->Caption()) - 1;
    if (T < BlinkBelow)
        Timer2->SetEnabled(true);
    if (T < 0) {
        GameOver = true;
        Form2->Show();
    } else
        Label2->SetCaption(IntToStr(T));
}

void TForm1::Timer2Timer(TObject*)
{
    Label6->SetEnabled(!Label6->Enabled());
}

void TForm1::Button8Click(TObject*)
{
    if (GameOver)
        return;
    Button8->SetEnabled(false);
    const TPick Pick = PickWrongAnswer();
    for (int I = 1; I <= AnswerCount; ++I)
        if (I != Pick.Right && I != Pick.Wrong)
            AnswerButtonOf(*this, I)->SetEnabled(false);
}

void TForm1::Button5Click(TObject*)
{
    SeventyFivePercentClick(Button5);
}

void TForm1::Button6Click(TObject*)
{
    SeventyFivePercentClick(Button6);
}

void TForm1::SeventyFivePercentClick(TButton* Pressed)
{
    if (GameOver)
        return;
    EnableAnswers();
    Pressed->SetEnabled(false);
    const TPick Pick = PickWrongAnswer();
    // One more draw after the four keys: below 0.75 names the right answer.
    const int Named = Random() < 0.75 ? Pick.Right : Pick.Wrong;
    Form4->Label2->SetCaption(Answers[Named]);
    Form4->Show();
}

void TForm1::Button7Click(TObject*)
{
    if (GameOver)
        return;
    EnableAnswers();
    Button7->SetEnabled(false);
    RungOf(*this, Level)->SetFontColor(clRed);
    ++Level;
    // RightAnswer still holds the answer of the question just passed.
    Form7->Show();
    if (Level == LevelAfterLast) {
        GameOver = true;
        Form3->Show();
    } else
        ShowQuestion();
}

TForm1::TPick TForm1::PickWrongAnswer() const
{
    TArray<double, 1, AnswerCount> Keys;
    for (int I = 1; I <= AnswerCount; ++I)
        Keys[I] = Random();
    // Every answer equal to the right one gets key 0.0, so the greatest key is a wrong answer's.
    TPick Pick;
    for (int I = 1; I <= AnswerCount; ++I)
        if (Answers[I] == RightAnswer) {
            Keys[I] = 0.0;
            Pick.Right = I;
        }
    for (int J = 2; J <= AnswerCount; ++J)
        if (Keys[J] > Keys[Pick.Wrong])
            Pick.Wrong = J;
    return Pick;
}
