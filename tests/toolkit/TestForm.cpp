#include "TestForm.h"

#include "Label.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <array>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::array<const char*, 20> HandlerNames = {"FormCreate", "FormShow", "FormActivate",
    "Button1Click", "Button2Click", "Button5Click", "Button6Click", "Button7Click", "Button8Click",
    "SpeedButton1Click", "SpeedButton2Click", "SpeedButton3Click", "SpeedButton4Click", "Timer1Timer",
    "Timer2Timer", "N1Click", "N2Click", "N3Click", "CheckBox1Click", "Spare"};

QJsonObject ReadLayout(const std::string& Layout)
{
    QFile File(QStringLiteral(":/resources/") + QString::fromStdString(Layout) + QStringLiteral(".json"));
    if (!File.open(QIODevice::ReadOnly))
        throw std::runtime_error("no layout " + Layout);
    return QJsonDocument::fromJson(File.readAll()).object();
}

// Every object of the layout that has a name: the components and the menu items.
void CollectComponents(const QJsonArray& Components, std::vector<QJsonObject>& Into)
{
    for (const QJsonValue& Value : Components) {
        Into.push_back(Value.toObject());
        CollectComponents(Value.toObject().value(QStringLiteral("Items")).toArray(), Into);
    }
}

void CollectHandlers(const QJsonObject& Object, std::set<std::string>& Into)
{
    for (auto Property = Object.begin(); Property != Object.end(); ++Property)
        if (Property.key().startsWith(QStringLiteral("On")))
            Into.insert(Property.value().toString().toStdString());
}

} // namespace

std::vector<std::string>& HandlerCalls()
{
    static std::vector<std::string> Calls;
    return Calls;
}

template <int Index> void TTestForm::Handle(TObject* Sender)
{
    Record(HandlerNames[Index], Sender);
}

TTestForm::TTestForm(const std::string& Layout, std::set<std::string> Skip, std::string Extra)
    : TForm(Layout)
{
    const QJsonObject Document = ReadLayout(Layout);
    std::vector<QJsonObject> Objects;
    CollectComponents(Document.value(QStringLiteral("Components")).toArray(), Objects);
    std::set<std::string> Bound;
    CollectHandlers(Document, Bound);
    for (const QJsonObject& Object : Objects) {
        CollectHandlers(Object, Bound);
        const std::string Name = Object.value(QStringLiteral("Name")).toString().toStdString();
        if (Skip.count(Name) == 0)
            Publish(Name.c_str(), Fields[Name]);
    }
    if (!Extra.empty())
        Publish(Extra.c_str(), ExtraLabel);
    [&]<std::size_t... Index>(std::index_sequence<Index...>)
    {
        ((Bound.count(HandlerNames[Index]) != 0
                 ? Publish(HandlerNames[Index], &TTestForm::Handle<static_cast<int>(Index)>)
                 : void()),
            ...);
    }
    (std::make_index_sequence<HandlerNames.size()>());
    LoadLayout();
}

QWidget* TTestForm::Widget(const std::string& Name) const
{
    const QString Wanted = QString::fromStdString(Name);
    for (QWidget* Window : QApplication::topLevelWidgets())
        if (Window->objectName() == QString::fromStdString(this->Name()))
            return Window->objectName() == Wanted ? Window : Window->findChild<QWidget*>(Wanted);
    return nullptr;
}

void TTestForm::Record(const char* Handler, TObject* Sender)
{
    const auto* Component = dynamic_cast<const TComponent*>(Sender);
    HandlerCalls().push_back(Name() + "." + Handler + "(" + (Component ? Component->Name() : "?") + ")");
    const auto Step = Steps.find(Handler);
    if (Step != Steps.end())
        Step->second();
}
