#include "Unit2.h"

#include "Label.h"
#include "Statistics.h"
#include "Unit1.h"

TForm2* Form2 = nullptr;

TForm2::TForm2()
    : TForm("game/Unit2")
{
    Publish("Label1", Label1);
    Publish("FormShow", &TForm2::FormShow);
    LoadLayout();
}

// Runs only when the window goes from hidden to shown, so a game that ends while it is open
// is not counted.
void TForm2::FormShow(TObject*)
{
    LoadStatistics(Form1->Stats);
    CountGame(Form1->Stats, Form1->Level);
}
