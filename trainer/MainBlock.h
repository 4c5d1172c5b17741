#pragma once

// Sets the application title and creates the trainer's one window, its main window.
void CreateForms();

// The trainer's main block: initialises the application, creates the forms and handles events
// until the main window is closed.
void MainBlock();
