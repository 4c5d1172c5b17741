#include "MainBlock.h"

int main()
{
    MainBlock();
}
