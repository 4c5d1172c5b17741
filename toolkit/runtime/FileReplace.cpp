#include "FileReplace.h"

#include "Descriptor.h"
#include "TextFile.h"

#include <array>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

bool SystemRandomBytes(unsigned char* Bytes, std::size_t Count)
{
    while (Count > 0) {
        const ssize_t Got = ::getrandom(Bytes, Count, 0);
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got <= 0)
            return false;
        Bytes += Got;
        Count -= static_cast<std::size_t>(Got);
    }
    return true;
}

TRandomBytes FreshNameSource = SystemRandomBytes;

void PauseForLock()
{
    const timespec Pause{0, 10'000'000};
    ::nanosleep(&Pause, nullptr);
}

TLockPause LockPause = PauseForLock;

// Names already taken are skipped; this many taken in a row means that someone fills the folder
// with them, and the file is rewritten in place instead.
constexpr int FreshNameTries = 8;
// How long a rewrite in place waits for another program's rewrite in place of the same file: 200
// tries with a pause of 10 ms between two, about 2 s.
constexpr int LockTries = 200;

// True while Name in the folder is the file File.
bool Names(int Folder, const std::string& Name, const struct stat& File)
{
    struct stat Named { };
    return ::fstatat(Folder, Name.c_str(), &Named, AT_SYMLINK_NOFOLLOW) == 0 && Named.st_dev == File.st_dev
        && Named.st_ino == File.st_ino;
}

// Writes all of Content from the descriptor's position; returns 0 or the error number.
int WriteAll(int Fd, const std::string& Content)
{
    const char* Data = Content.data();
    std::size_t Size = Content.size();
    while (Size > 0) {
        const ssize_t Count = ::write(Fd, Data, Size);
        if (Count < 0 && errno == EINTR)
            continue;
        if (Count <= 0)
            return Count < 0 ? errno : EIO;
        Data += Count;
        Size -= static_cast<std::size_t>(Count);
    }
    return 0;
}

// Gives the new copy the old file's owner, group and mode, and reads its status into Made; false
// where it cannot have them all, or carries extended attributes (a folder's default ACL) that the
// old file lacks.
bool GiveOwnerAndMode(int Fd, const struct stat& Old, struct stat& Made)
{
    if (::fstat(Fd, &Made) != 0)
        return false;
    if ((Made.st_uid != Old.st_uid || Made.st_gid != Old.st_gid) && ::fchown(Fd, Old.st_uid, Old.st_gid) != 0)
        return false;
    // After the owner, which clears the set-id bits; a set-group-id bit that may not be set is
    // dropped without an error, so the result is checked.
    if (::fchmod(Fd, Old.st_mode & 07777) != 0 || ::fstat(Fd, &Made) != 0)
        return false;
    return Made.st_uid == Old.st_uid && Made.st_gid == Old.st_gid && Made.st_mode == Old.st_mode
        && ::flistxattr(Fd, nullptr, 0) <= 0;
}

// Links the nameless file Fd into the folder under Base, a dot and 24 random hexadecimal digits,
// a name that no one can have made beforehand on purpose; a name that is taken all the same is
// left as it is. Returns the name, or an empty one where no link could be made.
std::string LinkUnderFreshName(int Fd, int Folder, const std::string& Base)
{
    const std::string Self = "/proc/self/fd/" + std::to_string(Fd);
    for (int Try = 0; Try < FreshNameTries; ++Try) {
        std::array<unsigned char, 12> Bytes{};
        if (!FreshNameSource(Bytes.data(), Bytes.size()))
            return {};
        std::string Name = Base + ".";
        for (const unsigned char Byte : Bytes) {
            Name += "0123456789abcdef"[Byte >> 4];
            Name += "0123456789abcdef"[Byte & 15];
        }
        if (::linkat(AT_FDCWD, Self.c_str(), Folder, Name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return Name;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

// Makes the rename durable. A file system that cannot sync a folder says EINVAL.
void SyncFolder(int Folder)
{
    if (::fsync(Folder) != 0 && errno != EINVAL)
        ThrowErrno(errno);
}

// Returns false, with the file as it was, where the safe replace would lose something or cannot be
// made here.
bool ReplaceSafely(int Fd, int FolderPath, const std::string& Name, const std::string& Content)
{
    struct stat Old { };
    if (::fstat(Fd, &Old) != 0 || Old.st_nlink != 1 || ::flistxattr(Fd, nullptr, 0) > 0)
        return false;
    const TDescriptor Folder(::openat(FolderPath, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (Folder.Get() < 0 || !Names(Folder.Get(), Name, Old))
        return false;

    const TDescriptor Copy(::openat(Folder.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    struct stat Made { };
    if (Copy.Get() < 0 || !GiveOwnerAndMode(Copy.Get(), Old, Made))
        return false;
    int Failure = WriteAll(Copy.Get(), Content);
    if (Failure == 0 && ::fsync(Copy.Get()) != 0)
        Failure = errno;
    if (Failure == ENOSPC || Failure == EDQUOT)
        return false;
    if (Failure != 0)
        ThrowErrno(Failure);

    // From the link to the rename the copy has a name, which a run killed meanwhile leaves behind:
    // nothing but the one check comes between them.
    const std::string Fresh = LinkUnderFreshName(Copy.Get(), Folder.Get(), Name);
    if (Fresh.empty())
        return false;
    if (!Names(Folder.Get(), Fresh, Made))
        return false; // someone who may rename in the folder moved the copy away: it is theirs now
    if (::renameat(Folder.Get(), Fresh.c_str(), Folder.Get(), Name.c_str()) != 0) {
        // Also EBUSY or EXDEV for a file mounted on its own: the rewrite in place can reach it.
        if (Names(Folder.Get(), Fresh, Made))
            ::unlinkat(Folder.Get(), Fresh.c_str(), 0);
        return false;
    }
    SyncFolder(Folder.Get());
    return true;
}

// Takes the lock that rewrites in place of one file share; 0, or the error number where it cannot
// be had, EWOULDBLOCK when another program holds it for longer than any rewrite takes.
int LockForRewrite(int Fd)
{
    for (int Try = 1;; ++Try) {
        if (::flock(Fd, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return errno;
        if (Try == LockTries)
            return EWOULDBLOCK;
        LockPause();
    }
}

// Two rewrites in place at once would cut each other's content to the other's length, so nothing
// is written without the lock. Anyone who may read the file can hold that lock for good: the
// rewrite then fails with the file as it was.
void RewriteInPlace(int Fd, const std::string& Content)
{
    if (const int Failure = LockForRewrite(Fd); Failure != 0)
        ThrowErrno(Failure);
    const auto Size = static_cast<off_t>(Content.size());
    int Failure = 0;
    // On a full disk this fails before the old content is touched. The file keeps its size, so
    // that no one reads it grown by zero bytes meanwhile.
    if (Size > 0 && ::fallocate(Fd, FALLOC_FL_KEEP_SIZE, 0, Size) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS)
        Failure = errno;
    if (Failure == 0)
        Failure = WriteAll(Fd, Content);
    if (Failure == 0 && ::ftruncate(Fd, Size) != 0)
        Failure = errno;
    if (Failure == 0 && ::fsync(Fd) != 0 && errno != EINVAL)
        Failure = errno;
    ::flock(Fd, LOCK_UN);
    if (Failure != 0)
        ThrowErrno(Failure);
}

} // namespace

void ReplaceContent(int Fd, int Folder, const std::string& Name, const std::string& Content)
{
    // A write past the process's file size limit would stop part-way and raise SIGXFSZ, which ends
    // the program, and room taken without changing the size is not held to that limit: content
    // over it is refused before anything is written.
    rlimit SizeLimit{};
    if (::getrlimit(RLIMIT_FSIZE, &SizeLimit) == 0 && SizeLimit.rlim_cur != RLIM_INFINITY
        && static_cast<rlim_t>(Content.size()) > SizeLimit.rlim_cur)
        ThrowErrno(EFBIG);
    if (!ReplaceSafely(Fd, Folder, Name, Content))
        RewriteInPlace(Fd, Content);
}

TRandomBytes SetFreshNameSource(TRandomBytes Source)
{
    const TRandomBytes Previous = FreshNameSource;
    FreshNameSource = Source;
    return Previous;
}

TLockPause SetLockPause(TLockPause Pause)
{
    const TLockPause Previous = LockPause;
    LockPause = Pause;
    return Previous;
}
