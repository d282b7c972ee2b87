// The kovlo-replay program itself: options, the script's end, and what it
// prints, on folders made here.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

struct ReplayRun {
    int status;          // the process's exit status
    std::string output;  // standard output
};

ReplayRun RunReplay(const std::string &options, const std::string &script, const TempFolder &scratch)
{
    std::string scriptPath = scratch.Join("script.txt");
    WriteBytes(scriptPath, std::vector<uint8_t>(script.begin(), script.end()));
    std::string command = std::string(KOVLO_REPLAY_PATH) + " " + options + " < '" + scriptPath +
                          "' 2>/dev/null";
    ReplayRun run{-1, {}};
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool HasLine(const std::string &output, const std::string &line)
{
    return ("\n" + output).find("\n" + line + "\n") != std::string::npos;
}

class ReplayBinaryTest : public ::testing::Test {
protected:
    TempFolder pictures_;
    TempFolder empty_;
    TempFolder scratch_;

    void SetUp() override
    {
        WriteBytes(pictures_.Join("a.jpg"), EncodeJpeg(MakePicture(100, 100, 3)));
        WriteBytes(pictures_.Join("b.jpg"), EncodeJpeg(MakePicture(64, 48, 3)));
    }
};

TEST_F(ReplayBinaryTest, PrintsWhatTheScriptAsksForAndTheExitCode)
{
    struct Case {
        std::string options;
        std::string script;
        std::vector<std::string> lines;  // each must be printed
    };
    const std::string folder = pictures_.path();
    const Case cases[] = {
        {"-- " + folder, "show\n", {"window: 560 240 800 600", "client: 784 561", "fileCount: 2", "exit: 0"}},
        {"--screen 1366x768 -- " + folder, "show\n", {"window: 283 84 800 600", "exit: 0"}},
        {"--client 300x200 -- " + folder, "show\n", {"client: 300 200", "viewWidth: 300", "exit: 0"}},
        {"-- " + folder, "key Space\nshow\nkey Escape\n", {"current: 1", "exit: 0"}},
        // The script ends while a dialog is open: it is cancelled, then the window closed.
        {"-- " + folder, "key J\n", {"exit: 0"}},
        {"-- " + folder, "key T\ndialog 1\ndialog-ok\nadvance 3000\nshow\n",
         {"slideshowOn: 1", "current: 1", "exit: 0"}},
        {"-- " + empty_.path(), "show\n",
         {"messagebox: Kovlo - " + empty_.path() +
              " | JPEG(.jpg,.jpeg)\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB\xE3\x81\x8C"
              "\xE8\xA6\x8B\xE4\xBB\x98\xE3\x81\x8B\xE3\x82\x8A\xE3\x81\xBE\xE3\x81\x9B\xE3\x82"
              "\x93\xE3\x81\xA7\xE3\x81\x97\xE3\x81\x9F\xEF\xBC\x8E",
          "exit: 1"}},
    };
    for (const Case &c : cases) {
        ReplayRun run = RunReplay(c.options, c.script, scratch_);
        EXPECT_EQ(run.status, 0) << c.script;
        for (const std::string &line : c.lines)
            EXPECT_TRUE(HasLine(run.output, line)) << c.script << "\nwanted: " << line << "\n" << run.output;
    }
}

TEST_F(ReplayBinaryTest, BadOptionsEndWithStatusTwoAndRunNothing)
{
    for (const std::string options : {"--screen", "--screen 10", "--client AxB"}) {
        ReplayRun run = RunReplay(options, "show\n", scratch_);
        EXPECT_EQ(run.status, 2) << options;
        EXPECT_EQ(run.output, "") << options;
    }
}

}  // namespace
