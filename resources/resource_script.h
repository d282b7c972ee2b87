// The Windows resource script (resources/kovlo.rc), written from the same
// templates the layer builds its dialogs from, so that the two cannot drift.
#pragma once

#include <string>

// The whole script: the icon and both dialogs, texts as code page 932 bytes.
std::string ResourceScript();
