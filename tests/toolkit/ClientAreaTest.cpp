// The client area: the picture fills what is visible of it; in a form that scrolls, scroll bars
// reach the components, and in any other form they are cut off at the window's edges.
#include "ToolkitFixture.h"

#include "ImageWidget.h"
#include "Label.h"

#include <QImage>
#include <QRegion>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace {

class ClientAreaTest : public ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        Application->CreateForm(Form);
        Form->Show();
        Application->ProcessMessages();
        Window = Form->Widget("Picture");
        Scroll = Window->findChild<QScrollArea*>();
    }

    bool ScrollBarsShown() const
    {
        return Scroll->horizontalScrollBar()->isVisible() || Scroll->verticalScrollBar()->isVisible();
    }

    TPicture* Form = nullptr;
    QWidget* Window = nullptr;
    QScrollArea* Scroll = nullptr;
};

TEST_F(ClientAreaTest, ThePictureIsStretchedOverTheVisibleClientArea)
{
    auto* Picture = static_cast<TImageWidget*>(Form->Widget("Image1"));
    EXPECT_EQ(Picture->PictureSize(), QSize(1280, 1024));
    EXPECT_EQ(Picture->geometry(), QRect(0, 0, 320, 200));
    EXPECT_FALSE(ScrollBarsShown());

    QImage Drawn(Window->size(), QImage::Format_RGB32);
    Window->render(&Drawn);
    // The picture's darkened rectangle covers its lower part (rows 598 to 1007 of 1024).
    EXPECT_LT(Drawn.pixelColor(160, 180).lightness() * 3, Drawn.pixelColor(160, 60).lightness() * 2);

    Window->resize(600, 400);
    Application->ProcessMessages();
    EXPECT_EQ(Picture->geometry(), QRect(0, 0, 600, 400));
}

TEST_F(ClientAreaTest, AWindowSmallerThanTheComponentsReachShowsScrollBarsThePictureDoesNotCount)
{
    Window->resize(200, 120);
    Application->ProcessMessages();
    EXPECT_TRUE(Scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(Scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(Form->Widget("Image1")->size(), Scroll->viewport()->size());
    const QWidget* Far = Form->Widget("Label2");
    EXPECT_EQ(Scroll->widget()->size(), QSize(Far->x() + Far->width(), Far->y() + Far->height()));
}

TEST_F(ClientAreaTest, ALabelGrowingPastTheRightEdgeBringsTheScrollBar)
{
    Form->Get<TLabel>("Label2")->SetCaption(
        "an answer far too long for the space up to the window's right edge");
    Application->ProcessMessages();
    EXPECT_TRUE(Scroll->horizontalScrollBar()->isVisible());
    Form->Get<TLabel>("Label2")->SetCaption("far");
    Application->ProcessMessages();
    EXPECT_FALSE(ScrollBarsShown());
}

using RightAnswerWindowTest = ToolkitTest;

TEST_F(RightAnswerWindowTest, CutsAnAnswerWiderThanItOffAtItsRightEdge)
{
    TTestForm Form("game/Unit7");
    Form.Show();
    Application->ProcessMessages();
    QWidget* Window = Form.Widget("Form7");
    const QSize Size = Window->size();
    const QWidget* Answer = Form.Widget("Label1");
    const int LineHeight = Answer->height();

    Form.Get<TLabel>("Label1")->SetCaption(
        "a right answer of so many words that one line of it reaches far past the window's right edge");
    Application->ProcessMessages();

    EXPECT_EQ(Window->size(), Size);
    const auto* Scroll = Window->findChild<QScrollArea*>();
    EXPECT_FALSE(Scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(Scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(Answer->pos(), QPoint(8, 16));
    EXPECT_EQ(Answer->height(), LineHeight);
    EXPECT_GT(Answer->x() + Answer->width(), Window->width());
    const QWidget* Ok = Form.Widget("Button1");
    EXPECT_EQ(Ok->geometry(), QRect(104, 56, 75, 25));
    EXPECT_TRUE(Ok->isVisible());
    EXPECT_EQ(Ok->visibleRegion(), QRegion(Ok->rect()));
}

TEST(BrokenPictureTest, IsReportedOnceAfterTheFirstPaintAndLeavesTheWindowColour)
{
    ErrorRecorder Errors;
    TTestForm Form("test/BrokenPicture");
    Form.Show();
    QWidget* Window = Form.Widget("BrokenPicture");
    QImage Drawn(Window->size(), QImage::Format_RGB32);
    Window->render(&Drawn);
    Window->render(&Drawn);
    EXPECT_TRUE(Errors.Texts().empty()); // not from inside the paint
    Application->ProcessMessages();
    ASSERT_EQ(Errors.Texts().size(), 1U);
    EXPECT_THAT(Errors.Texts().front(), ::testing::HasSubstr("Premature end of JPEG file"));
    EXPECT_EQ(Drawn.pixelColor(100, 50), Window->palette().color(QPalette::Window));
}

} // namespace
