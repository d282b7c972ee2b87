// The control ids of the two dialogs that the program addresses.
#pragma once

constexpr int kIntervalEntryId = 5000;   // MYEXT: the interval in seconds
constexpr int kJumpEntryId = 6000;       // MYEXT2: the image number
constexpr int kJumpCountLabelId = 7000;  // MYEXT2: "%d枚目中"
