#pragma once

#include <cstddef>
#include <vector>

// The program's one random generator.
void Randomize();      // seeds it from the clock
int Random(int Range); // uniform in 0 .. Range - 1 (0, and no draw, when Range <= 0)
double Random();       // uniform in [0, 1)

// Tests script the values that the next calls take, in order: Random() returns the value v
// itself and Random(n) returns floor(v * n). While a script is set, Randomize leaves it alone,
// and a call past its end throws std::logic_error, so a test knows every draw it caused.
void ScriptRandom(std::vector<double> Values);
std::size_t ScriptedRandomLeft();
void EndRandomScript();
