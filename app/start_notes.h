// One line on standard error, off Windows, when the folder shown is not the
// one the user meant; a Windows program has no terminal to write to.
#pragma once

// The tail names nothing: says so, and which folder is shown instead.
void ReportPathNotFound(const char *commandLineTail);

// The folder gave no file: says so when the reason is that it may not be
// listed, before the no-files message box.
void ReportUnreadableFolder();
