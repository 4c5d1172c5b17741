#pragma once

#include "Descriptor.h"

#include <cstddef>
#include <memory>
#include <string>

// The runtime's error code for a system error number: 2 for a missing file or folder, 3 for a
// name that cannot be a file's, 4 for too many open files, 5 for a denied, read-only or
// directory access; any other error keeps its own number.
int IoErrorCode(int Errno);
// Throws EInOutError with the runtime's code for a system error number.
[[noreturn]] void ThrowErrno(int Errno);

// A text file of the runtime, read and written through a buffer. Every operation but AssignFile
// is followed by the I/O check, which throws EInOutError when it failed. The destructor closes
// the file on every path, also when an exception leaves the code that used it.
class TextFile {
public:
    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Binds the name. A file still open is closed first, as the destructor closes it.
    void AssignFile(const std::string& Name);

    // Opens the bound file for reading, following symbolic links. A name that leads to anything but
    // a plain file (a folder, a FIFO, a socket, a device) fails at once as a denied access, here and
    // in Rewrite, and is never opened (see FileOpen.h).
    void Reset();
    // Opens the bound file for writing new content, creating it when it is missing. A symbolic
    // link on the way is followed only where it is this program's user's or the owner's of the
    // folder that holds it; any other fails as a denied access. A file that may not be written
    // fails here, as a truncating open would. The old content stays until Close replaces it (see
    // ReplaceContent) with all that WriteLn wrote, which is held in memory until then.
    void Rewrite();

    // Reads one line: the bytes up to LF, a CR right before it belonging to the line end and
    // any other CR left out. At the end of the file it gives empty text, without an error.
    std::string ReadLn();
    // The same into a string that the caller reuses, so reading many lines allocates nothing.
    void ReadLn(std::string& Line);
    // Passes over Count lines as ReadLn reads them, without keeping their text.
    void SkipLn(int Count);
    // Adds the text, then CR LF, to the new content.
    void WriteLn(const std::string& Text);
    // True at the end of the file and when the next byte is a Ctrl-Z.
    bool Eof();
    void Close();

private:
    enum class TMode { Unassigned, Closed, Reading, Writing };

    // Before an open: the file must be assigned, and a file still open is closed first.
    void PrepareOpen();
    void CheckOpen(TMode Wanted) const;
    void PassLines(int Count, std::string* Line);
    bool Fill();
    // Closes the handle; the file counts as closed also when the system reports an error, which
    // then throws.
    void CloseHandle();
    void Abandon();

    std::string FileName;
    TMode Mode = TMode::Unassigned;
    int Handle = -1;
    // Reading: the bytes of Buffer from Position to Filled are read from the file and not yet used.
    std::unique_ptr<char[]> Buffer;
    std::size_t Position = 0;
    std::size_t Filled = 0;
    bool EndOfFile = false;
    // Writing: the folder that holds the file (an O_PATH descriptor), the file's name there, and
    // the new content.
    TDescriptor FolderHandle;
    std::string NameInFolder;
    std::string Output;
};
