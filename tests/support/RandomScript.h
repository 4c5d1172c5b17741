#pragma once

#include <initializer_list>
#include <vector>

// Scripts of random values (see ScriptRandom) and the lists the tests build them from.

// The parts one after the other.
template <class T> std::vector<T> Join(std::initializer_list<std::vector<T>> Parts)
{
    std::vector<T> Joined;
    for (const std::vector<T>& Part : Parts)
        Joined.insert(Joined.end(), Part.begin(), Part.end());
    return Joined;
}

// The value that makes Random(Records) pick record Record (1 to Records): the middle of its step.
double Picking(int Record, int Records);

// The shuffle keys of Questions questions that keep every question's answers in the base's order,
// the right answer first: equal keys exchange nothing.
std::vector<double> InBaseOrder(int Questions = 1);
