#pragma once

#include <string>

// A text file of the runtime, read and written through a buffer. Every operation but AssignFile
// is followed by the I/O check, which throws EInOutError when it failed. The destructor closes
// the file on every path, also when an exception leaves the code that used it.
class TextFile {
public:
    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    void AssignFile(const std::string& Name);

    // Opens the bound file for reading.
    void Reset();
    // Opens the bound file for writing new content. The content goes to a temporary file in the
    // same folder that Close flushes to disk and renames over the bound file, which keeps its
    // permissions; until then, and on any failure, the old file stays exactly as it was.
    // A file that exists but may not be written fails here, as a truncating open would.
    void Rewrite();

    // Reads one line: the bytes up to LF, a CR right before it belonging to the line end and
    // any other CR left out. At the end of the file it gives empty text, without an error.
    std::string ReadLn();
    // Writes the text, then CR LF.
    void WriteLn(const std::string& Text);
    // True at the end of the file and when the next byte is a Ctrl-Z.
    bool Eof();
    void Close();
};
