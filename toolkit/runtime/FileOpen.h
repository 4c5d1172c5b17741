#pragma once

#include "Descriptor.h"

#include <string>

// Opening a name as a plain file, and nothing else. Every name in a folder may be someone else's,
// so what a name leads to is judged on a descriptor that does not open it (O_PATH), and only a
// plain file is then opened, through that same descriptor: a folder, a FIFO, a socket or a device
// is refused with EInOutError 5 ("File access denied") and never opened or waited on, whatever is
// swapped in under the name meanwhile. Both need /proc to reopen the descriptor; without it every
// open is refused so.

// Opens Name for reading, following symbolic links.
int OpenForReading(const std::string& Name);

// A plain file open for writing, which the caller closes, with an O_PATH descriptor of the folder
// that holds it and its name there.
struct TFileForWriting {
    int Fd = -1;
    TDescriptor Folder;
    std::string NameInFolder;
};

// Opens Name for writing, making it (with mode 0666 less the umask) when it does not exist. The
// way to the file is walked one name at a time, and a symbolic link on it (the name itself, a
// link that a link leads to, a folder that a link's target names) is followed only where it
// belongs to this program's user or to the owner of the folder that holds it, as the kernel's
// protected_symlinks rule follows links in a sticky folder; any other link is refused as a denied
// access before anything is made or opened for writing. A file is made only under a name that no
// one holds (O_EXCL), never through a link.
TFileForWriting OpenForWriting(const std::string& Name);
