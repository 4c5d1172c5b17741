#include "WorkDir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

TempWorkDir::TempWorkDir()
    : Previous(std::filesystem::current_path())
{
    std::string Pattern = (std::filesystem::temp_directory_path() / "kvizora-test-XXXXXX").string();
    if (mkdtemp(Pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    Folder = Pattern;
    std::filesystem::current_path(Folder);
}

TempWorkDir::~TempWorkDir()
{
    std::error_code Ignored;
    std::filesystem::current_path(Previous, Ignored);
    std::filesystem::permissions(
        Folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Ignored);
    std::filesystem::remove_all(Folder, Ignored);
}

void WriteBytes(const std::filesystem::path& Name, const std::string& Bytes)
{
    std::ofstream Out(Name, std::ios::binary | std::ios::trunc);
    Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    if (!Out)
        throw std::runtime_error("cannot write " + Name.string());
}

std::string ReadBytes(const std::filesystem::path& Name)
{
    std::ifstream In(Name, std::ios::binary);
    if (!In)
        throw std::runtime_error("cannot read " + Name.string());
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

std::string Lines(const std::vector<std::string>& Texts)
{
    std::string Bytes;
    for (const std::string& Text : Texts)
        Bytes += Text + "\r\n";
    return Bytes;
}
