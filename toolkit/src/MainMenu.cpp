#include "MainMenu.h"

#include "Handlers.h"

#include <QAction>

#include <utility>

TMenuItem::TMenuItem(std::string Name, std::string Caption, QAction* Action)
    : TComponent(std::move(Name))
    , ItemCaption(std::move(Caption))
{
    Action->setObjectName(QString::fromStdString(TComponent::Name()));
    QObject::connect(Action, &QAction::triggered, Action, [this] { Click(); });
}

std::string TMenuItem::Caption() const
{
    return ItemCaption;
}

void TMenuItem::Click()
{
    CallHandler(OnClick, this);
}
