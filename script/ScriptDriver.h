#pragma once

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "runtime/Host.h"

namespace zorb {

class Control;
class Runtime;

// A line the driver cannot run: the run ends with "zorbland: FILE:LINE: reason".
class ScriptError : public std::runtime_error {
public:
    ScriptError(std::string file, int line, const std::string& reason)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + reason),
          file_(std::move(file)),
          line_(line) {}
    int line() const { return line_; }
    const std::string& file() const { return file_; }

private:
    std::string file_;
    int line_;
};

// The transcript cannot be written (standard output closed or on a full
// disk): the run ends with status 1. what() is the reason ("No space left on
// device").
class TranscriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the screen to a PNG file; returns an empty string or what went wrong.
using ShotWriter = std::function<std::string(const std::string& file)>;

// The headless host: game time jumps, commands come from a script one line
// at a time, and every event goes to the transcript, flushed line by line so
// another program can drive the game over a pair of pipes. A message box
// reads the following commands inside it until `ok`.
class ScriptDriver : public Host {
public:
    ScriptDriver(std::istream& in, std::string fileName, std::ostream& out);

    void attach(Runtime& runtime);
    void setShotWriter(ShotWriter writer) { shot_ = std::move(writer); }
    // `save FILE` and `load FILE` touch files only when the program asks
    // for them; a driver fed arbitrary input (a fuzzer) leaves the disk alone.
    void allowSaveFiles() { saveFiles_ = true; }

    // Runs the script to its end. Throws ScriptError on a malformed line,
    // TranscriptError when the transcript cannot be written and Exit when
    // the game ends (or the script ends inside a message box).
    void run();

    void messageBox(const std::string& text) override;
    void beep() override {}
    void log(GameTime time, const std::string& event) override;

private:
    enum class Step { Continue, Ok, EndOfScript };
    Step next();
    void execute(const std::string& line);
    [[noreturn]] void fail(const std::string& reason) const;
    Control& control(const std::string& path);
    void dump(const std::string& path);
    void ignored(const std::string& command, const std::string& reason);
    void save(const std::string& command, const std::string& file);
    void load(const std::string& command, const std::string& file);

    std::istream& in_;
    std::string fileName_;
    std::ostream& out_;
    Runtime* runtime_ = nullptr;
    ShotWriter shot_;
    bool saveFiles_ = false;
    int lineNo_ = 0;
    bool okPressed_ = false;
};

}  // namespace zorb
