#include "tests/app/replay_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

std::string ReplayProgram()
{
#ifdef KOVLO_REPLAY_PATH
    return KOVLO_REPLAY_PATH;
#else
    return "kovlo-replay";
#endif
}

std::string Snapshot::Get(const std::string &name) const
{
    auto found = fields.find(name);
    return found == fields.end() ? std::string("<missing " + name + ">") : found->second;
}

int Snapshot::Int(const std::string &name) const
{
    std::vector<int> numbers = Ints(name);
    EXPECT_EQ(1u, numbers.size()) << name << ": " << Get(name);
    return numbers.empty() ? -999999 : numbers[0];
}

std::vector<int> Snapshot::Ints(const std::string &name) const
{
    std::istringstream in(Get(name));
    std::vector<int> numbers;
    for (int number; in >> number;)
        numbers.push_back(number);
    return numbers;
}

namespace {

constexpr int kSilenceLimitMs = 60000;

// "text: 0xFFFFFF right  ..." -> colour, alignment and the text, whose own
// leading blank is kept.
ShownText ParseText(const std::string &value)
{
    ShownText text;
    size_t first = value.find(' ');
    size_t second = value.find(' ', first + 1);
    text.colour = value.substr(0, first);
    text.alignment = value.substr(first + 1, second - first - 1);
    text.text = second == std::string::npos ? "" : value.substr(second + 1);
    return text;
}

void CloseIfOpen(int *fd)
{
    if (*fd >= 0)
        close(*fd);
    *fd = -1;
}

std::vector<char *> Argv(std::vector<std::string> &words)
{
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

ReplaySession::ReplaySession(const ReplaySetup &setup)
{
    std::vector<std::string> words{setup.program.empty() ? ReplayProgram() : setup.program};
    words.insert(words.end(), setup.options.begin(), setup.options.end());
    words.push_back("--");
    words.insert(words.end(), setup.arguments.begin(), setup.arguments.end());
    char errorTemplate[] = "/tmp/kovlo-replay-stderr-XXXXXX";
    int errorFd = mkstemp(errorTemplate);
    errorPath_ = errorTemplate;
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0 || errorFd < 0) {
        ADD_FAILURE() << "cannot make pipes";
        return;
    }
    std::vector<char *> argv = Argv(words);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(toChild[0], 0);
        dup2(fromChild[1], 1);
        dup2(errorFd, 2);
        for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1], errorFd})
            close(fd);
        if (!setup.workingDirectory.empty() && chdir(setup.workingDirectory.c_str()) != 0)
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    close(errorFd);
    input_ = toChild[1];
    output_ = fromChild[0];
    signal(SIGPIPE, SIG_IGN);
}

ReplaySession::~ReplaySession()
{
    if (pid_ > 0)
        Finish();
    unlink(errorPath_.c_str());
}

void ReplaySession::Send(const std::string &line)
{
    // A driver that has ended already (the no-files message) takes nothing;
    // what it printed tells the test what happened.
    std::string data = line + "\n";
    if (input_ >= 0 && write(input_, data.data(), data.size()) != ssize_t(data.size()))
        CloseIfOpen(&input_);
}

// Every script the tests send ends within seconds; a driver silent for a
// minute is stuck (a loop of paints, say) and is stopped.
bool ReplaySession::OutputArrives()
{
    if (output_ < 0)
        return false;
    pollfd ready = {output_, POLLIN, 0};
    if (poll(&ready, 1, kSilenceLimitMs) > 0)
        return true;
    ADD_FAILURE() << "the driver printed nothing for " << kSilenceLimitMs / 1000
                  << " s: stopped";
    kill(pid_, SIGKILL);
    CloseIfOpen(&output_);
    return false;
}

bool ReplaySession::ReadLine(std::string *line)
{
    for (;;) {
        size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            *line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        if (!OutputArrives())
            return false;
        char buffer[4096];
        ssize_t got = read(output_, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        pending_.append(buffer, size_t(got));
    }
}

// Sorts one printed line into the run; a snapshot begins with `title:`.
void ReplaySession::Absorb(const std::string &line, ReplayRun *run)
{
    size_t colon = line.find(": ");
    std::string name = line.substr(0, colon == std::string::npos ? line.size() - 1 : colon);
    std::string value = colon == std::string::npos ? "" : line.substr(colon + 2);
    if (name == "messagebox")
        run->messageBoxes.push_back(value);
    else if (name == "message")
        run->messages.push_back(value);
    else if (name == "exit")
        run->exitCode = std::atoi(value.c_str());
    else if (name == "title" || run->shows.empty())
        run->shows.push_back(Snapshot{{{name, value}}, {}});
    else if (name == "text")
        run->shows.back().texts.push_back(ParseText(value));
    else
        run->shows.back().fields[name] = value;
}

Snapshot ReplaySession::Show()
{
    Send("show");
    std::string line;
    size_t before = run_.shows.size();
    while (ReadLine(&line)) {
        Absorb(line, &run_);
        if (line.rfind("vScrollInfo:", 0) == 0 && run_.shows.size() > before)
            return run_.shows.back();
    }
    ADD_FAILURE() << "the driver ended before showing its state";
    return Snapshot{};
}

ReplayRun ReplaySession::Finish()
{
    CloseIfOpen(&input_);
    for (std::string line; ReadLine(&line);)
        Absorb(line, &run_);
    CloseIfOpen(&output_);
    int status = 0;
    struct rusage usage {};
    if (pid_ > 0 && wait4(pid_, &status, 0, &usage) == pid_) {
        run_.driverStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run_.peakKb = usage.ru_maxrss;
    }
    pid_ = -1;
    std::ifstream errors(errorPath_);
    run_.errors.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return run_;
}

ReplayRun RunReplay(const ReplaySetup &setup, const std::string &script)
{
    ReplaySession session(setup);
    session.Send(script);
    return session.Finish();
}
