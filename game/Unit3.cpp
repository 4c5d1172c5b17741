#include "Unit3.h"

#include "Label.h"
#include "Statistics.h"
#include "Unit1.h"

TForm3* Form3 = nullptr;

TForm3::TForm3()
    : TForm("game/Unit3")
{
    Publish("Label1", Label1);
    Publish("FormShow", &TForm3::FormShow);
    LoadLayout();
}

// Runs only when the window goes from hidden to shown, so a game that ends while it is open
// is not counted.
void TForm3::FormShow(TObject*)
{
    LoadStatistics(Form1->Stats);
    CountGame(Form1->Stats, Form1->Level);
}
