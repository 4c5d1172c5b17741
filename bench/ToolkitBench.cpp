// Times the game's start against a minimal Qt program, each run in a fresh process:
//   game     the application object, the game's windows created from their layouts and the
//            first paint of the main window, picture decode included; then the repaint after
//            the countdown label's text changes, tick by tick;
//   minimal  the application object and a window of the main window's size with a menu bar
//            and 30 labels, to its first paint.
// Run without arguments it starts both modes in turn and prints medians. Run by hand; it never
// gates a test run.
#include "Application.h"
#include "Label.h"
#include "MainBlock.h"
#include "QuietHeadless.h"
#include "SampleFolder.h"
#include "Unit1.h"
#include "WindowOf.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point Start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
}

double Median(std::vector<double> Values)
{
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

// Adds up the area that paint events cover, to show what one tick repaints.
class PaintCounter : public QObject {
public:
    using QObject::QObject;

    long long Area = 0;
    int Events = 0;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint) {
            const QRect Rect = static_cast<QPaintEvent*>(Event)->rect();
            Area += static_cast<long long>(Rect.width()) * Rect.height();
            ++Events;
        }
        return QObject::eventFilter(Watched, Event);
    }
};

void Print(const char* Figure, double Value)
{
    std::cout << Figure << " " << Value << "\n";
}

void RunGame()
{
    const SampleFolder Samples;
    const Clock::time_point Start = Clock::now();
    Application->Initialize();
    Print("application", MillisecondsSince(Start));
    CreateForms();
    Print("windows", MillisecondsSince(Start));
    QWidget* Main = WindowOf(*Form1);
    Main->grab();
    Print("first_paint", MillisecondsSince(Start));

    // The window system's own first paint, then the countdown's ticks as the event loop paints them.
    Application->ProcessMessages();
    PaintCounter Counter;
    qApp->installEventFilter(&Counter);
    std::vector<double> Ticks;
    for (int Tick = 0; Tick < 200; ++Tick) {
        const Clock::time_point TickStart = Clock::now();
        Form1->Label2->SetCaption(Tick % 2 == 0 ? "59" : "58");
        Application->ProcessMessages();
        Ticks.push_back(MillisecondsSince(TickStart));
    }
    Print("tick", Median(Ticks));
    Print("tick_paint_events", Counter.Events / 200.0);
    Print("tick_painted_pixels", static_cast<double>(Counter.Area) / 200.0);
    Application->DestroyForms();
}

void RunMinimal(int argc, char** argv)
{
    const Clock::time_point Start = Clock::now();
    QApplication App(argc, argv);
    Print("application", MillisecondsSince(Start));
    QWidget Window;
    Window.resize(666, 493);
    auto* Menu = new QMenuBar(&Window);
    Menu->addAction(QString::fromUtf8("Новая игра"));
    Menu->addAction(QStringLiteral("?"));
    Menu->setGeometry(0, 0, 666, 20);
    for (int Index = 0; Index < 30; ++Index) {
        auto* Text = new QLabel(QStringLiteral("Label %1").arg(Index), &Window);
        Text->move(20 + (Index % 3) * 200, 30 + (Index / 3) * 40);
    }
    Window.show();
    Window.grab();
    Print("first_paint", MillisecondsSince(Start));
}

// Runs "<this program> <Mode>" and reads its figures.
std::map<std::string, double> RunChild(const std::string& Mode)
{
    const std::string Command = std::filesystem::read_symlink("/proc/self/exe").string() + " " + Mode;
    FILE* Child = popen(Command.c_str(), "r");
    if (Child == nullptr) {
        std::perror("popen");
        std::exit(1);
    }
    std::map<std::string, double> Figures;
    char Name[64];
    double Value = 0;
    while (std::fscanf(Child, "%63s %lf", Name, &Value) == 2)
        Figures[Name] = Value;
    if (pclose(Child) != 0) {
        std::cerr << Mode << " failed\n";
        std::exit(1);
    }
    return Figures;
}

void Compare(int Runs)
{
    std::map<std::string, std::map<std::string, std::vector<double>>> Figures;
    for (int Run = 0; Run < Runs; ++Run)
        for (const char* Mode : {"game", "minimal"})
            for (const auto& [Name, Value] : RunChild(Mode))
                Figures[Mode][Name].push_back(Value);
    auto Of = [&](const char* Mode, const char* Name) { return Median(Figures[Mode][Name]); };
    std::printf("%d fresh processes of each, medians:\n", Runs);
    std::printf("(a) game:    application %6.2f ms, windows created %6.2f ms, to first paint %6.2f ms\n",
        Of("game", "application"), Of("game", "windows"), Of("game", "first_paint"));
    std::printf("(b) minimal: application %6.2f ms, to first paint %6.2f ms\n", Of("minimal", "application"),
        Of("minimal", "first_paint"));
    std::printf("    a / b = %.2f (goal 1.3); after the application object: %.2f ms against %.2f ms\n",
        Of("game", "first_paint") / Of("minimal", "first_paint"),
        Of("game", "first_paint") - Of("game", "application"),
        Of("minimal", "first_paint") - Of("minimal", "application"));
    std::printf("(c) tick:    %.3f ms (goal below 1 ms), %.1f paint events over %.0f pixels\n",
        Of("game", "tick"), Of("game", "tick_paint_events"), Of("game", "tick_painted_pixels"));
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QuietHeadlessMessages();
    const std::string Mode = argc > 1 ? argv[1] : "";
    if (Mode == "game")
        RunGame();
    else if (Mode == "minimal")
        RunMinimal(argc, argv);
    else
        Compare(argc > 1 ? std::atoi(argv[1]) : 21);
}
