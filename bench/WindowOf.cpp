#include "WindowOf.h"

#include "Form.h"

#include <QApplication>
#include <QString>
#include <QWidget>

#include <stdexcept>

QWidget* WindowOf(const TForm& Form)
{
    // The toolkit names each top-level widget after its form.
    for (QWidget* Window : QApplication::topLevelWidgets())
        if (Window->objectName() == QString::fromStdString(Form.Name()))
            return Window;
    throw std::runtime_error("no window for " + Form.Name());
}
