// kovlo-replay: runs the viewer on the headless host with a script on standard
// input, one command a line (see platform/hosts/headless/script.cpp). After
// each drain of the viewer's queue the next line is applied; at the end of the
// input the window is closed. Prints `show` output, `messagebox:` lines, with
// --trace a `message:` line for each message of the main window, and finally
// `exit:` with the viewer's exit code. Exits 2 for bad options.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/start_viewer.h"
#include "platform/hosts/headless/headless.h"
#include "tools/replay/options.h"
#include "platform/user/observe.h"
#include "tools/replay/show_state.h"
#include "tools/replay/trace.h"

namespace {

// One line of standard input applied; false at its end.
bool RunNextLine()
{
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    std::string error;
    if (!headless::RunScriptLine(line, &error)) std::cerr << "replay: " << line << ": " << error << "\n";
    return true;
}

void PrintMessageBox(const headless::MessageBoxRecord &box)
{
    std::cout << "messagebox: " << box.caption << " | " << box.text << std::endl;
}

void TraceMainWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == headless::MainWindow())
        std::cout << DescribeMessage(headless::NowMs(), message, wParam, lParam) << "\n";
}

std::vector<char *> ViewerArgv(char *programName, std::vector<std::string> &arguments)
{
    std::vector<char *> argv{programName};
    for (std::string &argument : arguments) argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

int main(int argc, char **argv)
{
    ReplayOptions options;
    std::string error;
    if (!ParseReplayOptions(argc, argv, &options, &error)) {
        std::cerr << "kovlo-replay: " << error << "\n"
                  << "usage: kovlo-replay [--screen WxH] [--client WxH] [--frame L,T,R,B] [--bar N]"
                     " [--busy-time | --work-time MS] [--trace] [--] [arguments]\n";
        return 2;
    }
    headless::Configure(options.config);
    headless::SetScriptSource(RunNextLine);
    headless::SetShowHandler([] { std::cout << DescribeViewer(headless::MainWindow()) << std::flush; });
    headless::SetMessageBoxHandler(PrintMessageBox);
    if (options.trace) layer::SetProcedureObserver(TraceMainWindow);
    std::vector<char *> viewerArgv = ViewerArgv(argv[0], options.viewerArguments);
    int exitCode = StartViewer(static_cast<int>(viewerArgv.size()) - 1, viewerArgv.data());
    std::cout << "exit: " << exitCode << std::endl;
    return 0;
}
