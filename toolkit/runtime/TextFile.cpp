#include "TextFile.h"

#include "FileOpen.h"
#include "FileReplace.h"
#include "SysUtils.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Large enough that a scan makes one system call per quarter megabyte, small enough for the cache.
constexpr std::size_t BufferSize = 256 * 1024;

// The runtime's own codes for a file variable used the wrong way.
constexpr int FileNotAssigned = 102;
constexpr int FileNotOpen = 103;
constexpr int FileNotOpenForInput = 104;
constexpr int FileNotOpenForOutput = 105;
// The runtime's code for a failing device, which EIO is.
constexpr int HardwareFailure = 162;

constexpr char CtrlZ = 26;

// A CR is never part of a line: right before LF it belongs to the line end, anywhere else it is
// dropped.
void AppendWithoutCr(std::string& Line, const char* Data, std::size_t Size)
{
    while (Size > 0) {
        const auto* Cr = static_cast<const char*>(std::memchr(Data, '\r', Size));
        if (Cr == nullptr) {
            Line.append(Data, Size);
            return;
        }
        const auto Kept = static_cast<std::size_t>(Cr - Data);
        Line.append(Data, Kept);
        Data += Kept + 1;
        Size -= Kept + 1;
    }
}

// Passes over LF bytes from From towards End until Count of them are passed. Returns where it
// stopped: right after the last LF passed, or at End; Count goes down by the LFs passed.
const char* PassLineEnds(const char* From, const char* End, int& Count)
{
    const char* At = From;
    for (; Count > 0; --Count) {
        const auto* Lf = static_cast<const char*>(std::memchr(At, '\n', static_cast<std::size_t>(End - At)));
        if (Lf == nullptr)
            return End;
        At = Lf + 1;
    }
    return At;
}

} // namespace

int IoErrorCode(int Errno)
{
    switch (Errno) {
    case ENOENT:
    case ENOTDIR:
        return 2;
    case ENAMETOOLONG:
    case EINVAL:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return 5;
    case EIO: // its own number, 5, would read as "File access denied"
        return HardwareFailure;
    default:
        return Errno;
    }
}

void ThrowErrno(int Errno)
{
    throw EInOutError(IoErrorCode(Errno));
}

TextFile::~TextFile()
{
    Abandon();
}

void TextFile::AssignFile(const std::string& Name)
{
    Abandon();
    FileName = Name;
    Mode = TMode::Closed;
}

void TextFile::Reset()
{
    PrepareOpen();
    const int Fd = OpenForReading(FileName);
    if (!Buffer)
        Buffer = std::make_unique_for_overwrite<char[]>(BufferSize);
    Handle = Fd;
    Mode = TMode::Reading;
    Position = 0;
    Filled = 0;
    EndOfFile = false;
}

void TextFile::Rewrite()
{
    PrepareOpen();
    TFileForWriting File = OpenForWriting(FileName);
    Handle = File.Fd;
    FolderHandle = std::move(File.Folder);
    NameInFolder = std::move(File.NameInFolder);
    Mode = TMode::Writing;
    Output.clear();
}

std::string TextFile::ReadLn()
{
    std::string Line;
    ReadLn(Line);
    return Line;
}

void TextFile::ReadLn(std::string& Line)
{
    CheckOpen(TMode::Reading);
    PassLines(1, &Line);
}

void TextFile::SkipLn(int Count)
{
    CheckOpen(TMode::Reading);
    PassLines(Count, nullptr);
}

void TextFile::WriteLn(const std::string& Text)
{
    CheckOpen(TMode::Writing);
    Output.append(Text);
    Output.append("\r\n");
}

bool TextFile::Eof()
{
    CheckOpen(TMode::Reading);
    return !(Position < Filled || Fill()) || Buffer[Position] == CtrlZ;
}

void TextFile::Close()
{
    if (Mode == TMode::Reading) {
        CloseHandle();
        return;
    }
    CheckOpen(TMode::Writing);
    try {
        ReplaceContent(Handle, FolderHandle.Get(), NameInFolder, Output);
    } catch (...) {
        Abandon();
        throw;
    }
    Output.clear();
    CloseHandle();
}

void TextFile::PrepareOpen()
{
    if (Mode == TMode::Unassigned)
        throw EInOutError(FileNotAssigned);
    if (Mode != TMode::Closed)
        Close();
}

void TextFile::CloseHandle()
{
    const int Fd = Handle;
    Handle = -1;
    Mode = TMode::Closed;
    FolderHandle.Reset();
    if (::close(Fd) != 0)
        ThrowErrno(errno);
}

void TextFile::CheckOpen(TMode Wanted) const
{
    if (Mode == Wanted)
        return;
    if (Mode == TMode::Reading || Mode == TMode::Writing)
        throw EInOutError(Wanted == TMode::Reading ? FileNotOpenForInput : FileNotOpenForOutput);
    throw EInOutError(FileNotOpen);
}

// One implementation of the line rules for reading and skipping: a line ends right after the
// next LF, or at the end of the file. Passes over Count lines; when Line is given, Count is 1 and
// the line's text goes there without its CRs.
void TextFile::PassLines(int Count, std::string* Line)
{
    if (Line != nullptr)
        Line->clear();
    while (Count > 0 && (Position < Filled || Fill())) {
        const char* Start = Buffer.get() + Position;
        const char* Stop = PassLineEnds(Start, Buffer.get() + Filled, Count);
        const auto Length = static_cast<std::size_t>(Stop - Start);
        if (Line != nullptr)
            AppendWithoutCr(*Line, Start, Count == 0 ? Length - 1 : Length);
        Position += Length;
    }
}

bool TextFile::Fill()
{
    if (EndOfFile)
        return false;
    ssize_t Count = 0;
    do
        Count = ::read(Handle, Buffer.get(), BufferSize);
    while (Count < 0 && errno == EINTR);
    if (Count < 0)
        ThrowErrno(errno);
    Position = 0;
    Filled = static_cast<std::size_t>(Count);
    EndOfFile = Count == 0;
    return !EndOfFile;
}

void TextFile::Abandon()
{
    if (Mode != TMode::Reading && Mode != TMode::Writing)
        return;
    if (Handle >= 0)
        ::close(Handle);
    Handle = -1;
    Mode = TMode::Closed;
    FolderHandle.Reset();
    Output.clear();
}
