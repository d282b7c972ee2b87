// The two passes of the file list over any source of names: BuildFileList
// runs them over the folder's three searches; a test can run them over a
// folder that changes between the passes.
#pragma once

// Receives one name that a source found (any length, 0-terminated).
typedef void (*EntryVisitor)(const char *name, void *context);

// Calls `visit` for every name, in the order found; called once per pass.
typedef void (*EntrySource)(EntryVisitor visit, void *context);

// Counts, collects and sorts the source's names into g_viewer's list, as
// BuildFileList does. Returns fileCount.
int BuildFileListFrom(EntrySource source);
