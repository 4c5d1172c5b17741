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

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
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

// `wc -l < File > /dev/null`, started without a shell, so that only wc's own start-up and work
// are timed.
void CountLinesWithWc(const fs::path& File)
{
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, STDIN_FILENO, File.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* const Arguments[] = {const_cast<char*>("wc"), const_cast<char*>("-l"), nullptr};
    pid_t Child = 0;
    const int Error = posix_spawnp(&Child, "wc", &Actions, nullptr, Arguments, environ);
    posix_spawn_file_actions_destroy(&Actions);
    int Status = 0;
    if (Error != 0 || waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0)
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

// Records of about 140 bytes, as a real base holds, in 15 runs of equal size, every line ending in
// CR LF. A plain stream writes the base as it is made, however large it is.
void WriteBase(const fs::path& File, int Records)
{
    std::mt19937 Source(static_cast<unsigned>(Records));
    // Written in blocks of 256 KiB: the page cache holds a file written in small blocks in small
    // pages, which read back markedly slower and would slow every figure.
    std::vector<char> Buffer(256 * 1024);
    std::ofstream Base;
    Base.rdbuf()->pubsetbuf(Buffer.data(), static_cast<std::streamsize>(Buffer.size()));
    Base.open(File, std::ios::binary | std::ios::trunc);
    const auto WriteLn = [&Base](const std::string& Line) { Base << Line << "\r\n"; };
    for (int Record = 0; Record < Records; ++Record) {
        WriteLn(Words(Source, 55) + "?");
        for (int Answer = 0; Answer < 4; ++Answer)
            WriteLn(Words(Source, 13));
        WriteLn("level" + IntToStr(Record * 15 / Records + 1));
    }
    Base.close();
    // On the disk before it is measured, so that no write-back of it runs during the measurement.
    const int Fd = ::open(File.c_str(), O_RDONLY);
    const bool OnDisk = Fd >= 0 && ::fsync(Fd) == 0;
    if (Fd >= 0)
        ::close(Fd);
    if (!Base || !OnDisk)
        throw std::runtime_error("cannot write " + File.string());
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
    // Checked before the link is made, so that the error names the file as it was given.
    if (!fs::is_regular_file(Given))
        throw std::runtime_error(
            Given.string() + (fs::exists(Given) ? ": not a plain file" : ": no such file"));
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
    const char* const Usage = "usage: questionbase_bench [base-file]\n";
    if (ArgumentCount == 2
        && (std::strcmp(Arguments[1], "-h") == 0 || std::strcmp(Arguments[1], "--help") == 0)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    // Any other option is a mistake rather than the name of a base.
    if (ArgumentCount > 2 || (ArgumentCount == 2 && Arguments[1][0] == '-')) {
        std::fputs(Usage, stderr);
        return 2;
    }
    try {
        Randomize();
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
