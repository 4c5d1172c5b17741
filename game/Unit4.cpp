#include "Unit4.h"

#include "Label.h"

TForm4* Form4 = nullptr;

TForm4::TForm4()
    : TForm("game/Unit4")
{
    Publish("Label1", Label1);
    Publish("Label2", Label2);
    Publish("Label3", Label3);
    LoadLayout();
}
