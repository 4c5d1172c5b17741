#pragma once

class QWidget;
class TForm;

// The top-level widget of a form's window. Throws std::runtime_error when it has none.
QWidget* WindowOf(const TForm& Form);
