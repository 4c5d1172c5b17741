// Layouts: every real window loads with all its components; broken layouts fail loudly.
#include "ToolkitFixture.h"

#include "Bevel.h"
#include "Button.h"
#include "CheckBox.h"
#include "Image.h"
#include "Label.h"
#include "MainMenu.h"
#include "Memo.h"
#include "RowPrinting.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Timer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using ::testing::HasSubstr;

namespace {

struct RealLayout {
    const char* Name;
    const char* Layout;
    const char* FormName;
    QSize ClientSize;
    int Components; // with the menu items
    bool Scrolls;   // scroll bars reach the components past the window's edges
};

void PrintTo(const RealLayout& Row, std::ostream* Out)
{
    const QSize& Client = Row.ClientSize;
    PrintRow(Out, Row.Name,
        Printed(Row.Layout) + " " + Printed(Row.FormName) + ", client "
            + Listed(std::vector{Client.width(), Client.height()}) + ", components " + Printed(Row.Components)
            + (Row.Scrolls ? ", scrolls" : ""));
}

class RealLayoutTest : public ToolkitTest, public ::testing::WithParamInterface<RealLayout> { };

int CountComponents(const QJsonArray& Components)
{
    int Count = 0;
    for (const QJsonValue& Component : Components)
        Count += 1 + CountComponents(Component.toObject().value(QStringLiteral("Items")).toArray());
    return Count;
}

TEST_P(RealLayoutTest, LoadsWithEveryNamedComponentShowsAndScrollsOnlyWhenAMainWindow)
{
    QFile File(QStringLiteral(":/resources/") + QLatin1String(GetParam().Layout) + QStringLiteral(".json"));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QJsonObject Layout = QJsonDocument::fromJson(File.readAll()).object();
    const QJsonArray Components = Layout.value(QStringLiteral("Components")).toArray();
    ASSERT_EQ(CountComponents(Components), GetParam().Components);

    auto Form = std::make_unique<TTestForm>(GetParam().Layout);
    EXPECT_EQ(Form->Name(), GetParam().FormName);
    for (const QJsonValue& Value : Components) {
        const QJsonObject Component = Value.toObject();
        const std::string Name = Component.value(QStringLiteral("Name")).toString().toStdString();
        const QString Class = Component.value(QStringLiteral("Class")).toString();
        if (Class == QLatin1String("TTimer") || Class == QLatin1String("TMainMenu"))
            continue;
        const QWidget* Widget = Form->Widget(Name);
        ASSERT_NE(Widget, nullptr) << Name;
        if (Component.value(QStringLiteral("Align")).toString() == QLatin1String("alClient"))
            continue;
        // A label sized to its text keeps its left edge, or its right edge when right-aligned.
        const int Left = Component.value(QStringLiteral("Left")).toInt();
        const bool KeepsRight
            = Component.value(QStringLiteral("Alignment")).toString() == QLatin1String("taRightJustify")
            && Component.value(QStringLiteral("AutoSize")).toBool(true);
        const int Right = Left + Component.value(QStringLiteral("Width")).toInt();
        EXPECT_EQ(KeepsRight ? Widget->x() + Widget->width() : Widget->x(), KeepsRight ? Right : Left)
            << Name;
        EXPECT_EQ(Widget->y(), Component.value(QStringLiteral("Top")).toInt()) << Name;
    }
    Form->Show();
    Application->ProcessMessages();
    QWidget* Window = Form->Widget(GetParam().FormName);
    EXPECT_EQ(Window->pos(),
        QPoint(Layout.value(QStringLiteral("Left")).toInt(), Layout.value(QStringLiteral("Top")).toInt()));
    EXPECT_EQ(Window->size() + QSize(8, 34),
        QSize(Layout.value(QStringLiteral("Width")).toInt(), Layout.value(QStringLiteral("Height")).toInt()));
    const auto* Scroll = Window->findChild<QScrollArea*>();
    EXPECT_EQ(Scroll->viewport()->size(), GetParam().ClientSize);
    EXPECT_FALSE(Scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(Scroll->verticalScrollBar()->isVisible());
    EXPECT_TRUE(Errors.Texts().empty());

    // Made half as large, every window leaves components past its edges: only a window that
    // scrolls shows scroll bars, and only it has anything to scroll.
    Window->resize(Window->size() / 2);
    Application->ProcessMessages();
    EXPECT_EQ(Scroll->horizontalScrollBar()->isVisible(), GetParam().Scrolls);
    EXPECT_EQ(Scroll->verticalScrollBar()->isVisible(), GetParam().Scrolls);
    EXPECT_EQ(Scroll->horizontalScrollBar()->maximum() > 0, GetParam().Scrolls);
    EXPECT_EQ(Scroll->verticalScrollBar()->maximum() > 0, GetParam().Scrolls);
}

INSTANTIATE_TEST_SUITE_P(Windows, RealLayoutTest,
    ::testing::Values(RealLayout{"GameMain", "game/Unit1", "Form1", {666, 473}, 41, true},
        RealLayout{"Lose", "game/Unit2", "Form2", {231, 61}, 1, false},
        RealLayout{"Win", "game/Unit3", "Form3", {289, 50}, 1, false},
        RealLayout{"Hint", "game/Unit4", "Form4", {381, 91}, 3, false},
        RealLayout{"Statistics", "game/Unit6", "Form6", {115, 278}, 32, false},
        RealLayout{"RightAnswer", "game/Unit7", "Form7", {295, 90}, 2, false},
        RealLayout{"TrainerMain", "trainer/Unit1", "Form1", {666, 490}, 34, true}),
    [](const ::testing::TestParamInfo<RealLayout>& Info) { return std::string(Info.param.Name); });

} // namespace

namespace {

struct BrokenLayout {
    const char* Name;
    const char* Layout;
    std::set<std::string> Unpublished;
    std::string ExtraPublished;
    const char* Message;
};

void PrintTo(const BrokenLayout& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        Printed(Row.Layout) + (Row.Unpublished.empty() ? "" : ", unpublished " + Listed(Row.Unpublished))
            + (Row.ExtraPublished.empty() ? "" : ", also published " + Printed(Row.ExtraPublished)) + " -> "
            + Printed(Row.Message));
}

class BrokenLayoutTest : public ToolkitTest, public ::testing::WithParamInterface<BrokenLayout> { };

TEST_P(BrokenLayoutTest, FailsNamingTheFileAndTheName)
{
    try {
        TTestForm Form(GetParam().Layout, GetParam().Unpublished, GetParam().ExtraPublished);
        FAIL() << "the layout loaded";
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message(), GetParam().Message);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BrokenLayoutTest,
    ::testing::Values(BrokenLayout{"UnknownClass", "test/broken/UnknownClass", {}, {},
                          "resources/test/broken/UnknownClass.json: Panel1: unknown class \"TPanel\""},
        BrokenLayout{"UnknownProperty", "test/broken/UnknownProperty", {}, {},
            "resources/test/broken/UnknownProperty.json: Label1: unknown property \"Captoin\""},
        BrokenLayout{"UnknownFormProperty", "test/broken/UnknownFormProperty", {}, {},
            "resources/test/broken/UnknownFormProperty.json: Broken: unknown property \"Visibel\""},
        BrokenLayout{"UnknownHandler", "test/broken/UnknownHandler", {}, {},
            "resources/test/broken/UnknownHandler.json: Button1: \"OnClick\": the form class publishes no "
            "handler \"Button1Clik\""},
        BrokenLayout{"UnknownColour", "test/broken/UnknownColour", {}, {},
            "resources/test/broken/UnknownColour.json: Label1: \"Font\": \"Color\": unknown colour "
            "\"clPink\""},
        BrokenLayout{"MissingWidth", "test/broken/MissingWidth", {}, {},
            "resources/test/broken/MissingWidth.json: Label1: missing property \"Width\""},
        BrokenLayout{"TextForANumber", "test/broken/WrongType", {}, {},
            "resources/test/broken/WrongType.json: Label1: \"Left\" is not an integer"},
        BrokenLayout{"TwoComponentsOfOneName", "test/broken/TwiceNamed", {}, {},
            "resources/test/broken/TwiceNamed.json: Label1: a second component of this name"},
        BrokenLayout{"MissingPicture", "test/broken/MissingPicture", {}, {},
            "resources/test/broken/MissingPicture.json: Image1: \"nothing.jpg\" is not among the program's "
            "resources"},
        BrokenLayout{"TimerWithAPlace", "test/broken/TimerWithPlace", {}, {},
            "resources/test/broken/TimerWithPlace.json: Timer1: unknown property \"Left\""},
        BrokenLayout{"NotJson", "test/broken/NotJson", {}, {},
            "resources/test/broken/NotJson.json: unterminated array at offset 62"},
        BrokenLayout{"NoSuchLayout", "test/Nothing", {}, {},
            "resources/test/Nothing.json: the layout is not among the program's resources"},
        BrokenLayout{"ComponentNotPublished", "test/Probe", {"Label2"}, {},
            "resources/test/Probe.json: Label2: the form class publishes no component of this name"},
        BrokenLayout{"PublishedComponentMissing", "test/Probe", {}, "Label9",
            "resources/test/Probe.json: Label9: the form class publishes a component that the layout does "
            "not have"},
        BrokenLayout{"ComponentOfAnotherClass", "test/Probe", {"Button1"}, "Button1",
            "resources/test/Probe.json: Button1: the form class publishes a component of another class under "
            "this name"}),
    [](const ::testing::TestParamInfo<BrokenLayout>& Info) { return std::string(Info.param.Name); });

} // namespace
