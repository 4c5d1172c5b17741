#pragma once

// Sets the application title and creates the game's windows from their layouts, in their fixed
// order, into Form1, Form2, Form3, Form4, Form6 and Form7; the first is the main window.
void CreateForms();

// The game's main block: initialises the application, creates the forms and handles events
// until the main window is closed, whatever other windows are open.
void MainBlock();
