#include "Unit7.h"

#include "Button.h"
#include "Label.h"
#include "Unit1.h"

TForm7* Form7 = nullptr;

TForm7::TForm7()
    : TForm("game/Unit7")
{
    Publish("Label1", Label1);
    Publish("Button1", Button1);
    Publish("FormActivate", &TForm7::FormActivate);
    Publish("Button1Click", &TForm7::Button1Click);
    LoadLayout();
}

void TForm7::FormActivate(TObject*)
{
    Label1->SetCaption(Form1->RightAnswer);
}

void TForm7::Button1Click(TObject*)
{
    Close();
}
