// Layouts: every real window loads with all its components; broken layouts fail loudly.
#include "ToolkitFixture.h"

#include "Bevel.h"
#include "Button.h"
#include "CheckBox.h"
#include "Image.h"
#include "Label.h"
#include "MainMenu.h"
#include "Memo.h"
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

using ::testing::HasSubstr;

namespace {

struct RealLayout {
    const char* Name;
    const char* Layout;
    const char* FormName;
    QSize ClientSize;
    int Components; // with the menu items
};

class RealLayoutTest : public ToolkitTest, public ::testing::WithParamInterface<RealLayout> { };

int CountComponents(const QJsonArray& Components)
{
    int Count = 0;
    for (const QJsonValue& Component : Components)
        Count += 1 + CountComponents(Component.toObject().value(QStringLiteral("Items")).toArray());
    return Count;
}

TEST_P(RealLayoutTest, LoadsWithEveryNamedComponentAndShows)
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
        if (KeepsRight)
            EXPECT_EQ(Widget->x() + Widget->width(), Left + Component.value(QStringLiteral("Width")).toInt())
                << Name;
        else
            EXPECT_EQ(Widget->x(), Left) << Name;
        EXPECT_EQ(Widget->y(), Component.value(QStringLiteral("Top")).toInt()) << Name;
    }
    Form->Show();
    Application->ProcessMessages();
    const auto* Scroll = Form->Widget(GetParam().FormName)->findChild<QScrollArea*>();
    EXPECT_EQ(Scroll->viewport()->size(), GetParam().ClientSize);
    EXPECT_FALSE(Scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(Scroll->verticalScrollBar()->isVisible());
    EXPECT_TRUE(Errors.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, RealLayoutTest,
    ::testing::Values(RealLayout{"GameMain", "game/Unit1", "Form1", {666, 473}, 41},
        RealLayout{"Lose", "game/Unit2", "Form2", {231, 61}, 1},
        RealLayout{"Win", "game/Unit3", "Form3", {289, 50}, 1},
        RealLayout{"Hint", "game/Unit4", "Form4", {381, 91}, 3},
        RealLayout{"Statistics", "game/Unit6", "Form6", {115, 278}, 32},
        RealLayout{"RightAnswer", "game/Unit7", "Form7", {295, 90}, 2},
        RealLayout{"TrainerMain", "trainer/Unit1", "Form1", {666, 490}, 34}),
    [](const ::testing::TestParamInfo<RealLayout>& Info) { return std::string(Info.param.Name); });

} // namespace
