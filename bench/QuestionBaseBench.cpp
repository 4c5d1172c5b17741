// Measures the level scan and the draw of the question base against `wc -l` on the same file.
//
//   questionbase_bench [base-file]
//
// With a path it measures that file; otherwise it writes bases of 1,000, 100,000 and 2,000,000
// records to a folder in /tmp, measures each, smallest first, and removes them. Every figure is
// the best of several runs with the file in the page cache. The peak resident size after each
// base shows whether memory grows with the size of the base.
#include "QuestionBase.h"
#include "Random.h"
#include "SysUtils.h"
#include "TextFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int Runs = 5;

double BestSeconds(const std::function<void()>& Step)
{
    double Best = 1e300;
    for (int Run = 0; Run < Runs; ++Run) {
        const auto Start = std::chrono::steady_clock::now();
        Step();
        Best
            = std::min(Best, std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
    }
    return Best;
}

void CountLinesWithWc(const fs::path& File)
{
    const std::string Command = "wc -l < '" + File.string() + "' > /dev/null";
    FILE* Pipe = popen(Command.c_str(), "r");
    if (Pipe == nullptr || pclose(Pipe) != 0)
        throw std::runtime_error("wc -l failed on " + File.string());
}

long PeakResidentKiB()
{
    rusage Usage{};
    getrusage(RUSAGE_SELF, &Usage);
    return Usage.ru_maxrss;
}

// A line of Windows-1251 words, of a length that varies around Mean.
std::string Words(std::mt19937& Source, int Mean)
{
    std::uniform_int_distribution<int> Length(Mean / 2, Mean * 3 / 2);
    std::uniform_int_distribution<int> Letter(0xE0, 0xFF);
    std::uniform_int_distribution<int> WordLength(2, 9);
    const int Wanted = Length(Source);
    std::string Line;
    while (static_cast<int>(Line.size()) < Wanted) {
        if (!Line.empty())
            Line += ' ';
        for (int Count = WordLength(Source); Count > 0; --Count)
            Line += static_cast<char>(Letter(Source));
    }
    return Line;
}

// Records of about 140 bytes, as a real base holds, in 15 runs of equal size.
void WriteBase(const fs::path& File, int Records)
{
    std::mt19937 Source(static_cast<unsigned>(Records));
    TextFile Base;
    Base.AssignFile(File.string());
    Base.Rewrite();
    for (int Record = 0; Record < Records; ++Record) {
        Base.WriteLn(Words(Source, 55) + "?");
        for (int Answer = 0; Answer < 4; ++Answer)
            Base.WriteLn(Words(Source, 13));
        Base.WriteLn("level" + IntToStr(Record * 15 / Records + 1));
    }
    Base.Close();
}

// The scan and the draw read "base.txt" in the working directory.
void Measure(const fs::path& File, const std::string& Title)
{
    fs::current_path(File.parent_path());
    const double Megabytes = static_cast<double>(fs::file_size(File)) / 1e6;
    TLevelStart LevelStart;
    const double Scan = BestSeconds([&] { ScanLevels(LevelStart); });
    int DrawRange = 0;
    TQuestions Questions;
    const double Draw = BestSeconds([&] { DrawQuestions(LevelStart, DrawRange, Questions); });
    const double Wc = BestSeconds([&] { CountLinesWithWc(File); });
    std::printf("%-22s %9.1f MB %10d records | scan %8.2f ms %7.0f MB/s | draw %8.2f ms %7.0f MB/s | "
                "wc -l %8.2f ms %7.0f MB/s | scan/wc %5.2f | peak RSS %6ld KiB\n",
        Title.c_str(), Megabytes, DrawRange, Scan * 1e3, Megabytes / Scan, Draw * 1e3, Megabytes / Draw,
        Wc * 1e3, Megabytes / Wc, Scan / Wc, PeakResidentKiB());
    std::fflush(stdout);
}

void MeasureGivenFile(const fs::path& Given)
{
    // The programs read "base.txt"; a link of that name in a fresh folder points at the file.
    std::string Folder = (fs::temp_directory_path() / "kvizora-bench-XXXXXX").string();
    if (mkdtemp(Folder.data()) == nullptr)
        throw std::runtime_error("cannot make a folder in /tmp");
    const fs::path Link = fs::path(Folder) / "base.txt";
    fs::create_symlink(fs::absolute(Given), Link);
    try {
        Measure(Link, Given.filename().string());
    } catch (...) {
        fs::remove_all(Folder);
        throw;
    }
    fs::remove_all(Folder);
}

void MeasureGeneratedBases()
{
    std::string Folder = (fs::temp_directory_path() / "kvizora-bench-XXXXXX").string();
    if (mkdtemp(Folder.data()) == nullptr)
        throw std::runtime_error("cannot make a folder in /tmp");
    try {
        for (const int Records : {1000, 100000, 2000000}) {
            const fs::path Place = fs::path(Folder) / IntToStr(Records);
            fs::create_directory(Place);
            WriteBase(Place / "base.txt", Records);
            Measure(Place / "base.txt", IntToStr(Records) + " records");
            fs::remove_all(Place);
        }
    } catch (...) {
        fs::remove_all(Folder);
        throw;
    }
    fs::remove_all(Folder);
}

} // namespace

int main(int ArgumentCount, char** Arguments)
{
    try {
        Randomize();
        if (ArgumentCount > 2) {
            std::fprintf(stderr, "usage: questionbase_bench [base-file]\n");
            return 2;
        }
        if (ArgumentCount == 2)
            MeasureGivenFile(Arguments[1]);
        else
            MeasureGeneratedBases();
        return 0;
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "questionbase_bench: %s\n", Error.what());
        return 1;
    }
}
