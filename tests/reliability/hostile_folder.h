// A folder of what a viewer meets in the wild, and a script that walks the
// viewer through all of it.
#pragma once

#include <string>

class TempFolder;

// Fills `folder`: every hostile JPEG file of the tests' writer, a FIFO, names
// with no code page 932 form, a name with a backslash, a name too long for a
// path, a folder named like a picture, and good photographs (baseline,
// progressive, grey, turned by EXIF). Returns how many regular *.jpg files it
// made (the FIFO and the folder not counted).
int MakeHostileFolder(const TempFolder &folder);

// Steps through `entries` files (and once round again) in the fit view with
// turns and reloads, resizes (down to nothing), does the same in the
// actual-size view with scrolling, opens both dialogs (confirmed, cancelled, Esc), runs the
// slideshow, shows the state and ends with Esc.
std::string HostileFolderScript(int entries);
