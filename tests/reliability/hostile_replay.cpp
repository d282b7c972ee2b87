// The whole viewer over a folder of malformed files made here beside a few
// good ones: the replay driver stepped through all of it in both views with
// turns, resizes, scrolling, both dialogs and the slideshow, ended with Esc.
//
//   hostile_replay [--valgrind PATH [--suppressions FILE]] KOVLO-REPLAY
//
// With --valgrind the driver runs under memcheck, and the run passes when
// valgrind reports no error and no definitely lost byte; without it the
// driver runs as built (a sanitizer build reports through its status). Either
// way the viewer must run the script to its end and exit 0.
// Exits 0 on a clean run, 1 on a finding, 2 for bad arguments, 77 (skipped)
// when the valgrind PATH is empty or cannot be run.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tests/reliability/hostile_folder.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kSkipped = 77;
constexpr int kValgrindFound = 99;  // valgrind's status when it reported anything

std::string ReadText(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quoted(const std::string &text) { return "'" + text + "'"; }

std::string ValgrindCommand(const std::string &valgrind, const std::string &suppressions,
                            const std::string &logPath)
{
    std::string command = Quoted(valgrind) + " --tool=memcheck --error-exitcode=" +
                          std::to_string(kValgrindFound) +
                          " --leak-check=full --show-leak-kinds=definite"
                          " --errors-for-leak-kinds=definite --track-origins=yes"
                          " --num-callers=40 --log-file=" + Quoted(logPath);
    if (!suppressions.empty()) command += " --suppressions=" + Quoted(suppressions);
    return command;
}

struct RunResult {
    int status = -1;
    std::string output;   // the driver's standard output
    std::string errors;   // its standard error (the decoder's warnings, script errors)
    std::string log;      // valgrind's report
};

// The driver, under `wrapper` when it is not empty.
RunResult RunReplay(const std::string &wrapper, const std::string &replay,
                           const std::string &folder, int entries, const TempFolder &scratch)
{
    std::ofstream(scratch.Join("script.txt")) << HostileFolderScript(entries);
    std::string command = wrapper + " " + Quoted(replay) + " -- " + Quoted(folder) +
                          " < " + Quoted(scratch.Join("script.txt")) + " > " +
                          Quoted(scratch.Join("out.txt")) + " 2> " + Quoted(scratch.Join("err.txt"));
    RunResult result;
    int status = std::system(command.c_str());
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = ReadText(scratch.Join("out.txt"));
    result.errors = ReadText(scratch.Join("err.txt"));
    result.log = ReadText(scratch.Join("valgrind.log"));
    return result;
}

// Lines of `text` that start with `prefix`.
std::string LinesStartingWith(const std::string &text, const std::string &prefix)
{
    std::istringstream in(text);
    std::string found;
    for (std::string line; std::getline(in, line);)
        if (line.compare(0, prefix.size(), prefix) == 0) found += line + "\n";
    return found;
}

// Every failure is printed; the run passes only with none.
bool Judge(const RunResult &run, int filesMade)
{
    bool ok = true;
    auto fail = [&ok](const std::string &what) {
        std::cout << "FAIL: " << what << "\n";
        ok = false;
    };
    if (run.status == kValgrindFound) fail("valgrind reported errors or definitely lost memory");
    else if (run.status != 0) fail("the run ended with status " + std::to_string(run.status) + ":\n" + run.errors);
    if (LinesStartingWith(run.output, "exit: 0").empty()) fail("the viewer did not end with exit code 0");
    std::string scriptErrors = LinesStartingWith(run.errors, "replay:");
    if (!scriptErrors.empty()) fail("script lines were refused:\n" + scriptErrors);
    std::string counts = LinesStartingWith(run.output, "fileCount: ");
    if (counts.empty() || std::stoi(counts.substr(11)) < filesMade)
        fail("the folder's " + std::to_string(filesMade) + " files were not all listed: " + counts);
    std::cout << LinesStartingWith(run.output, "fileCount: ") << LinesStartingWith(run.output, "exit: ")
              << LinesStartingWith(run.log, "==") << std::flush;
    return ok;
}

struct Arguments {
    bool underValgrind = false;
    std::string valgrind;
    std::string suppressions;
    std::string replay;
};

bool ParseArguments(int argc, char **argv, Arguments *arguments)
{
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
        std::string option = argv[i];
        if (option == "--valgrind") arguments->underValgrind = true, arguments->valgrind = argv[i + 1];
        else if (option == "--suppressions") arguments->suppressions = argv[i + 1];
        else return false;
    }
    if (i + 1 != argc) return false;
    arguments->replay = argv[i];
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    Arguments arguments;
    if (!ParseArguments(argc, argv, &arguments)) {
        std::cerr << "usage: hostile_replay [--valgrind PATH [--suppressions FILE]] KOVLO-REPLAY\n";
        return 2;
    }
    if (arguments.underValgrind &&
        (arguments.valgrind.empty() || access(arguments.valgrind.c_str(), X_OK) != 0)) {
        std::cout << "valgrind is not installed: skipped\n";
        return kSkipped;
    }
    TempFolder pictures;
    TempFolder scratch;
    int filesMade = MakeHostileFolder(pictures);
    std::string wrapper;
    if (arguments.underValgrind)
        wrapper = ValgrindCommand(arguments.valgrind, arguments.suppressions, scratch.Join("valgrind.log"));
    RunResult run = RunReplay(wrapper, arguments.replay, pictures.path(), filesMade + 2, scratch);
    return Judge(run, filesMade) ? 0 : 1;
}
