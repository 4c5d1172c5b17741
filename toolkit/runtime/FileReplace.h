#pragma once

#include <string>

// Makes Content the whole content of the file that Fd is open on for writing, the file that Name
// names or leads to through symbolic links.
//
// Where that keeps all that a rewrite in place keeps (the folder may be written, the file is a
// plain file with one name and no extended attributes, and the new file can be given its owner,
// group and mode), the content goes to a temporary file beside it, which is synced and renamed
// over it; the folder is synced after the rename. The file then holds its old or its new content,
// whatever happens meanwhile. The temporary file has one name for each file, the file's name with
// ".tmp" added, so a run killed half-way leaves at most that one, which the next replace takes
// over.
//
// Otherwise, and when there is no room for a second copy, the file is rewritten in place and
// synced, as a truncating open and a write would do it, with room for the new content taken before
// the old content is overwritten.
//
// Throws EInOutError when the content cannot be written; a failed safe replace leaves the file as
// it was.
void ReplaceContent(int Fd, const std::string& Name, const std::string& Content);
