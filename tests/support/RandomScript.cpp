#include "RandomScript.h"

#include "QuestionBase.h"

#include <cstddef>

double Picking(int Record, int Records)
{
    return (Record - 0.5) / Records;
}

std::vector<double> InBaseOrder(int Questions)
{
    return std::vector<double>(static_cast<std::size_t>(AnswerCount * Questions), 0.5);
}
