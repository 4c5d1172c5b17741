#include "Screenshots.h"

#include "Application.h"
#include "Form.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdlib>
#include <iostream>
#include <stdexcept>

namespace {

std::filesystem::path FolderArgument(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <folder for the PNG files>\n";
        std::exit(2);
    }
    std::filesystem::path Folder = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(Folder);
    return Folder;
}

QWidget* WindowOf(const TForm& Form)
{
    for (QWidget* Window : QApplication::topLevelWidgets())
        if (Window->objectName() == QString::fromStdString(Form.Name()))
            return Window;
    throw std::runtime_error("no window for " + Form.Name());
}

} // namespace

ScreenshotSession::ScreenshotSession(int argc, char** argv)
    : Folder(FolderArgument(argc, argv))
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (const char* Name : {"base.txt", "stat.txt"})
        std::filesystem::copy_file(std::filesystem::path(KVIZORA_RESOURCES) / Name, WorkDir.Path() / Name);
    Application->Initialize();
    Application->SetErrorReporter([](const std::string& Caption, const std::string& Text) {
        std::cerr << "error box \"" << Caption << "\": " << Text << "\n";
    });
}

void ScreenshotSession::Shoot(const TForm& Form, const std::string& Name) const
{
    Application->ProcessMessages();
    const std::filesystem::path File = Folder / (Name + ".png");
    if (!WindowOf(Form)->grab().toImage().save(QString::fromStdString(File.string()), "PNG"))
        throw std::runtime_error("cannot write " + File.string());
    std::cout << File.string() << "\n";
}
