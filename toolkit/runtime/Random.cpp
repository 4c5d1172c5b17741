#include "Random.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <deque>
#include <random>
#include <stdexcept>

namespace {

std::mt19937_64 Generator;
bool Scripted = false;
std::deque<double> Script;

double NextScripted()
{
    if (Script.empty())
        throw std::logic_error("a random value was drawn beyond the end of the script");
    const double Value = Script.front();
    Script.pop_front();
    return Value;
}

} // namespace

void Randomize()
{
    const auto Now = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq Seed{static_cast<unsigned long long>(Now), static_cast<unsigned long long>(Now) >> 32};
    Generator.seed(Seed);
}

int Random(int Range)
{
    if (Range <= 0)
        return 0;
    // A value just below 1 may round up to Range in the product.
    if (Scripted)
        return std::min(Range - 1, static_cast<int>(std::floor(NextScripted() * Range)));
    return std::uniform_int_distribution<int>(0, Range - 1)(Generator);
}

double Random()
{
    if (Scripted)
        return NextScripted();
    // The top 53 bits of a draw, the precision of a double: every value is below 1.
    return static_cast<double>(Generator() >> 11) * 0x1.0p-53;
}

void ScriptRandom(std::vector<double> Values)
{
    for (const double Value : Values)
        if (!(Value >= 0 && Value < 1))
            throw std::logic_error("a scripted random value lies outside [0, 1)");
    Script.assign(Values.begin(), Values.end());
    Scripted = true;
}

std::size_t ScriptedRandomLeft()
{
    return Script.size();
}

void EndRandomScript()
{
    Script.clear();
    Scripted = false;
}
