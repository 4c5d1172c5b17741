#include "Screenshots.h"

#include "Application.h"
#include "Form.h"
#include "QuietHeadless.h"
#include "WindowOf.h"

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

} // namespace

ScreenshotSession::ScreenshotSession(int argc, char** argv)
    : Folder(FolderArgument(argc, argv))
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QuietHeadlessMessages();
    Application->Initialize();
}

void ScreenshotSession::Shoot(const TForm& Form, const std::string& Name) const
{
    Application->ProcessMessages();
    const std::filesystem::path File = Folder / (Name + ".png");
    if (!WindowOf(Form)->grab().toImage().save(QString::fromStdString(File.string()), "PNG"))
        throw std::runtime_error("cannot write " + File.string());
    std::cout << File.string() << "\n";
}
