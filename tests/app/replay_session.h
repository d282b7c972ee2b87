// Runs the replay driver (the whole viewer on the headless host) as a program
// of its own, feeds it script lines and reads what it prints.
#pragma once

#include <map>
#include <string>
#include <vector>

// One status text of a paint: colour 0xBBGGRR, "left"/"right", UTF-8 text.
struct ShownText {
    std::string colour;
    std::string alignment;
    std::string text;
};

// What one `show` printed.
struct Snapshot {
    std::map<std::string, std::string> fields;  // name -> value, as printed
    std::vector<ShownText> texts;

    std::string Get(const std::string &name) const;
    int Int(const std::string &name) const;
    // The numbers of a field such as `window:` or `hScrollInfo:`.
    std::vector<int> Ints(const std::string &name) const;
};

// Everything a finished run printed.
struct ReplayRun {
    std::vector<Snapshot> shows;
    std::vector<std::string> messageBoxes;  // "caption | text"
    std::vector<std::string> messages;      // --trace: "MS NAME 0xWPARAM 0xLPARAM"
    int exitCode = -1000;                   // from the `exit:` line
    int driverStatus = -1;                  // the driver's own exit status
    long peakKb = 0;                        // its peak resident memory
    std::string errors;                     // its standard error
};

struct ReplaySetup {
    std::vector<std::string> options;     // before `--`, e.g. {"--client", "800x600"}
    std::vector<std::string> arguments;   // the viewer's command-line arguments
    std::string workingDirectory;         // empty: the tests' own
    std::string program;                  // empty: the built driver
};

// A running driver. Lines are applied in order once the viewer is idle;
// Show() waits for the snapshot, so everything sent before it has happened.
class ReplaySession {
public:
    explicit ReplaySession(const ReplaySetup &setup);
    ~ReplaySession();
    ReplaySession(const ReplaySession &) = delete;
    ReplaySession &operator=(const ReplaySession &) = delete;

    void Send(const std::string &line);
    Snapshot Show();
    // Ends the input (the driver then closes the window) and collects the rest.
    ReplayRun Finish();

private:
    bool OutputArrives();
    bool ReadLine(std::string *line);
    void Absorb(const std::string &line, ReplayRun *run);

    int pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string errorPath_;
    std::string pending_;
    ReplayRun run_;
};

// Runs a whole script at once.
ReplayRun RunReplay(const ReplaySetup &setup, const std::string &script);

// The built driver.
std::string ReplayProgram();
