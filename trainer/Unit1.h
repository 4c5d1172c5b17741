#pragma once

#include "Form.h"
#include "QuestionBase.h"

#include <string>

class TCheckBox;
class TImage;
class TLabel;
class TMemo;
class TSpeedButton;
class TTimer;

// The trainer's main window: an endless drill over the question base with an answer log, a
// right-answer counter, the level ladder and a clock of the time since start-up.
class TForm1 : public TForm {
public:
    TForm1();

    // Components, in the order of the layout.
    TImage* Image1 = nullptr;
    TLabel* Label15 = nullptr;
    TLabel* Label16 = nullptr;
    TLabel* Label17 = nullptr;
    TLabel* Label18 = nullptr;
    TLabel* Label19 = nullptr;
    TLabel* Label20 = nullptr;
    TLabel* Label21 = nullptr;
    TLabel* Label22 = nullptr;
    TLabel* Label23 = nullptr;
    TLabel* Label24 = nullptr;
    TLabel* Label25 = nullptr;
    TLabel* Label26 = nullptr;
    TLabel* Label27 = nullptr;
    TLabel* Label28 = nullptr;
    TLabel* Label29 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TMemo* Memo1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TTimer* Timer1 = nullptr;

    void FormCreate(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);

    // A new draw of one record for every level; the next log line is marked right.
    void LoadQuestions();
    // Shows the question of Level with its answers in a fresh random order.
    void ShowQuestion();
    // Books the answer under Mark for the current level and moves on to the next one.
    void RegisterAnswer();
    // Starts the ladder again at level 1 with the same questions.
    void RestartRound();
    // After a wrong answer, when the box is ticked: a new draw and one level back.
    void LowerCategory();

    int DrawRange = 0;
    int Seconds = 0;
    int Minutes = 0;
    int Hours = 0;
    TQuestions Questions;
    TLevelStart LevelStart;
    int Level = 0;
    TAnswers Answers;
    std::string RightAnswer;
    std::string Mark;
    // True once a draw has succeeded; until then there is no question to answer.
    bool QuestionsDrawn = false;

private:
    // The answer handler of button Index: judges Answers[Index] against RightAnswer.
    void AnswerClick(int Index);
};

extern TForm1* Form1;
