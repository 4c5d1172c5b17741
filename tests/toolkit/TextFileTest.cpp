#include "TextFile.h"
#include "FileReplace.h"
#include "ResourceLimit.h"
#include "RowPrinting.h"
#include "SysUtils.h"
#include "WorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sched.h>
#include <string>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> ReadAllLines(const std::string& Name)
{
    TextFile File;
    File.AssignFile(Name);
    File.Reset();
    std::vector<std::string> Lines;
    while (!File.Eof())
        Lines.push_back(File.ReadLn());
    File.Close();
    return Lines;
}

std::vector<std::string> FolderEntries()
{
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator("."))
        Names.push_back(Entry.path().filename().string());
    return Names;
}

std::size_t OpenDescriptors()
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

// The code of the I/O error that Step throws, 0 when it throws none.
int IoErrorOf(const std::function<void()>& Step)
{
    try {
        Step();
    } catch (const EInOutError& Error) {
        return Error.ErrorCode();
    }
    return 0;
}

fs::perms PermissionsOf(const std::string& Name)
{
    return fs::status(Name).permissions();
}

struct LineCase {
    std::string Name;
    std::string Bytes;
    std::vector<std::string> Lines;
};

// CR LF pairs split between the end of one read and the start of the next, for any read size
// that is a power of two from 4 KiB to 4 MiB.
LineCase SplitLineEnds()
{
    LineCase Case{"CrLfSplitBetweenReads", {}, {}};
    for (std::size_t Size = 4096; Size <= 4u << 20; Size *= 2) {
        const std::string Line(Size - 1 - Case.Bytes.size(), 'a');
        Case.Bytes += Line + "\r\n";
        Case.Lines.push_back(Line);
    }
    return Case;
}

void PrintTo(const LineCase& Case, std::ostream* Out)
{
    // Rows of megabytes show their size, not their bytes.
    PrintRow(Out, Case.Name,
        Case.Bytes.size() > 64 ? std::to_string(Case.Bytes.size()) + " bytes"
                               : Printed(Case.Bytes) + " -> " + Listed(Case.Lines));
}

class TextFileLines : public testing::TestWithParam<LineCase> { };

TEST_P(TextFileLines, ReadLnFollowsTheLineRules)
{
    TempWorkDir Work;
    WriteBytes("lines.txt", GetParam().Bytes);
    EXPECT_EQ(ReadAllLines("lines.txt"), GetParam().Lines);
}

TEST_P(TextFileLines, SkipLnPassesLinesAsReadLnReadsThem)
{
    TempWorkDir Work;
    WriteBytes("lines.txt", GetParam().Bytes);
    const std::vector<std::string>& Lines = GetParam().Lines;
    for (std::size_t Skipped = 0; Skipped < Lines.size(); ++Skipped) {
        TextFile File;
        File.AssignFile("lines.txt");
        File.Reset();
        File.SkipLn(static_cast<int>(Skipped));
        EXPECT_EQ(File.ReadLn(), Lines[Skipped]) << Skipped << " skipped";
    }
}

const std::string LongLine(100000, 'x');

INSTANTIATE_TEST_SUITE_P(Cases, TextFileLines,
    testing::Values(LineCase{"LfEnds", "a\nb\n", {"a", "b"}}, LineCase{"CrLfEnds", "a\r\nb\r\n", {"a", "b"}},
        LineCase{"MixedEnds", "a\r\nb\nc\r\n", {"a", "b", "c"}},
        LineCase{"LoneCrDropped", "ab\rcd\n\r\rx\r", {"abcd", "x"}},
        LineCase{"NoFinalLineEnd", "a\r\nb", {"a", "b"}},
        LineCase{"CrLfThenCtrlZ", "a\r\nb\r\n\x1a", {"a", "b"}},
        LineCase{"CtrlZAtLineStartEndsTheFile", "a\r\n\x1a\r\nb\r\n", {"a"}},
        LineCase{"CtrlZInsideALineIsAByte", "a\x1a\r\nb\r\n", {"a\x1a", "b"}},
        LineCase{"EmptyLinesAndBlanksKept", "\r\n \n\t \r\n", {"", " ", "\t "}},
        LineCase{"EmptyFile", "", {}}, LineCase{"LineOf100000Bytes", LongLine + "\r\nend", {LongLine, "end"}},
        SplitLineEnds()),
    [](const auto& Info) { return Info.param.Name; });

TEST(TextFileTest, ReadingAtTheEndGivesEmptyLinesWithoutError)
{
    TempWorkDir Work;
    WriteBytes("cut.txt",
        "only\r\n\x1a"
        "after");
    TextFile File;
    File.AssignFile("cut.txt");
    File.Reset();
    EXPECT_EQ(File.ReadLn(), "only");
    EXPECT_TRUE(File.Eof());
    // A Ctrl-Z read by ReadLn is an ordinary byte; past the last byte every read is empty.
    EXPECT_EQ(File.ReadLn(),
        "\x1a"
        "after");
    EXPECT_TRUE(File.Eof());
    EXPECT_EQ(File.ReadLn(), "");
    File.SkipLn(3);
    EXPECT_EQ(File.ReadLn(), "");
    EXPECT_TRUE(File.Eof());
    File.Close();
}

TEST(TextFileTest, ResetReadsAgainFromTheStart)
{
    TempWorkDir Work;
    WriteBytes("twice.txt", "one\r\ntwo\r\n");
    TextFile File;
    File.AssignFile("twice.txt");
    File.Reset();
    EXPECT_EQ(File.ReadLn(), "one");
    File.Reset();
    EXPECT_EQ(File.ReadLn(), "one");
    EXPECT_EQ(File.ReadLn(), "two");
}

TEST(IoErrorMessageTest, CodesHaveTheRuntimesMessages)
{
    EXPECT_EQ(EInOutError(2).Message(), "File not found");
    EXPECT_EQ(EInOutError(3).Message(), "Invalid filename");
    EXPECT_EQ(EInOutError(4).Message(), "Too many open files");
    EXPECT_EQ(EInOutError(5).Message(), "File access denied");
    EXPECT_EQ(EInOutError(27).Message(), "I/O error 27");
    EXPECT_EQ(EInOutError(103).Message(), "I/O error 103");
    EXPECT_EQ(EInOutError(103).ErrorCode(), 103);
}

struct ErrnoCase {
    std::string Name;
    int Errno = 0;
    int Code = 0;
};

void PrintTo(const ErrnoCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name, "errno " + Printed(Case.Errno) + " -> " + Printed(Case.Code));
}

class IoErrorCodes : public testing::TestWithParam<ErrnoCase> { };

TEST_P(IoErrorCodes, SystemErrorsMapOntoRuntimeCodes)
{
    EXPECT_EQ(IoErrorCode(GetParam().Errno), GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(Cases, IoErrorCodes,
    testing::Values(ErrnoCase{"MissingFile", ENOENT, 2}, ErrnoCase{"MissingFolder", ENOTDIR, 2},
        ErrnoCase{"NameTooLong", ENAMETOOLONG, 3}, ErrnoCase{"InvalidName", EINVAL, 3},
        ErrnoCase{"ProcessOutOfHandles", EMFILE, 4}, ErrnoCase{"SystemOutOfHandles", ENFILE, 4},
        ErrnoCase{"AccessDenied", EACCES, 5}, ErrnoCase{"NotPermitted", EPERM, 5},
        ErrnoCase{"Directory", EISDIR, 5}, ErrnoCase{"ReadOnlyFileSystem", EROFS, 5},
        ErrnoCase{"DeviceFailureIsNotAccessDenied", EIO, 162}, ErrnoCase{"DiskFull", ENOSPC, ENOSPC},
        ErrnoCase{"FileTooLarge", EFBIG, EFBIG}),
    [](const auto& Info) { return Info.param.Name; });

struct OpenCase {
    std::string Name;
    std::string Path;
    bool ForWriting = false;
    int Code = 0;
};

void PrintTo(const OpenCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name,
        Printed(Case.Path) + (Case.ForWriting ? " for writing" : " for reading") + " -> "
            + Printed(Case.Code));
}

class TextFileOpenErrors : public testing::TestWithParam<OpenCase> { };

// A working folder with a plain file, a folder, a FIFO nobody reads and a socket nobody listens
// on; anything but the plain file is refused at once, never waited on.
TEST_P(TextFileOpenErrors, OpeningFailsWithTheRuntimesCode)
{
    TempWorkDir Work;
    WriteBytes("plain.txt", "x");
    fs::create_directory("folder");
    ASSERT_EQ(mkfifo("fifo", 0666), 0);
    const int Socket = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un Address{};
    Address.sun_family = AF_UNIX;
    std::strcpy(Address.sun_path, "socket");
    ASSERT_EQ(bind(Socket, reinterpret_cast<const sockaddr*>(&Address), sizeof Address), 0);
    TextFile File;
    File.AssignFile(GetParam().Path);
    EXPECT_EQ(IoErrorOf([&] { GetParam().ForWriting ? File.Rewrite() : File.Reset(); }), GetParam().Code);
    close(Socket);
    EXPECT_EQ(ReadBytes("plain.txt"), "x");
    EXPECT_EQ(FolderEntries().size(), 4u);
    EXPECT_TRUE(fs::is_fifo("fifo"));
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileOpenErrors,
    testing::Values(OpenCase{"MissingFile", "base.txt", false, 2},
        OpenCase{"MissingFolder", "nowhere/base.txt", false, 2},
        OpenCase{"MissingFolderForWriting", "nowhere/stat.txt", true, 2},
        OpenCase{"FileUsedAsFolder", "plain.txt/base.txt", false, 2},
        OpenCase{"DirectoryForReading", "folder", false, 5},
        OpenCase{"DirectoryForWriting", "folder", true, 5}, OpenCase{"FifoForReading", "fifo", false, 5},
        OpenCase{"FifoForWriting", "fifo", true, 5}, OpenCase{"SocketForReading", "socket", false, 5},
        OpenCase{"SocketForWriting", "socket", true, 5}, OpenCase{"DeviceForReading", "/dev/zero", false, 5},
        OpenCase{"DeviceForWriting", "/dev/null", true, 5},
        OpenCase{"NameTooLong", std::string(300, 'n'), false, 3}),
    [](const auto& Info) { return Info.param.Name; });

TEST(TextFileTest, DeniedAccessFailsAndKeepsTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "access is never denied to root";
    TempWorkDir Work;
    WriteBytes("stat.txt", "0\r\n");
    fs::permissions("stat.txt", fs::perms::owner_read);
    TextFile File;
    File.AssignFile("stat.txt");
    EXPECT_EQ(IoErrorOf([&] { File.Rewrite(); }), 5);
    fs::permissions("stat.txt", fs::perms::none);
    EXPECT_EQ(IoErrorOf([&] { File.Reset(); }), 5);
    fs::permissions("stat.txt", fs::perms::owner_read);
    EXPECT_EQ(ReadBytes("stat.txt"), "0\r\n");
    EXPECT_EQ(FolderEntries().size(), 1u);
}

TEST(TextFileTest, TooManyOpenFilesFailsWithCode4)
{
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers' runtime opens files of its own while it checks, and fails without them.
    GTEST_SKIP() << "needs a process without the sanitizers' runtime";
#endif
    TempWorkDir Work;
    WriteBytes("base.txt", "x");
    // The lowest free descriptor becomes the limit, so the next open has none left.
    const int Probe = open("/dev/null", O_RDONLY);
    ASSERT_GE(Probe, 0);
    close(Probe);
    TextFile File;
    File.AssignFile("base.txt");
    const auto ResetWithoutDescriptors = [&] {
        ResourceLimit Limit(RLIMIT_NOFILE, static_cast<rlim_t>(Probe));
        File.Reset();
    };
    EXPECT_EQ(IoErrorOf(ResetWithoutDescriptors), 4);
}

TEST(TextFileTest, DeviceErrorWhileReadingIsNoAccessDenied)
{
    // Reading this process's memory from address 0, which is never mapped, fails with EIO.
    TextFile File;
    File.AssignFile("/proc/self/mem");
    File.Reset();
    try {
        File.ReadLn();
        FAIL() << "no error";
    } catch (const EInOutError& Error) {
        EXPECT_EQ(Error.ErrorCode(), 162);
        EXPECT_EQ(Error.Message(), "I/O error 162");
    }
}

using FileStep = std::function<void(TextFile&)>;

struct MisuseCase {
    std::string Name;
    FileStep Prepare;
    FileStep Call;
    int Code = 0;
};

void PrintTo(const MisuseCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name, "code " + Printed(Case.Code));
}

class TextFileMisuse : public testing::TestWithParam<MisuseCase> { };

TEST_P(TextFileMisuse, FailsWithTheRuntimesCode)
{
    TempWorkDir Work;
    WriteBytes("file.txt", "x\r\n");
    TextFile File;
    GetParam().Prepare(File);
    EXPECT_EQ(IoErrorOf([&] { GetParam().Call(File); }), GetParam().Code);
}

const FileStep NotAssigned = [](TextFile&) {};
const FileStep AssignedOnly = [](TextFile& File) { File.AssignFile("file.txt"); };
const FileStep OpenForReading = [](TextFile& File) {
    File.AssignFile("file.txt");
    File.Reset();
};
const FileStep OpenForWriting = [](TextFile& File) {
    File.AssignFile("file.txt");
    File.Rewrite();
};
const FileStep ReadLn = [](TextFile& File) { File.ReadLn(); };
const FileStep WriteLn = [](TextFile& File) { File.WriteLn("x"); };
const FileStep SkipLn = [](TextFile& File) { File.SkipLn(1); };
const FileStep Eof = [](TextFile& File) { File.Eof(); };
const FileStep Close = [](TextFile& File) { File.Close(); };

INSTANTIATE_TEST_SUITE_P(Cases, TextFileMisuse,
    testing::Values(MisuseCase{"ReadLnNotOpen", AssignedOnly, ReadLn, 103},
        MisuseCase{"EofNotOpen", AssignedOnly, Eof, 103},
        MisuseCase{"CloseNotOpen", AssignedOnly, Close, 103},
        MisuseCase{"WriteLnNotOpen", AssignedOnly, WriteLn, 103},
        MisuseCase{"SkipLnNotOpen", AssignedOnly, SkipLn, 103},
        MisuseCase{"SkipLnWhileWriting", OpenForWriting, SkipLn, 104},
        MisuseCase{"ReadLnWhileWriting", OpenForWriting, ReadLn, 104},
        MisuseCase{"EofWhileWriting", OpenForWriting, Eof, 104},
        MisuseCase{"WriteLnWhileReading", OpenForReading, WriteLn, 105},
        MisuseCase{"ResetUnassigned", NotAssigned, [](TextFile& File) { File.Reset(); }, 102},
        MisuseCase{"RewriteUnassigned", NotAssigned, [](TextFile& File) { File.Rewrite(); }, 102}),
    [](const auto& Info) { return Info.param.Name; });

TEST(TextFileTest, FilesAreClosedWhenAnExceptionLeaves)
{
    TempWorkDir Work;
    WriteBytes("stat.txt", "1\r\n2\r\n");
    const std::size_t Before = OpenDescriptors();
    try {
        TextFile Reading;
        Reading.AssignFile("stat.txt");
        Reading.Reset();
        TextFile Writing;
        Writing.AssignFile("stat.txt");
        Writing.Rewrite();
        Writing.WriteLn("9");
        throw std::runtime_error("left early");
    } catch (const std::runtime_error&) { }
    EXPECT_EQ(OpenDescriptors(), Before);
    EXPECT_EQ(ReadBytes("stat.txt"), "1\r\n2\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"stat.txt"});
}

TEST(TextFileTest, BindingAnotherNameDropsAnUnfinishedRewrite)
{
    TempWorkDir Work;
    WriteBytes("stat.txt", "1\r\n");
    TextFile File;
    File.AssignFile("stat.txt");
    File.Rewrite();
    File.WriteLn("2");
    File.AssignFile("other.txt");
    EXPECT_EQ(IoErrorOf([&] { File.Close(); }), 103);
    EXPECT_EQ(ReadBytes("stat.txt"), "1\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"stat.txt"});
}

TEST(TextFileTest, RewriteReplacesTheFileOnlyAtClose)
{
    TempWorkDir Work;
    WriteBytes("stat.txt", "1\r\n2\r\n3\r\n");
    fs::permissions("stat.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TextFile File;
    File.AssignFile("stat.txt");
    File.Reset();
    const std::string First = File.ReadLn();
    File.Close();
    File.Rewrite();
    File.WriteLn(First + "0");
    File.WriteLn("");
    File.WriteLn("\xc0\xe1");
    EXPECT_EQ(ReadBytes("stat.txt"), "1\r\n2\r\n3\r\n");
    File.Close();
    EXPECT_EQ(ReadBytes("stat.txt"), "10\r\n\r\n\xc0\xe1\r\n");
    EXPECT_EQ(
        PermissionsOf("stat.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"stat.txt"});
}

TEST(TextFileTest, RewriteThroughALinkReplacesTheFileItLeadsTo)
{
    TempWorkDir Work;
    fs::create_directory("shared");
    WriteBytes("shared/stat.txt", "1\r\n");
    fs::create_symlink("shared/stat.txt", "stat.txt");
    TextFile File;
    File.AssignFile("stat.txt");
    File.Rewrite();
    File.WriteLn("2");
    File.Close();
    EXPECT_TRUE(fs::is_symlink("stat.txt"));
    EXPECT_EQ(ReadBytes("shared/stat.txt"), "2\r\n");
    EXPECT_EQ(FolderEntries().size(), 2u);
}

TEST(TextFileTest, RewriteCreatesANewFileWithTheUmasksPermissions)
{
    TempWorkDir Work;
    const mode_t Previous = umask(027);
    TextFile File;
    File.AssignFile("new.txt");
    File.Rewrite();
    File.WriteLn("a");
    File.Close();
    umask(Previous);
    EXPECT_EQ(ReadBytes("new.txt"), "a\r\n");
    EXPECT_EQ(
        PermissionsOf("new.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A rewrite keeps all that a rewrite in place keeps, and saves the new content wherever a rewrite
// in place could save it: each row prepares the working folder, binds File, writes "new" in its
// place and checks what is there afterwards. Rows that need other users' files or a file system
// of their own run only as root; the second user's rows run the rewrite in a child process that
// has taken that user's ids, as setpriv would, and the mounted file's row in a child with a mount
// namespace of its own.
constexpr uid_t OwnerId = 4241;  // owns the shared files; its group is OwnerId too
constexpr uid_t WriterId = 4242; // a member of the owner's group

enum class TWriter { Self, GroupMember, SelfWithAFileMountedOnStat };

struct ReplaceCase {
    std::string Name;
    TWriter Writer = TWriter::Self;
    bool NeedsRoot = false;
    std::string File;
    std::function<void()> Prepare;
    int Code = 0;
    std::function<void()> Check;
};

// Writes Text as the whole content of File; the I/O error code, or 0.
int RewriteWith(const std::string& File, const std::string& Text = "new")
{
    return IoErrorOf([&] {
        TextFile Writing;
        Writing.AssignFile(File);
        Writing.Rewrite();
        Writing.WriteLn(Text);
        Writing.Close();
    });
}

// The exit code of a child that could not take another user's ids or mount a file.
constexpr int CannotSetUp = 255;

// Runs Step in a child process; its exit code, or -1 when it did not exit.
int InChild(const std::function<int()>& Step)
{
    const pid_t Child = fork();
    if (Child == 0)
        _exit(Step());
    int Status = 0;
    if (Child < 0 || waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status))
        return -1;
    return WEXITSTATUS(Status);
}

// Takes the ids of User, a member of the owner's group, as setpriv would.
bool BecomeGroupMember(uid_t User)
{
    const gid_t Groups[] = {OwnerId};
    return setgroups(1, Groups) == 0 && setresgid(User, User, User) == 0 && setresuid(User, User, User) == 0;
}

int RewriteAsGroupMember(const std::string& File)
{
    return InChild([&] { return BecomeGroupMember(WriterId) ? RewriteWith(File) : CannotSetUp; });
}

// "bound.txt" mounted on "stat.txt", as a container gets a single file, seen only by the child.
int RewriteWithAFileMountedOnStat(const std::string& File)
{
    return InChild([&] {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("bound.txt", "stat.txt", nullptr, MS_BIND, nullptr) != 0)
            return CannotSetUp;
        return RewriteWith(File);
    });
}

struct stat InfoOf(const std::string& Name)
{
    struct stat Info { };
    EXPECT_EQ(lstat(Name.c_str(), &Info), 0) << Name;
    return Info;
}

std::vector<std::string> SortedEntries(const std::string& Folder)
{
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator(Folder))
        Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

void WriteOwned(const std::string& Name, uid_t Owner, mode_t Mode)
{
    WriteBytes(Name, "old\r\n");
    ASSERT_EQ(chown(Name.c_str(), Owner, OwnerId), 0);
    ASSERT_EQ(chmod(Name.c_str(), Mode), 0);
}

// A folder that the second user can reach: the working folder itself belongs to root.
void SharedFolder(const std::string& Name, uid_t Owner, mode_t Mode)
{
    fs::permissions(".",
        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read
            | fs::perms::others_exec);
    fs::create_directory(Name);
    ASSERT_EQ(chown(Name.c_str(), Owner, OwnerId), 0);
    ASSERT_EQ(chmod(Name.c_str(), Mode), 0);
}

void PrintTo(const ReplaceCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name, Printed(Case.File) + " -> " + Printed(Case.Code));
}

// The file that a row replaces or puts somewhere, to tell it from another one afterwards.
ino_t InodeBefore = 0;

// What another user may have put in the folder under a name that a rewrite could use, before
// the rewrite: the planted thing must stay as it was, and the count must be saved all the same.
// Where the tests run as root, the planted things belong to another user, as in a folder like
// /tmp that everyone may write to.
struct TPlanted {
    std::string Name;
    std::function<void(const std::string& At)> Plant;
    std::function<void(const std::string& At)> Check;
};

// The fixed name that temporary files once had, and the first fresh name that a rewrite tries
// once the fresh names' random bytes are zeros (see ZeroBytesFirst).
const std::string FixedTemporaryName = "stat.txt.tmp";
const std::string FirstFreshName = "stat.txt." + std::string(24, '0');

// The first fresh name of a rewrite is made of zero bytes, every later one of random bytes.
TRandomBytes SystemBytes = nullptr;
bool ZeroBytesGiven = false;
bool ZeroBytesFirst(unsigned char* Bytes, std::size_t Count)
{
    if (ZeroBytesGiven)
        return SystemBytes(Bytes, Count);
    ZeroBytesGiven = true;
    std::fill_n(Bytes, Count, 0);
    return true;
}

uid_t PlanterId()
{
    return geteuid() == 0 ? WriterId : geteuid();
}

void GiveAwayWhereRoot(const std::string& Name)
{
    if (geteuid() == 0) {
        EXPECT_EQ(lchown(Name.c_str(), WriterId, WriterId), 0) << Name;
    }
}

// A descriptor that the planter keeps open on the planted file, to write into it afterwards.
int PlantersDescriptor = -1;

const TPlanted PlantedFileKeptOpen{"PlainFileKeptOpen",
    [](const std::string& At) {
        PlantersDescriptor = open(At.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
        ASSERT_GE(PlantersDescriptor, 0);
        ASSERT_EQ(fchmod(PlantersDescriptor, 0666), 0);
        GiveAwayWhereRoot(At);
        InodeBefore = InfoOf(At).st_ino;
    },
    [](const std::string& At) {
        EXPECT_EQ(ReadBytes(At), "");
        EXPECT_EQ(InfoOf(At).st_ino, InodeBefore);
        EXPECT_EQ(InfoOf(At).st_mode & 07777, 0666u);
        EXPECT_EQ(InfoOf(At).st_uid, PlanterId());
        EXPECT_NE(InfoOf("stat.txt").st_ino, InodeBefore);
        // What the planter writes goes to the planted file, not to the statistics.
        EXPECT_EQ(write(PlantersDescriptor, "x", 1), 1);
        close(PlantersDescriptor);
        EXPECT_EQ(ReadBytes("stat.txt"), "new\r\n");
    }};

const TPlanted PlantedHardLink{"HardLinkToAnotherFile",
    [](const std::string& At) {
        WriteBytes("victim.txt", "victim\r\n");
        GiveAwayWhereRoot("victim.txt");
        fs::create_hard_link("victim.txt", At);
    },
    [](const std::string& At) {
        EXPECT_EQ(ReadBytes("victim.txt"), "victim\r\n");
        EXPECT_EQ(InfoOf("victim.txt").st_nlink, 2u);
        EXPECT_EQ(InfoOf(At).st_ino, InfoOf("victim.txt").st_ino);
        EXPECT_EQ(InfoOf("victim.txt").st_uid, PlanterId());
    }};

const TPlanted PlantedSymbolicLink{"SymbolicLinkToAnotherFile",
    [](const std::string& At) {
        WriteBytes("victim.txt", "victim\r\n");
        fs::create_symlink("victim.txt", At);
        GiveAwayWhereRoot(At);
    },
    [](const std::string& At) {
        EXPECT_EQ(fs::read_symlink(At), "victim.txt");
        EXPECT_EQ(ReadBytes("victim.txt"), "victim\r\n");
    }};

const TPlanted PlantedFifo{"Fifo",
    [](const std::string& At) {
        ASSERT_EQ(mkfifo(At.c_str(), 0666), 0);
        GiveAwayWhereRoot(At);
    },
    [](const std::string& At) { EXPECT_TRUE(fs::is_fifo(At)); }};

const TPlanted PlantedFolder{"Folder",
    [](const std::string& At) {
        fs::create_directory(At);
        GiveAwayWhereRoot(At);
    },
    [](const std::string& At) { EXPECT_TRUE(fs::is_empty(At)); }};

// One row for each planted thing at each name.
std::vector<ReplaceCase> PlantedCases()
{
    std::vector<ReplaceCase> Cases;
    for (const TPlanted* Planted :
        {&PlantedFileKeptOpen, &PlantedHardLink, &PlantedSymbolicLink, &PlantedFifo, &PlantedFolder})
        for (const auto& [Where, At] :
            {std::pair<std::string, std::string>{"AtTheFixedName", FixedTemporaryName},
                {"AtTheFirstFreshName", FirstFreshName}})
            Cases.push_back({"Planted" + Planted->Name + Where + "StaysAndTheCountIsSaved", TWriter::Self,
                false, "stat.txt",
                [Planted, At = At] {
                    // Everyone may make files here, as in /tmp.
                    fs::permissions(".", fs::perms::all | fs::perms::sticky_bit);
                    WriteBytes("stat.txt", "old\r\n");
                    Planted->Plant(At);
                },
                0,
                [Planted, At = At] {
                    Planted->Check(At);
                    EXPECT_EQ(ReadBytes("stat.txt"), "new\r\n");
                    std::vector<std::string> Expected{At, "stat.txt"};
                    if (fs::exists("victim.txt"))
                        Expected.push_back("victim.txt");
                    std::sort(Expected.begin(), Expected.end());
                    EXPECT_EQ(SortedEntries("."), Expected);
                }});
    return Cases;
}

int RewriteAs(TWriter Writer, const std::string& File)
{
    switch (Writer) {
    case TWriter::GroupMember:
        return RewriteAsGroupMember(File);
    case TWriter::SelfWithAFileMountedOnStat:
        return RewriteWithAFileMountedOnStat(File);
    case TWriter::Self:
        break;
    }
    return RewriteWith(File);
}

class TextFileReplace : public testing::TestWithParam<ReplaceCase> {
protected:
    void SetUp() override
    {
        ZeroBytesGiven = false;
        SystemBytes = SetFreshNameSource(ZeroBytesFirst);
    }
    void TearDown() override
    {
        SetFreshNameSource(SystemBytes);
        if (fs::exists("disk"))
            umount2("disk", MNT_DETACH);
    }

    // Prepares the row, rewrites its file as its writer and checks the outcome.
    static void Run(const ReplaceCase& Case)
    {
        if (Case.NeedsRoot && geteuid() != 0)
            GTEST_SKIP() << "needs other users' files or a file system of its own, so root";
        if (Case.NeedsRoot) {
            // A root whose user namespace holds no other user cannot give files away.
            WriteBytes("probe", "");
            const bool GivenAway = chown("probe", OwnerId, OwnerId) == 0;
            fs::remove("probe");
            if (!GivenAway)
                GTEST_SKIP() << "files cannot be given to another user here";
        }
        Case.Prepare();
        if (testing::Test::IsSkipped() || testing::Test::HasFatalFailure())
            return;
        const int Code = RewriteAs(Case.Writer, Case.File);
        if (Code == CannotSetUp)
            GTEST_SKIP() << "another user's ids cannot be taken or a file mounted here";
        EXPECT_EQ(Code, Case.Code);
        Case.Check();
    }

    TempWorkDir Work;
};

TEST_P(TextFileReplace, KeepsWhatARewriteInPlaceKeepsAndSavesWhereItCould)
{
    Run(GetParam());
}

std::vector<ReplaceCase> ReplaceCases()
{
    std::vector<ReplaceCase> Cases{
        ReplaceCase{"PlainFileIsReplacedByANewOneWithItsMode", TWriter::Self, false, "stat.txt",
            [] {
                WriteBytes("stat.txt", "old\r\n");
                fs::permissions(
                    "stat.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
                InodeBefore = InfoOf("stat.txt").st_ino;
            },
            0,
            [] {
                EXPECT_EQ(ReadBytes("stat.txt"), "new\r\n");
                EXPECT_NE(InfoOf("stat.txt").st_ino, InodeBefore);
                EXPECT_EQ(InfoOf("stat.txt").st_mode & 07777, 0640u);
                EXPECT_EQ(SortedEntries("."), std::vector<std::string>{"stat.txt"});
            }},
        ReplaceCase{"HardLinkedFileIsRewrittenForBothNames", TWriter::Self, false, "stat.txt",
            [] {
                WriteBytes("stat.txt", "old\r\n");
                fs::create_hard_link("stat.txt", "other.txt");
            },
            0,
            [] {
                EXPECT_EQ(ReadBytes("stat.txt"), "new\r\n");
                EXPECT_EQ(ReadBytes("other.txt"), "new\r\n");
                EXPECT_EQ(InfoOf("stat.txt").st_nlink, 2u);
                EXPECT_EQ(SortedEntries("."), (std::vector<std::string>{"other.txt", "stat.txt"}));
            }},
        ReplaceCase{"SymbolicLinkStaysAndItsTargetIsReplaced", TWriter::Self, false, "stat.txt",
            [] {
                fs::create_directory("shared");
                WriteBytes("shared/stat.txt", "old\r\n");
                fs::create_symlink("shared/stat.txt", "stat.txt");
            },
            0,
            [] {
                EXPECT_TRUE(fs::is_symlink("stat.txt"));
                EXPECT_EQ(ReadBytes("shared/stat.txt"), "new\r\n");
                EXPECT_EQ(SortedEntries("shared"), std::vector<std::string>{"stat.txt"});
            }},
        ReplaceCase{"SymbolicLinkToADeletedTargetStaysAndTheTargetIsMade", TWriter::Self, false, "stat.txt",
            [] {
                fs::create_directory("shared");
                fs::create_symlink("shared/stat.txt", "stat.txt");
            },
            0,
            [] {
                EXPECT_TRUE(fs::is_symlink("stat.txt"));
                EXPECT_EQ(ReadBytes("shared/stat.txt"), "new\r\n");
                EXPECT_EQ(SortedEntries("shared"), std::vector<std::string>{"stat.txt"});
            }},
        ReplaceCase{"OwnerAndGroupStayWhenAGroupMemberWrites", TWriter::GroupMember, true, "shared/stat.txt",
            [] {
                SharedFolder("shared", OwnerId, 0775);
                WriteOwned("shared/stat.txt", OwnerId, 0664);
            },
            0,
            [] {
                EXPECT_EQ(ReadBytes("shared/stat.txt"), "new\r\n");
                EXPECT_EQ(InfoOf("shared/stat.txt").st_uid, OwnerId);
                EXPECT_EQ(InfoOf("shared/stat.txt").st_gid, OwnerId);
                EXPECT_EQ(InfoOf("shared/stat.txt").st_mode & 07777, 0664u);
                EXPECT_EQ(SortedEntries("shared"), std::vector<std::string>{"stat.txt"});
            }},
        ReplaceCase{"OwnerAndGroupStayWhenRootWrites", TWriter::Self, true, "stat.txt",
            [] { WriteOwned("stat.txt", OwnerId, 0644); }, 0,
            [] {
                EXPECT_EQ(ReadBytes("stat.txt"), "new\r\n");
                EXPECT_EQ(InfoOf("stat.txt").st_uid, OwnerId);
                EXPECT_EQ(InfoOf("stat.txt").st_gid, OwnerId);
                EXPECT_EQ(InfoOf("stat.txt").st_mode & 07777, 0644u);
            }},
        ReplaceCase{"WritableFileInAFolderThatMayNotBeWrittenIsRewrittenInPlace", TWriter::GroupMember, true,
            "shared/stat.txt",
            [] {
                SharedFolder("shared", 0, 0755);
                WriteOwned("shared/stat.txt", WriterId, 0644);
            },
            0,
            [] {
                EXPECT_EQ(ReadBytes("shared/stat.txt"), "new\r\n");
                EXPECT_EQ(SortedEntries("shared"), std::vector<std::string>{"stat.txt"});
            }},
        ReplaceCase{"FileThatMayNotBeWrittenIsDeniedAndStays", TWriter::GroupMember, true, "shared/stat.txt",
            [] {
                SharedFolder("shared", OwnerId, 0775);
                WriteOwned("shared/stat.txt", OwnerId, 0644);
            },
            5,
            [] {
                EXPECT_EQ(ReadBytes("shared/stat.txt"), "old\r\n");
                EXPECT_EQ(SortedEntries("shared"), std::vector<std::string>{"stat.txt"});
            }},
        ReplaceCase{"FullDiskWithoutRoomForASecondCopyIsRewrittenInPlace", TWriter::Self, true,
            "disk/stat.txt",
            [] {
                fs::create_directory("disk");
                if (mount("tmpfs", "disk", "tmpfs", 0, "size=16k") != 0)
                    GTEST_SKIP() << "cannot mount a small file system here";
                WriteBytes("disk/stat.txt", "old\r\n");
                // Fills the file system up to its last byte.
                const int Filler = open("disk/filler", O_WRONLY | O_CREAT, 0644);
                ASSERT_GE(Filler, 0);
                const std::string Block(4096, 'x');
                while (write(Filler, Block.data(), Block.size()) > 0) { }
                while (write(Filler, "x", 1) > 0) { }
                close(Filler);
            },
            0,
            [] {
                EXPECT_EQ(ReadBytes("disk/stat.txt"), "new\r\n");
                EXPECT_EQ(SortedEntries("disk"), (std::vector<std::string>{"filler", "stat.txt"}));
            }},
        ReplaceCase{"FileMountedOnItsOwnIsRewrittenInPlace", TWriter::SelfWithAFileMountedOnStat, true,
            "stat.txt",
            [] {
                WriteBytes("stat.txt", "old\r\n");
                WriteBytes("bound.txt", "old\r\n");
            },
            0,
            [] {
                EXPECT_EQ(ReadBytes("bound.txt"), "new\r\n");
                EXPECT_EQ(ReadBytes("stat.txt"), "old\r\n");
                EXPECT_EQ(SortedEntries("."), (std::vector<std::string>{"bound.txt", "stat.txt"}));
            }}};
    for (ReplaceCase& Case : PlantedCases())
        Cases.push_back(std::move(Case));
    return Cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileReplace, testing::ValuesIn(ReplaceCases()),
    [](const auto& Info) { return Info.param.Name; });

// A symbolic link is followed for writing only where the writer or the owner of the folder that
// holds it made it, at every step of the way. The rows work in "shared", a group folder of the
// owner's (2775), where the player (WriterId) and another member of the group may both make
// names, and "private", the player's own folder with "victim.txt", a file of the player's. The
// player rewrites "shared/stat.txt"; a refused link leaves both folders as they were.
constexpr uid_t OtherMemberId = 4243;

void GroupFolderAndPrivateFolder()
{
    SharedFolder("shared", OwnerId, 02775);
    fs::create_directory("private");
    ASSERT_EQ(chown("private", WriterId, WriterId), 0);
    ASSERT_EQ(chmod("private", 0700), 0);
    WriteBytes("private/victim.txt", "victim\r\n");
    ASSERT_EQ(chown("private/victim.txt", WriterId, WriterId), 0);
    ASSERT_EQ(chmod("private/victim.txt", 0600), 0);
}

void LinkOwned(const std::string& Target, const std::string& Name, uid_t Owner)
{
    fs::create_symlink(Target, Name);
    ASSERT_EQ(lchown(Name.c_str(), Owner, OwnerId), 0) << Name;
}

std::string InWorkDir(const std::string& Name)
{
    return (fs::current_path() / Name).string();
}

ReplaceCase RefusedLink(const std::string& Name, const std::function<void()>& Links,
    const std::vector<std::string>& SharedEntries)
{
    return {Name, TWriter::GroupMember, true, "shared/stat.txt",
        [Links] {
            GroupFolderAndPrivateFolder();
            Links();
        },
        5,
        [SharedEntries] {
            EXPECT_EQ(ReadBytes("private/victim.txt"), "victim\r\n");
            EXPECT_EQ(InfoOf("private/victim.txt").st_mode & 07777, 0600u);
            EXPECT_EQ(SortedEntries("private"), std::vector<std::string>{"victim.txt"});
            EXPECT_EQ(SortedEntries("shared"), SharedEntries);
            EXPECT_TRUE(fs::is_symlink("shared/stat.txt"));
        }};
}

ReplaceCase CountedInThePlayersFile(const std::string& Name, const std::function<void()>& Links)
{
    return {Name, TWriter::GroupMember, true, "shared/stat.txt",
        [Links] {
            GroupFolderAndPrivateFolder();
            WriteOwned("private/stat.txt", WriterId, 0640); // the player's own statistics
            Links();
        },
        0,
        [] {
            EXPECT_TRUE(fs::is_symlink("shared/stat.txt"));
            EXPECT_EQ(ReadBytes("private/stat.txt"), "new\r\n");
            EXPECT_EQ(InfoOf("private/stat.txt").st_uid, WriterId);
            EXPECT_EQ(InfoOf("private/stat.txt").st_mode & 07777, 0640u);
            EXPECT_EQ(SortedEntries("private"), (std::vector<std::string>{"stat.txt", "victim.txt"}));
            EXPECT_EQ(ReadBytes("private/victim.txt"), "victim\r\n");
        }};
}

class TextFileLinks : public TextFileReplace { };

TEST_P(TextFileLinks, AreFollowedOnlyWhereTheWriterOrTheFolderOwnerMadeThem)
{
    Run(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileLinks,
    testing::Values(RefusedLink("AnotherMembersLinkToThePlayersFileIsRefused",
                        [] { LinkOwned(InWorkDir("private/victim.txt"), "shared/stat.txt", OtherMemberId); },
                        {"stat.txt"}),
        RefusedLink("AnotherMembersLinkToANameNotYetMadeIsRefused",
            [] { LinkOwned(InWorkDir("private/new.txt"), "shared/stat.txt", OtherMemberId); }, {"stat.txt"}),
        RefusedLink("AnotherMembersLinkInThePlayersChainIsRefused",
            [] {
                LinkOwned("hop", "shared/stat.txt", WriterId);
                LinkOwned(InWorkDir("private/victim.txt"), "shared/hop", OtherMemberId);
            },
            {"hop", "stat.txt"}),
        RefusedLink("AnotherMembersFolderLinkInTheTargetIsRefused",
            [] {
                LinkOwned("way/victim.txt", "shared/stat.txt", WriterId);
                LinkOwned(InWorkDir("private"), "shared/way", OtherMemberId);
            },
            {"stat.txt", "way"}),
        CountedInThePlayersFile("PlayersOwnLinkToAFileInAnotherFolderIsCounted",
            [] { LinkOwned(InWorkDir("private/stat.txt"), "shared/stat.txt", WriterId); }),
        CountedInThePlayersFile("PlayersChainOfLinksIsCounted",
            [] {
                LinkOwned("hop", "shared/stat.txt", WriterId);
                LinkOwned(InWorkDir("private/stat.txt"), "shared/hop", WriterId);
            }),
        ReplaceCase{"FolderOwnersLinkIsCounted", TWriter::GroupMember, true, "shared/stat.txt",
            [] {
                GroupFolderAndPrivateFolder();
                SharedFolder("shared/counts", OwnerId, 02775);
                WriteOwned("shared/counts/stat.txt", OwnerId, 0664);
                LinkOwned("counts/stat.txt", "shared/stat.txt", OwnerId);
            },
            0,
            [] {
                EXPECT_TRUE(fs::is_symlink("shared/stat.txt"));
                EXPECT_EQ(ReadBytes("shared/counts/stat.txt"), "new\r\n");
                EXPECT_EQ(InfoOf("shared/counts/stat.txt").st_uid, OwnerId);
                EXPECT_EQ(InfoOf("shared/counts/stat.txt").st_mode & 07777, 0664u);
                EXPECT_EQ(SortedEntries("shared/counts"), std::vector<std::string>{"stat.txt"});
            }}),
    [](const auto& Info) { return Info.param.Name; });

// Rewrites in place take turns through a lock on the file, which anyone who may read the file can
// take. Held for longer than the rewrite waits, it makes the rewrite fail with the file as it was;
// let go, the same rewrite goes through. The pauses between the tries are counted, not waited.
class TextFileLockTest : public testing::Test {
protected:
    void SetUp() override
    {
        Pauses = 0;
        LetGoAt = 0;
        SystemPause = SetLockPause(CountPause);
        // A file with a second name is rewritten in place.
        WriteBytes("stat.txt", "old\r\n");
        fs::create_hard_link("stat.txt", "other.txt");
        Holder = open("stat.txt", O_RDONLY);
        ASSERT_GE(Holder, 0);
        ASSERT_EQ(flock(Holder, LOCK_SH), 0);
    }
    void TearDown() override
    {
        SetLockPause(SystemPause);
        close(Holder);
    }

    static void CountPause()
    {
        if (++Pauses == LetGoAt)
            flock(Holder, LOCK_UN);
    }

    static inline int Pauses = 0;
    static inline int LetGoAt = 0; // the pause after which the holder lets the lock go; 0: never
    static inline int Holder = -1;
    TLockPause SystemPause = nullptr;
    TempWorkDir Work;
};

TEST_F(TextFileLockTest, ALockHeldForGoodFailsTheRewriteInPlaceAndKeepsTheFile)
{
    EXPECT_EQ(RewriteWith("stat.txt"), EWOULDBLOCK);
    EXPECT_EQ(ReadBytes("stat.txt"), "old\r\n");
    EXPECT_EQ(InfoOf("stat.txt").st_nlink, 2u);
    // The wait is bounded: pauses of 10 ms for about 2 s.
    EXPECT_GT(Pauses, 0);
    EXPECT_LE(Pauses, 300);

    ASSERT_EQ(flock(Holder, LOCK_UN), 0);
    EXPECT_EQ(RewriteWith("stat.txt"), 0);
    EXPECT_EQ(ReadBytes("other.txt"), "new\r\n");
}

TEST_F(TextFileLockTest, ALockLetGoDuringTheWaitIsTakenAndTheRewriteGoesThrough)
{
    LetGoAt = 3;
    EXPECT_EQ(RewriteWith("stat.txt"), 0);
    EXPECT_EQ(Pauses, 3);
    EXPECT_EQ(ReadBytes("other.txt"), "new\r\n");
}

// Two programs rewriting one file again and again at the same moment, each with content of its
// own length: after every round the file holds the whole content of one of them, keeps its owner,
// group and mode, and has nothing beside it; neither program saw an error. The rows with two users
// run as root, each writer in a child that has taken its user's ids.
struct TogetherCase {
    std::string Name;
    bool TwoUsers = false; // the owner and a member of its group; else both are this process's user
    std::string File;
    std::function<void()> Prepare;
    std::vector<std::string> Entries; // of the file's folder afterwards
};

void PrintTo(const TogetherCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name, Printed(Case.File) + (Case.TwoUsers ? ", two users" : ", one user"));
}

constexpr int Rounds = 10;
constexpr int RewritesEachRound = 20;

// What writer 0 or 1 writes each time.
std::string TextOf(int Writer)
{
    return Writer == 0 ? "1" : "22";
}

std::string ContentOf(int Writer)
{
    return Lines(std::vector<std::string>(16, TextOf(Writer)));
}

// Rewrites File RewritesEachRound times with the content of Writer once Start is closed; the
// first I/O error code, or 0.
int RewriteAgainAndAgain(const std::string& File, int Writer, int Start)
{
    char Byte = 0;
    while (read(Start, &Byte, 1) < 0 && errno == EINTR) { }
    for (int Time = 0; Time < RewritesEachRound; ++Time)
        if (const int Code = IoErrorOf([&] {
                TextFile Writing;
                Writing.AssignFile(File);
                Writing.Rewrite();
                for (int Line = 0; Line < 16; ++Line)
                    Writing.WriteLn(TextOf(Writer));
                Writing.Close();
            });
            Code != 0)
            return Code;
    return 0;
}

class TextFileRewrittenTogether : public testing::TestWithParam<TogetherCase> {
protected:
    TempWorkDir Work;
};

TEST_P(TextFileRewrittenTogether, LeavesTheWholeContentOfOneWriter)
{
    const TogetherCase& Case = GetParam();
    if (Case.TwoUsers && geteuid() != 0)
        GTEST_SKIP() << "needs other users' ids, so root";
    Case.Prepare();
    if (testing::Test::HasFatalFailure())
        return;
    const struct stat Before = InfoOf(Case.File);
    const std::string Folder
        = fs::path(Case.File).parent_path().empty() ? "." : fs::path(Case.File).parent_path().string();
    for (int Round = 1; Round <= Rounds; ++Round) {
        int Start[2] = {-1, -1};
        ASSERT_EQ(pipe(Start), 0);
        std::vector<pid_t> Writers;
        for (int Writer = 0; Writer < 2; ++Writer) {
            const pid_t Child = fork();
            if (Child == 0) {
                close(Start[1]);
                if (Case.TwoUsers && !BecomeGroupMember(Writer == 0 ? OwnerId : WriterId))
                    _exit(CannotSetUp);
                _exit(RewriteAgainAndAgain(Case.File, Writer, Start[0]));
            }
            Writers.push_back(Child);
        }
        close(Start[0]);
        close(Start[1]);
        for (const pid_t Child : Writers) {
            int Status = 0;
            ASSERT_EQ(waitpid(Child, &Status, 0), Child);
            ASSERT_TRUE(WIFEXITED(Status));
            if (WEXITSTATUS(Status) == CannotSetUp)
                GTEST_SKIP() << "another user's ids cannot be taken here";
            EXPECT_EQ(WEXITSTATUS(Status), 0) << "round " << Round;
        }
        const std::string Content = ReadBytes(Case.File);
        EXPECT_TRUE(Content == ContentOf(0) || Content == ContentOf(1))
            << "round " << Round << ": " << Content;
        const struct stat After = InfoOf(Case.File);
        EXPECT_EQ(After.st_uid, Before.st_uid) << "round " << Round;
        EXPECT_EQ(After.st_gid, Before.st_gid) << "round " << Round;
        EXPECT_EQ(After.st_mode, Before.st_mode) << "round " << Round;
        EXPECT_EQ(SortedEntries(Folder), Case.Entries) << "round " << Round;
        if (testing::Test::HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileRewrittenTogether,
    testing::Values(TogetherCase{"OneUserOnAPlainFile", false, "stat.txt",
                        [] { WriteBytes("stat.txt", ContentOf(0)); }, {"stat.txt"}},
        TogetherCase{"OneUserOnAHardLinkedFile", false, "stat.txt",
            [] {
                WriteBytes("stat.txt", ContentOf(0));
                fs::create_hard_link("stat.txt", "other.txt");
            },
            {"other.txt", "stat.txt"}},
        TogetherCase{"OwnerAndGroupMemberInAGroupFolder", true, "shared/stat.txt",
            [] {
                SharedFolder("shared", OwnerId, 02775);
                WriteOwned("shared/stat.txt", OwnerId, 0664);
            },
            {"stat.txt"}},
        TogetherCase{"OwnerAndGroupMemberInAStickyGroupFolder", true, "shared/stat.txt",
            [] {
                SharedFolder("shared", OwnerId, 03775);
                WriteOwned("shared/stat.txt", OwnerId, 0664);
            },
            {"stat.txt"}}),
    [](const auto& Info) { return Info.param.Name; });

struct FailedWriteCase {
    std::string Name;
    int Lines = 0;
    bool HardLinked = false; // rewritten in place
};

void PrintTo(const FailedWriteCase& Case, std::ostream* Out)
{
    PrintRow(
        Out, Case.Name, Printed(Case.Lines) + " lines" + (Case.HardLinked ? ", in place" : ", new copy"));
}

class TextFileFailedWrite : public testing::TestWithParam<FailedWriteCase> { };

// A write that would fail part-way, of a short text or of one of megabytes, in a new copy or in
// place, leaves the old file as it was and no temporary file behind.
TEST_P(TextFileFailedWrite, KeepsTheOldFile)
{
    TempWorkDir Work;
    WriteBytes("stat.txt", "old\r\n");
    if (GetParam().HardLinked)
        fs::create_hard_link("stat.txt", "other.txt");
    TextFile File;
    File.AssignFile("stat.txt");
    File.Rewrite();
    const auto WriteBeyondTheLimit = [&] {
        ResourceLimit Limit(RLIMIT_FSIZE, 100);
        for (int Line = 1; Line <= GetParam().Lines; ++Line)
            File.WriteLn("a line of the new statistics");
        File.Close();
    };
    EXPECT_EQ(IoErrorOf(WriteBeyondTheLimit), EFBIG);
    EXPECT_EQ(ReadBytes("stat.txt"), "old\r\n");
    const std::vector<std::string> Entries = GetParam().HardLinked
        ? std::vector<std::string>{"other.txt", "stat.txt"}
        : std::vector<std::string>{"stat.txt"};
    EXPECT_EQ(SortedEntries("."), Entries);
    EXPECT_THROW(File.Close(), EInOutError);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileFailedWrite,
    testing::Values(FailedWriteCase{"ShortText", 16}, FailedWriteCase{"LongText", 100000},
        FailedWriteCase{"ShortTextInPlace", 16, true}, FailedWriteCase{"LongTextInPlace", 100000, true}),
    [](const auto& Info) { return Info.param.Name; });

} // namespace
