// The folder's JPEG files, in name order.
#pragma once

// Lists g_viewer.folder's files matching *.jpg, *.jpe* and *.jfi* (folders
// passed over), sorts them by lstrcmpiA keeping the order of equal names, and
// sets g_viewer.fileCount, nameStride and (when the count is above 0) names.
// Returns fileCount.
int BuildFileList(void);
