#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh temporary folder made the working directory for the life of the object; the old
// working directory comes back and the folder is removed afterwards.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& Path() const { return Folder; }

private:
    std::filesystem::path Previous;
    std::filesystem::path Folder;
};

// Files byte for byte, relative to the working directory.
void WriteBytes(const std::filesystem::path& Name, const std::string& Bytes);
std::string ReadBytes(const std::filesystem::path& Name);
// The texts as the programs write a text file: every one followed by CR LF.
std::string Lines(const std::vector<std::string>& Texts);
