#include "MainBlock.h"

#include "Application.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"

void CreateForms()
{
    Application->SetTitle("Kvizora");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(Form6);
    Application->CreateForm(Form7);
}

void MainBlock()
{
    Application->Initialize();
    CreateForms();
    Application->Run();
}
