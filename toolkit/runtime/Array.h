#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

// A fixed array indexed Low..High, as the programs' data is described: LevelStart[1..16],
// Questions[1..15][1..6], Answers[1..4], Stats[1..16]. Every element starts value-initialised
// (0 or empty), and an index outside the bounds throws instead of reaching a neighbour.
template <class T, int Low, int High> class TArray {
    static_assert(Low <= High);

public:
    T& operator[](int Index) { return Items[Offset(Index)]; }
    const T& operator[](int Index) const { return Items[Offset(Index)]; }

    bool operator==(const TArray&) const = default;

private:
    static std::size_t Offset(int Index)
    {
        if (Index < Low || Index > High)
            throw std::out_of_range("array index out of bounds");
        return static_cast<std::size_t>(Index - Low);
    }

    std::array<T, static_cast<std::size_t>(High - Low + 1)> Items{};
};
