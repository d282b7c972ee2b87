// The index and rotation arithmetic of the commands.
#pragma once

#include "platform/win32.h"

// The next and previous index in a list of `count` (at least 1), wrapping.
int NextIndex(int current, int count);
int PreviousIndex(int current, int count);

// rotation + quarterTurns, as the remainder of C's signed division by 4: the
// result keeps the sign of the sum, so it stays within -3..3.
int TurnRotation(int rotation, int quarterTurns);

// The index shown for an image number from the jump dialog: numbers below 1
// give the first image, numbers past `count` the last.
int JumpIndex(UINT target, int count);
