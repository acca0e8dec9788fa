// A recording is read as strictly as a script: checked against the game
// before the replay starts, every bad line named, none skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "desktop/Replay.h"
#include "runtime/Runtime.h"
#include "scenes/Game.h"

namespace zorb::desktop {
namespace {

struct QuietHost : Host {
    void messageBox(const std::string&) override {}
    void beep() override {}
    void log(GameTime, const std::string&) override {}
};

class RecordingChecks : public ::testing::Test {
protected:
    QuietHost host;
    Runtime runtime{host};
    Game game{runtime};

    std::vector<ReplayStep> read(const std::string& text) {
        std::istringstream in(text);
        return parseRecording(in, "s.rec", &runtime);
    }
};

TEST_F(RecordingChecks, AByteOrderMarkAndTabsAreAccepted) {
    const auto steps = read("\xEF\xBB\xBFwait\t100\nclick\tForm3.Command2\t\ndraw 2\n");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].ms, 100);
    EXPECT_EQ(steps[1].target, "Form3.Command2");
    EXPECT_EQ(steps[2].outcome, 2);
}

TEST_F(RecordingChecks, EveryBadLineIsRefusedByItsLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"wait 5\nclick Form99.Command1\n", "s.rec:2: unknown scene 'Form99'"},
        {"click Form3.Command99\n", "s.rec:1: Form3 has no control 'Command99'"},
        {"click Form3.Timer1\n", "s.rec:1: Form3.Timer1 cannot be clicked"},
        {"wait 86400000\nwait 86400001\n", "s.rec:2: wait is at most 86400000 ms (a day), got '86400001'"},
        {"wait 999999999999\n", "s.rec:1: wait is at most 86400000 ms (a day), got '999999999999'"},
        {"cl\x01ick\x1b[2J Form3.Command2\n",
         "s.rec:1: a recording holds only wait, click, ok, draw and load lines, not 'cl\\x01ick\\x1b[2J'"},
        // The byte-order mark counts only at the very start of the file.
        {"wait 5\n\xEF\xBB\xBFwait 5\n",
         "s.rec:2: a recording holds only wait, click, ok, draw and load lines, not '\xEF\xBB\xBFwait'"},
    };
    for (const auto& c : cases) {
        try {
            read(c.text);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const ReplayError& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
    }
}

TEST_F(RecordingChecks, AFileThatCannotBeReadIsSaidSo) {
    const auto dir = std::filesystem::temp_directory_path() / "zorbland-recording-checks";
    std::filesystem::create_directories(dir);
    const struct {
        std::string file;
        std::string error;
    } cases[] = {
        {dir.string(), "cannot read the recording " + dir.string() + ": it is a directory"},
        {(dir / "none.rec").string(),
         "cannot read the recording " + (dir / "none.rec").string() + ": No such file or directory"},
    };
    for (const auto& c : cases) {
        try {
            readRecording(c.file, &runtime);
            ADD_FAILURE() << "read " << c.file;
        } catch (const ReplayError& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
    }
    std::ofstream(dir / "good.rec") << "wait 10\nclick Form3.Command1\n";
    EXPECT_EQ(readRecording((dir / "good.rec").string(), &runtime).size(), 2u);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zorb::desktop
