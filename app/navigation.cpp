#include "app/navigation.h"

int NextIndex(int current, int count)
{
    return (current + 1) % count;
}

int PreviousIndex(int current, int count)
{
    return (current - 1 + count) % count;
}

int TurnRotation(int rotation, int quarterTurns)
{
    return (rotation + quarterTurns) % 4;
}

int JumpIndex(UINT target, int count)
{
    if (target < 1)
        return 0;
    if (target > static_cast<UINT>(count))
        return count - 1;
    return static_cast<int>(target) - 1;
}
