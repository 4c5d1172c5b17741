#pragma once

#include "Form.h"

class TButton;
class TLabel;

// The right-answer window: every time it becomes active it shows the main window's RightAnswer.
class TForm7 : public TForm {
public:
    TForm7();

    TLabel* Label1 = nullptr;
    TButton* Button1 = nullptr;

    void FormActivate(TObject* Sender);
    void Button1Click(TObject* Sender);
};

extern TForm7* Form7;
