#include "Unit1.h"

#include "CheckBox.h"
#include "CountUp.h"
#include "Image.h"
#include "Label.h"
#include "MainFormParts.h"
#include "Memo.h"
#include "Random.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Timer.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int SecondsPerMinute = 60;
constexpr int MinutesPerHour = 60;

// A clock part as two digits at least: a "0" in front of values below 10.
std::string TwoDigits(int Value)
{
    return (Value < 10 ? "0" : "") + IntToStr(Value);
}

} // namespace

TForm1::TForm1()
    : TForm("trainer/Unit1")
{
    Publish("Image1", Image1);
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
    Publish("Label1", Label1);
    Publish("Label7", Label7);
    Publish("Label8", Label8);
    Publish("Label2", Label2);
    Publish("Label3", Label3);
    Publish("SpeedButton1", SpeedButton1);
    Publish("SpeedButton2", SpeedButton2);
    Publish("SpeedButton3", SpeedButton3);
    Publish("SpeedButton4", SpeedButton4);
    Publish("Label6", Label6);
    Publish("Label9", Label9);
    Publish("Label10", Label10);
    Publish("Label11", Label11);
    Publish("Label4", Label4);
    Publish("Label5", Label5);
    Publish("Memo1", Memo1);
    Publish("CheckBox1", CheckBox1);
    Publish("Timer1", Timer1);
    Publish("FormCreate", &TForm1::FormCreate);
    Publish("SpeedButton1Click", &TForm1::SpeedButton1Click);
    Publish("SpeedButton2Click", &TForm1::SpeedButton2Click);
    Publish("SpeedButton3Click", &TForm1::SpeedButton3Click);
    Publish("SpeedButton4Click", &TForm1::SpeedButton4Click);
    Publish("Timer1Timer", &TForm1::Timer1Timer);
    LoadLayout();
}

void TForm1::FormCreate(TObject*)
{
    Randomize();
    Level = 1;
    Seconds = 0;
    Minutes = 0;
    Hours = 0;
    ScanLevels(LevelStart);
    LoadQuestions();
    ShowQuestion();
}

void TForm1::LoadQuestions()
{
    // Set before the file is opened: a draw that fails after a wrong answer still leaves "+ ".
    Mark = "+ ";
    DrawQuestions(LevelStart, DrawRange, Questions);
    QuestionsDrawn = true;
}

void TForm1::ShowQuestion()
{
    const int L = Level;
    Label29->SetCaption(Questions[L][1]);
    DealAnswers(Questions[L], Answers, RightAnswer);
    Label6->SetCaption(Answers[1]);
    Label9->SetCaption(Answers[2]);
    Label10->SetCaption(Answers[3]);
    Label11->SetCaption(Answers[4]);
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
    // Before any draw has succeeded there is no question to answer: every answer would equal
    // the empty right answer and be counted. A draw from a base emptied since start-up does
    // succeed, and its empty question is answered like any other.
    if (!QuestionsDrawn)
        return;
    if (Answers[Index] != RightAnswer)
        Mark = "- ";
    RegisterAnswer();
    if (Mark == "- ")
        LowerCategory();
    Mark = "+ ";
}

void TForm1::RegisterAnswer()
{
    RungOf(*this, Level)->SetFontColor(clRed);
    Memo1->AddLine(Mark + Questions[Level][1] + "   " + RightAnswer);
    if (Mark == "+ ")
        Label3->SetCaption(CountUp(Label3->Caption()));
    Level = Level + 1;
    if (Level == LevelAfterLast)
        RestartRound();
    else
        ShowQuestion();
}

void TForm1::RestartRound()
{
    for (int L = 1; L <= LevelCount; ++L)
        RungOf(*this, L)->SetFontColor(clSkyBlue);
    Repaint();
    Level = 1;
    ShowQuestion();
}

void TForm1::LowerCategory()
{
    if (!CheckBox1->Checked())
        return;
    LoadQuestions();
    if (Level > 1)
        Level = Level - 1;
    ShowQuestion();
}

void TForm1::Timer1Timer(TObject*)
{
    Label5->SetCaption(TwoDigits(Hours) + ":" + TwoDigits(Minutes) + ":" + TwoDigits(Seconds));
    Seconds = Seconds + 1;
    if (Seconds == SecondsPerMinute) {
        Seconds = 0;
        Minutes = Minutes + 1;
        if (Minutes == MinutesPerHour) {
            Minutes = 0;
            Hours = Hours + 1;
        }
    }
}
