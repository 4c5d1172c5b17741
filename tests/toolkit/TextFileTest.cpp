#include "TextFile.h"
#include "ResourceLimit.h"
#include "SysUtils.h"
#include "WorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

class TextFileOpenErrors : public testing::TestWithParam<OpenCase> { };

TEST_P(TextFileOpenErrors, OpeningFailsWithTheRuntimesCode)
{
    TempWorkDir Work;
    WriteBytes("plain.txt", "x");
    fs::create_directory("folder");
    TextFile File;
    File.AssignFile(GetParam().Path);
    EXPECT_EQ(IoErrorOf([&] { GetParam().ForWriting ? File.Rewrite() : File.Reset(); }), GetParam().Code);
    EXPECT_EQ(ReadBytes("plain.txt"), "x");
    EXPECT_EQ(FolderEntries().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileOpenErrors,
    testing::Values(OpenCase{"MissingFile", "base.txt", false, 2},
        OpenCase{"MissingFolder", "nowhere/base.txt", false, 2},
        OpenCase{"MissingFolderForWriting", "nowhere/stat.txt", true, 2},
        OpenCase{"FileUsedAsFolder", "plain.txt/base.txt", false, 2},
        OpenCase{"DirectoryForReading", "folder", false, 5},
        OpenCase{"DirectoryForWriting", "folder", true, 5},
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
// place and checks what is there afterwards. Rows that need other users' files or a small file
// system of their own run only as root; the second user's rows run the rewrite in a child process
// that has taken that user's ids, as setpriv would.
constexpr uid_t OwnerId = 4241;  // owns the shared files; its group is OwnerId too
constexpr uid_t WriterId = 4242; // a member of the owner's group

enum class TWriter { Self, GroupMember };

struct ReplaceCase {
    std::string Name;
    TWriter Writer = TWriter::Self;
    bool NeedsRoot = false;
    std::string File;
    std::function<void()> Prepare;
    int Code = 0;
    std::function<void()> Check;
};

// Writes "new" as the whole content of File; the I/O error code, or 0.
int RewriteWithNew(const std::string& File)
{
    return IoErrorOf([&] {
        TextFile Writing;
        Writing.AssignFile(File);
        Writing.Rewrite();
        Writing.WriteLn("new");
        Writing.Close();
    });
}

// The exit code of a child that could not take the second user's ids.
constexpr int NoOtherUser = 255;

int RewriteAsGroupMember(const std::string& File)
{
    const pid_t Child = fork();
    if (Child == 0) {
        const gid_t Groups[] = {OwnerId};
        if (setgroups(1, Groups) != 0 || setresgid(WriterId, WriterId, WriterId) != 0
            || setresuid(WriterId, WriterId, WriterId) != 0)
            _exit(NoOtherUser);
        _exit(RewriteWithNew(File));
    }
    int Status = 0;
    if (Child < 0 || waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status))
        return -1;
    return WEXITSTATUS(Status);
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
    *Out << Case.Name;
}

// The file that the first row replaces, to tell a new file from the old one.
ino_t InodeBefore = 0;

class TextFileReplace : public testing::TestWithParam<ReplaceCase> {
protected:
    void TearDown() override
    {
        if (fs::exists("disk"))
            umount2("disk", MNT_DETACH);
    }

    TempWorkDir Work;
};

TEST_P(TextFileReplace, KeepsWhatARewriteInPlaceKeepsAndSavesWhereItCould)
{
    const ReplaceCase& Case = GetParam();
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
    const int Code
        = Case.Writer == TWriter::Self ? RewriteWithNew(Case.File) : RewriteAsGroupMember(Case.File);
    if (Code == NoOtherUser)
        GTEST_SKIP() << "another user's ids cannot be taken here";
    EXPECT_EQ(Code, Case.Code);
    Case.Check();
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileReplace,
    testing::Values(ReplaceCase{"PlainFileIsReplacedByANewOneWithItsMode", TWriter::Self, false, "stat.txt",
                        [] {
                            WriteBytes("stat.txt", "old\r\n");
                            fs::permissions("stat.txt",
                                fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
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
        ReplaceCase{"TemporaryFileLeftByAKilledRunIsTakenOver", TWriter::Self, false, "stat.txt",
            [] {
                WriteBytes("stat.txt", "old\r\n");
                WriteBytes("stat.txt.tmp", "half a co");
            },
            0,
            [] {
                EXPECT_EQ(ReadBytes("stat.txt"), "new\r\n");
                EXPECT_EQ(SortedEntries("."), std::vector<std::string>{"stat.txt"});
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
            }}),
    [](const auto& Info) { return Info.param.Name; });

struct FailedWriteCase {
    std::string Name;
    int Lines = 0;
};

class TextFileFailedWrite : public testing::TestWithParam<FailedWriteCase> { };

// A write that fails part-way, of a short text or of one of megabytes, leaves the old file as it
// was and no temporary file behind.
TEST_P(TextFileFailedWrite, KeepsTheOldFile)
{
    TempWorkDir Work;
    WriteBytes("stat.txt", "old\r\n");
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
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"stat.txt"});
    EXPECT_THROW(File.Close(), EInOutError);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFileFailedWrite,
    testing::Values(FailedWriteCase{"ShortText", 16}, FailedWriteCase{"LongText", 100000}),
    [](const auto& Info) { return Info.param.Name; });

} // namespace
