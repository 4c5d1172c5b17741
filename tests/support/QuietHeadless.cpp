#include "QuietHeadless.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler QtDefaultHandler = nullptr;

void QuietHeadlessHandler(QtMsgType Type, const QMessageLogContext& Context, const QString& Message)
{
    if (Message == QLatin1String("This plugin does not support raise()"))
        return;
    QtDefaultHandler(Type, Context, Message);
}

} // namespace

void QuietHeadlessMessages()
{
    QtDefaultHandler = qInstallMessageHandler(QuietHeadlessHandler);
}
