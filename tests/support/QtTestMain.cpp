// The main of every test program that creates forms: headless, with one application object.
#include "Application.h"

#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <stdlib.h>

namespace {

QtMessageHandler QtDefaultHandler = nullptr;

// The headless platform cannot bring a window to the front and says so at every show.
void QuietHeadlessHandler(QtMsgType Type, const QMessageLogContext& Context, const QString& Message)
{
    if (Message == QLatin1String("This plugin does not support raise()"))
        return;
    QtDefaultHandler(Type, Context, Message);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QtDefaultHandler = qInstallMessageHandler(QuietHeadlessHandler);
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize();
    return RUN_ALL_TESTS();
}
