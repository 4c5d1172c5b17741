#include "FileReplace.h"

#include "TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// A descriptor that is closed when it goes out of scope.
class TDescriptor {
public:
    explicit TDescriptor(int Opened)
        : Fd(Opened)
    { }
    ~TDescriptor()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;

    int Get() const { return Fd; }

private:
    int Fd = -1;
};

bool SameFile(const struct stat& A, const struct stat& B)
{
    return A.st_dev == B.st_dev && A.st_ino == B.st_ino;
}

// Failures of the safe replace after which a rewrite in place may still succeed: no room for a
// second copy, or no right to make one or to rename it in the folder.
bool InPlaceMaySucceed(int Errno)
{
    return Errno == ENOSPC || Errno == EDQUOT || Errno == EACCES || Errno == EPERM;
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

// Opens and locks the temporary file Name, taking over one left by a run that was killed, and
// making it anew when it belongs to another user or is not a plain file. A link there is not
// followed. Returns -1 when it cannot be had, or while another program replaces the same file.
int OpenTemporary(const std::string& Name)
{
    for (int Try = 0; Try < 3; ++Try) {
        const int Fd = ::open(Name.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (Fd < 0) {
            if (::unlink(Name.c_str()) != 0)
                return -1;
            continue;
        }
        if (::flock(Fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(Fd);
            return -1;
        }
        // The program that held the lock may have renamed the file away meanwhile.
        struct stat Opened { };
        struct stat Named { };
        if (::fstat(Fd, &Opened) == 0 && S_ISREG(Opened.st_mode) && ::lstat(Name.c_str(), &Named) == 0
            && SameFile(Opened, Named))
            return Fd;
        ::close(Fd);
    }
    return -1;
}

// The temporary file gets the old file's owner, group and mode, and no content yet.
bool TakeOver(int Fd, const struct stat& Old)
{
    struct stat Made { };
    if (::fstat(Fd, &Made) != 0 || ::ftruncate(Fd, 0) != 0)
        return false;
    if ((Made.st_uid != Old.st_uid || Made.st_gid != Old.st_gid) && ::fchown(Fd, Old.st_uid, Old.st_gid) != 0)
        return false;
    // After the owner, which clears the set-id bits.
    return ::fchmod(Fd, Old.st_mode & 07777) == 0;
}

// Makes the rename durable. A folder that cannot be opened is left as it is; a file system that
// cannot sync a folder says EINVAL.
void SyncFolder(const std::filesystem::path& Folder)
{
    const TDescriptor Fd(::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (Fd.Get() >= 0 && ::fsync(Fd.Get()) != 0 && errno != EINVAL)
        ThrowErrno(errno);
}

// Returns false, with nothing changed, where the safe replace would lose something or cannot be
// made here.
bool ReplaceSafely(int Fd, const std::string& Name, const std::string& Content)
{
    struct stat Old { };
    if (::fstat(Fd, &Old) != 0 || !S_ISREG(Old.st_mode) || Old.st_nlink != 1
        || ::flistxattr(Fd, nullptr, 0) > 0)
        return false;
    std::error_code Error;
    const std::filesystem::path Path = std::filesystem::canonical(Name, Error);
    struct stat Named { };
    if (Error || ::lstat(Path.c_str(), &Named) != 0 || !SameFile(Old, Named))
        return false;
    const std::string TemporaryName = Path.string() + ".tmp";
    const TDescriptor Temporary(OpenTemporary(TemporaryName));
    if (Temporary.Get() < 0)
        return false;
    if (!TakeOver(Temporary.Get(), Old)) {
        ::unlink(TemporaryName.c_str());
        return false;
    }
    int Failure = WriteAll(Temporary.Get(), Content);
    if (Failure == 0 && ::fsync(Temporary.Get()) != 0)
        Failure = errno;
    if (Failure == 0 && ::rename(TemporaryName.c_str(), Path.c_str()) != 0)
        Failure = errno;
    if (Failure != 0) {
        ::unlink(TemporaryName.c_str());
        if (InPlaceMaySucceed(Failure))
            return false;
        ThrowErrno(Failure);
    }
    SyncFolder(Path.parent_path());
    return true;
}

void RewriteInPlace(int Fd, const std::string& Content)
{
    struct stat Info { };
    if (::fstat(Fd, &Info) != 0)
        ThrowErrno(errno);
    const bool Plain = S_ISREG(Info.st_mode);
    const auto Size = static_cast<off_t>(Content.size());
    // On a full disk this fails before the old content is touched.
    if (Plain && Size > 0 && ::fallocate(Fd, 0, 0, Size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
        ThrowErrno(errno);
    int Failure = WriteAll(Fd, Content);
    if (Failure == 0 && Plain && ::ftruncate(Fd, Size) != 0)
        Failure = errno;
    if (Failure == 0 && ::fsync(Fd) != 0 && errno != EINVAL)
        Failure = errno;
    if (Failure != 0)
        ThrowErrno(Failure);
}

} // namespace

void ReplaceContent(int Fd, const std::string& Name, const std::string& Content)
{
    if (!ReplaceSafely(Fd, Name, Content))
        RewriteInPlace(Fd, Content);
}
