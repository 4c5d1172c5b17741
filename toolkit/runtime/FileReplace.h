#pragma once

#include <cstddef>
#include <string>

// Makes Content the whole content of the plain file that Fd is open on for writing, the file named
// Name in the folder that Folder (a descriptor, O_PATH will do) stands for, as OpenForWriting found
// them. Content over the process's file size limit is refused with EFBIG before anything is
// written.
//
// The folder may be shared with other users, so every name in it but the file's own may be
// someone else's: the replace never opens, truncates, re-owns, renames or removes such a name.
//
// Where a new copy keeps all that a rewrite in place keeps (the file is a plain file with one name
// and no extended attributes, and a copy made in its folder can be given its owner, group and
// mode), the content goes to a new file without a name in the folder (O_TMPFILE), which no one
// else can open. It gets the file's owner, group and mode, is written and synced, then linked
// under a fresh name of random letters, checked to be still there, and renamed over the file; the
// folder is synced after the rename. The file then holds its old or its new content, whatever
// happens meanwhile; a run killed between the link and the rename leaves that one copy behind,
// with the file's owner and mode.
//
// Otherwise (also without O_TMPFILE on the file system, without the right to make or rename the
// copy, without room for it, or where the rename cannot replace the file, as over a file mounted
// on its own), the file is rewritten in place and synced, as a truncating open and a write would
// do it, with room for the new content taken beforehand without changing the file's size. Other
// programs rewriting the same file in place take turns through a lock on it, and nothing is
// written without that lock: where it cannot be had within about 2 s, the rewrite fails with
// EWOULDBLOCK and the file as it was.
//
// Throws EInOutError when the content cannot be written; a failed safe replace leaves the file as
// it was.
void ReplaceContent(int Fd, int Folder, const std::string& Name, const std::string& Content);

// Fills Bytes with Count random bytes for a fresh name; false when there are none to be had.
using TRandomBytes = bool (*)(unsigned char* Bytes, std::size_t Count);
// Sets the source of the fresh names' random bytes and returns the one before. Tests set their
// own, to put something in the place of a name that a replace will try.
TRandomBytes SetFreshNameSource(TRandomBytes Source);

// Waits a moment before the next try for the lock of a rewrite in place.
using TLockPause = void (*)();
// Sets the wait between two tries for the lock and returns the one before. Tests set their own, so
// that no test waits on the clock and a lock can be let go during the wait.
TLockPause SetLockPause(TLockPause Pause);
