#pragma once

#include <csignal>
#include <sys/resource.h>

// Lowers a resource limit of this process for the life of the object, so that a system call
// past it fails for real: RLIMIT_FSIZE makes write() fail with EFBIG (SIGXFSZ, which would end
// the process, is ignored meanwhile), RLIMIT_NOFILE makes open() fail with EMFILE. Keep the
// scope to the calls under test: the limit holds for every file of the process. Made inside the
// step that a test checks, it is lifted before the error is looked at.
class ResourceLimit {
public:
    ResourceLimit(int Resource, rlim_t Value)
        : Which(Resource)
        , PreviousHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(Which, &Saved);
        rlimit Lowered = Saved;
        Lowered.rlim_cur = Value;
        setrlimit(Which, &Lowered);
    }
    ~ResourceLimit()
    {
        setrlimit(Which, &Saved);
        std::signal(SIGXFSZ, PreviousHandler);
    }
    ResourceLimit(const ResourceLimit&) = delete;
    ResourceLimit& operator=(const ResourceLimit&) = delete;

private:
    int Which = 0;
    void (*PreviousHandler)(int) = nullptr;
    rlimit Saved{};
};
