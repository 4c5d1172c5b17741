#pragma once

#include "Form.h"

class TLabel;

// The lose window: its show handler counts a game lost at the current question in "stat.txt".
class TForm2 : public TForm {
public:
    TForm2();

    TLabel* Label1 = nullptr;

    void FormShow(TObject* Sender);
};

extern TForm2* Form2;
