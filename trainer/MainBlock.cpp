#include "MainBlock.h"

#include "Application.h"
#include "Unit1.h"

void CreateForms()
{
    Application->SetTitle("Kvizora");
    Application->CreateForm(Form1);
}

void MainBlock()
{
    Application->Initialize();
    CreateForms();
    Application->Run();
}
