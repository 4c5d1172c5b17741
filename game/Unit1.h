#pragma once

#include "Form.h"
#include "QuestionBase.h"
#include "Statistics.h"

#include <string>

class TBevel;
class TButton;
class TImage;
class TLabel;
class TMainMenu;
class TMenuItem;
class TSpeedButton;
class TTimer;

// The game's main window: the question and its four answers with an answer button beside each,
// the 15-rung level ladder, the countdown with the blinking hint line, the four hints and the
// menu. It owns all game state; the other windows read it through Form1.
class TForm1 : public TForm {
public:
    TForm1();

    // True while a finished game waits for "Новая игра".
    bool GameOver = false;
    int DrawRange = 0;
    TQuestions Questions;
    // The current question, 1 to LevelCount; LevelAfterLast once the last level has been passed.
    int Level = 0;
    TStats Stats;
    TAnswers Answers;
    TLevelStart LevelStart;
    std::string RightAnswer;
    // True once a draw has succeeded; until then there is no game to play.
    bool QuestionsDrawn = false;

    // Components, in the order of the layout.
    TImage* Image1 = nullptr;
    TBevel* Bevel4 = nullptr;
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
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TButton* Button6 = nullptr;
    TButton* Button7 = nullptr;
    TButton* Button8 = nullptr;
    TButton* Button5 = nullptr;
    TTimer* Timer1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N3 = nullptr;
    TTimer* Timer2 = nullptr;

    void FormCreate(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void N1Click(TObject* Sender);
    void N3Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void Button8Click(TObject* Sender);
    void Button5Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void Button7Click(TObject* Sender);

    // Draws one record for each of the 15 levels into Questions.
    void LoadQuestions();
    // Puts up the question of Level with its answers shuffled and the countdown text "60".
    void ShowQuestion();
    // All four answer buttons enabled, the blink stopped, the hint line drawn normally.
    void EnableAnswers();
    // After a right answer: marks the rung, then the next question or the win.
    void NextLevel();

private:
    // The right answer's position and a randomly picked wrong answer's position in Answers.
    struct TPick {
        int Right = 1;
        int Wrong = 1;
    };

    // Judges Answers[Index], the answer beside the pressed answer button.
    void AnswerClick(int Index);
    // A "75%" hint: names the right answer in three cases of four in the hint window.
    void SeventyFivePercentClick(TButton* Pressed);
    TPick PickWrongAnswer() const;
};

extern TForm1* Form1;
