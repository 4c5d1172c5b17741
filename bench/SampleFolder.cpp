#include "SampleFolder.h"

#include "Application.h"

#include <filesystem>
#include <iostream>
#include <string>

SampleFolder::SampleFolder()
{
    for (const char* Name : {"base.txt", "stat.txt"})
        std::filesystem::copy_file(std::filesystem::path(KVIZORA_RESOURCES) / Name, WorkDir.Path() / Name);
    Application->SetErrorReporter([](const std::string& Caption, const std::string& Text) {
        std::cerr << "error box \"" << Caption << "\": " << Text << "\n";
    });
}
