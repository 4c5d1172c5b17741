#pragma once

#include "Form.h"

class TLabel;

// The hint window of the "75%" hints: the hint handler writes the named answer into Label2.
class TForm4 : public TForm {
public:
    TForm4();

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
};

extern TForm4* Form4;
