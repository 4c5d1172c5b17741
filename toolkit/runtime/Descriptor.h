#pragma once

#include <unistd.h>
#include <utility>

// A file descriptor that is closed when it goes out of scope or is replaced.
class TDescriptor {
public:
    TDescriptor() = default;
    explicit TDescriptor(int Opened)
        : Fd(Opened)
    { }
    ~TDescriptor() { Reset(); }
    TDescriptor(TDescriptor&& Other) noexcept
        : Fd(Other.Release())
    { }
    TDescriptor& operator=(TDescriptor&& Other) noexcept
    {
        if (this != &Other)
            Reset(Other.Release());
        return *this;
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;

    int Get() const { return Fd; }
    // Gives the descriptor up to the caller, who closes it.
    int Release() { return std::exchange(Fd, -1); }
    void Reset(int Opened = -1)
    {
        if (Fd >= 0)
            ::close(Fd);
        Fd = Opened;
    }

private:
    int Fd = -1;
};
