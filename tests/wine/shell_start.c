/* shell_start CLASS VERB FILE [ARGUMENT]: starts FILE as Explorer does,
 * through the shell (ShellExecuteExW): with the verb VERB of the registry
 * class CLASS, or, for "-", the file's own class and default verb (a shortcut
 * starts its target, a program runs with ARGUMENT). Waits for the program started and exits with its exit code; 255
 * when nothing was started. Wine hands back no process for a shortcut
 * (Windows does): then it exits with 0 at once. Built with MinGW by the Wine
 * checks. */
#include <windows.h>
#include <shellapi.h>

int wmain(int argc, wchar_t **argv)
{
    SHELLEXECUTEINFOW start = {sizeof start};
    DWORD code = 255;
    if (argc != 4 && argc != 5)
        return 255;
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    if (lstrcmpW(argv[1], L"-") != 0) {
        start.fMask |= SEE_MASK_CLASSNAME;
        start.lpClass = argv[1];
    }
    start.lpVerb = lstrcmpW(argv[2], L"-") != 0 ? argv[2] : NULL;
    start.lpFile = argv[3];
    start.lpParameters = argc == 5 ? argv[4] : NULL;
    start.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&start))
        return 255;
    if (start.hProcess == NULL)
        return 0;
    WaitForSingleObject(start.hProcess, INFINITE);
    GetExitCodeProcess(start.hProcess, &code);
    CloseHandle(start.hProcess);
    return (int)code;
}
