#pragma once

#include "SampleFolder.h"

#include <filesystem>
#include <string>

class TForm;

// The frame of a screenshots program: the folder named on the command line and a sample working
// folder. Creating it initialises the application on the offscreen platform, whatever platform
// the caller chose.
class ScreenshotSession {
public:
    ScreenshotSession(int argc, char** argv);
    ScreenshotSession(const ScreenshotSession&) = delete;
    ScreenshotSession& operator=(const ScreenshotSession&) = delete;

    // Handles the waiting events, then saves the form's window as "<Name>.png" in the folder.
    void Shoot(const TForm& Form, const std::string& Name) const;

private:
    std::filesystem::path Folder;
    SampleFolder Samples;
};
