#pragma once

#include "Form.h"

class TLabel;

// The win window: its show handler counts a game won in "stat.txt".
class TForm3 : public TForm {
public:
    TForm3();

    TLabel* Label1 = nullptr;

    void FormShow(TObject* Sender);
};

extern TForm3* Form3;
