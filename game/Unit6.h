#pragma once

#include "Form.h"

class TLabel;

// The statistics window: count label K shows line K of "stat.txt" (Label16 the games won, at the
// top); the title of question K is the label numbered 16 + K, Label32 the title of the wins.
class TForm6 : public TForm {
public:
    TForm6();

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label14 = nullptr;
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
    TLabel* Label30 = nullptr;
    TLabel* Label31 = nullptr;
    TLabel* Label32 = nullptr;

    void FormShow(TObject* Sender);
};

extern TForm6* Form6;
