#include "Unit6.h"

#include "Label.h"
#include "Statistics.h"
#include "Unit1.h"

#include <array>
#include <cstddef>

TForm6* Form6 = nullptr;

TForm6::TForm6()
    : TForm("game/Unit6")
{
    Publish("Label1", Label1);
    Publish("Label2", Label2);
    Publish("Label3", Label3);
    Publish("Label4", Label4);
    Publish("Label5", Label5);
    Publish("Label6", Label6);
    Publish("Label7", Label7);
    Publish("Label8", Label8);
    Publish("Label9", Label9);
    Publish("Label10", Label10);
    Publish("Label11", Label11);
    Publish("Label12", Label12);
    Publish("Label13", Label13);
    Publish("Label14", Label14);
    Publish("Label15", Label15);
    Publish("Label16", Label16);
    Publish("Label17", Label17);
    Publish("Label18", Label18);
    Publish("Label19", Label19);
    Publish("Label20", Label20);
    Publish("Label21", Label21);
    Publish("Label22", Label22);
    Publish("Label23", Label23);
    Publish("Label24", Label24);
    Publish("Label25", Label25);
    Publish("Label26", Label26);
    Publish("Label27", Label27);
    Publish("Label28", Label28);
    Publish("Label29", Label29);
    Publish("Label30", Label30);
    Publish("Label31", Label31);
    Publish("Label32", Label32);
    Publish("FormShow", &TForm6::FormShow);
    LoadLayout();
}

// Shows the counts as they stand in Stats, as text: an empty line gives an empty label.
void TForm6::FormShow(TObject*)
{
    LoadStatistics(Form1->Stats);
    const std::array<TLabel*, StatLines> Counts{Label1, Label2, Label3, Label4, Label5, Label6, Label7,
        Label8, Label9, Label10, Label11, Label12, Label13, Label14, Label15, Label16};
    for (int K = 1; K <= StatLines; ++K)
        Counts[static_cast<std::size_t>(K - 1)]->SetCaption(Form1->Stats[K]);
}
