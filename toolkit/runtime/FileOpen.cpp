#include "FileOpen.h"

#include "Descriptor.h"
#include "TextFile.h"

#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the kernel follows in one lookup.
constexpr int MaxLinks = 40;
// A name that someone makes between the look that finds it missing and the exclusive make is
// looked at again; this many times in a row means that someone does it on purpose.
constexpr int MakeTries = 8;

struct stat StatusOf(int Fd)
{
    struct stat Status { };
    if (::fstat(Fd, &Status) != 0)
        ThrowErrno(errno);
    return Status;
}

// Opens the plain file that Path, an O_PATH descriptor whose status is Judged, stands for, with
// Flags. The descriptor shows what it is without opening it, and the file is then reopened through
// it, so that nothing put under its name meanwhile is opened. O_NONBLOCK changes nothing for a
// plain file, and O_NOCTTY keeps a terminal from becoming the program's.
int ReopenPlainFile(int Path, const struct stat& Judged, int Flags)
{
    if (!S_ISREG(Judged.st_mode))
        ThrowErrno(EACCES);
    const std::string Self = "/proc/self/fd/" + std::to_string(Path);
    const int File = ::open(Self.c_str(), Flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (File < 0)
        ThrowErrno(errno == ENOENT ? EACCES : errno); // no /proc: the file cannot be opened safely
    return File;
}

int OpenFolder(int At, const char* Name)
{
    const int Folder = ::openat(At, Name, O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (Folder < 0)
        ThrowErrno(errno);
    return Folder;
}

// Puts the names of Path in front of Pending, in order. A path that ends in "/" names a folder,
// which a "." at its end stands for.
void PushNames(std::deque<std::string>& Pending, const std::string& Path)
{
    std::deque<std::string> Names;
    std::size_t Start = 0;
    while (Start < Path.size()) {
        std::size_t Slash = Path.find('/', Start);
        if (Slash == std::string::npos)
            Slash = Path.size();
        if (Slash > Start)
            Names.push_back(Path.substr(Start, Slash - Start));
        Start = Slash + 1;
    }
    if (!Path.empty() && Path.back() == '/')
        Names.emplace_back(".");
    Pending.insert(Pending.begin(), Names.begin(), Names.end());
}

// The kernel's protected_symlinks rule: a link is followed where it belongs to the one who
// follows it or to the owner of the folder that holds it, so no one else can send a write
// elsewhere.
bool MayFollow(const struct stat& Link, int Folder)
{
    return Link.st_uid == ::geteuid() || Link.st_uid == StatusOf(Folder).st_uid;
}

// The target of the link that Link, an O_PATH descriptor, stands for.
std::string LinkTarget(int Link)
{
    std::string Target(PATH_MAX, '\0');
    const ssize_t Length = ::readlinkat(Link, "", Target.data(), Target.size());
    if (Length < 0)
        ThrowErrno(errno);
    if (Length == 0)
        ThrowErrno(ENOENT);
    if (static_cast<std::size_t>(Length) == Target.size())
        ThrowErrno(ENAMETOOLONG);
    Target.resize(static_cast<std::size_t>(Length));
    return Target;
}

} // namespace

int OpenForReading(const std::string& Name)
{
    const TDescriptor Path(::open(Name.c_str(), O_PATH | O_CLOEXEC));
    if (Path.Get() < 0)
        ThrowErrno(errno);
    return ReopenPlainFile(Path.Get(), StatusOf(Path.Get()), O_RDONLY);
}

TFileForWriting OpenForWriting(const std::string& Name)
{
    if (Name.empty())
        ThrowErrno(ENOENT);
    if (Name.size() >= PATH_MAX)
        ThrowErrno(ENAMETOOLONG);
    TDescriptor Folder(OpenFolder(AT_FDCWD, Name.front() == '/' ? "/" : "."));
    std::deque<std::string> Pending;
    PushNames(Pending, Name);
    int Links = 0;
    int Tries = 0;
    while (!Pending.empty()) {
        const std::string Part = std::move(Pending.front());
        Pending.pop_front();
        const bool Last = Pending.empty();
        if (Part == "." || Part == "..") {
            if (Last)
                ThrowErrno(EISDIR);
            if (Part == "..")
                Folder = TDescriptor(OpenFolder(Folder.Get(), ".."));
            continue;
        }
        TDescriptor Found(::openat(Folder.Get(), Part.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (Found.Get() < 0) {
            if (errno != ENOENT || !Last)
                ThrowErrno(errno);
            const int Made = ::openat(Folder.Get(), Part.c_str(),
                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
            if (Made >= 0)
                return {Made, std::move(Folder), Part};
            if (errno != EEXIST || ++Tries == MakeTries)
                ThrowErrno(errno);
            Pending.push_front(Part);
            continue;
        }
        const struct stat Info = StatusOf(Found.Get());
        if (S_ISLNK(Info.st_mode)) {
            if (!MayFollow(Info, Folder.Get()))
                ThrowErrno(EACCES);
            if (++Links > MaxLinks)
                ThrowErrno(ELOOP);
            const std::string Target = LinkTarget(Found.Get());
            if (Target.front() == '/')
                Folder = TDescriptor(OpenFolder(AT_FDCWD, "/"));
            PushNames(Pending, Target);
            continue;
        }
        if (S_ISDIR(Info.st_mode)) {
            if (Last)
                ThrowErrno(EISDIR);
            Folder = std::move(Found);
            continue;
        }
        if (!Last)
            ThrowErrno(ENOTDIR);
        return {ReopenPlainFile(Found.Get(), Info, O_WRONLY), std::move(Folder), Part};
    }
    ThrowErrno(EISDIR);
}
