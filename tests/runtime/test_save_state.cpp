// Save states: what a snapshot brings back, the text it is kept in, the
// files it is written to, and every kind of bad file refused with the game
// left exactly as it was. (That a loaded game goes on exactly as the one it
// was saved from, over whole random games, is tests/play/save_determinism.)
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "harness/Harness.h"
#include "RecordingHost.h"
#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/SaveState.h"

namespace zorb {
namespace {

namespace fs = std::filesystem;

using QuietHost = test::RecordingHost;

// A scene that notes what its handlers do.
class Probe : public Scene {
public:
    Probe(Runtime& rt, const char* name) : Scene(rt, name, {1000, 1000}, {}) {}
    TextBox Text1{this, 1, {0, 0, 100, 100}, "design"};
    Label Label1{this, 1, {0, 0, 100, 100}, "0"};
    CommandButton Command1{this, 1, {0, 0, 100, 100}, "OK", &Probe::Command1_Click};
    Image Image1{this, 1, {15, 30, 100, 100}, "pic"};
    Timer Timer1{this, 1, 0, &Probe::Timer1_Timer};
    Timer Timer2{this, 2, 0, &Probe::Timer2_Timer};
    Timer Timer3{this, 3, 0, &Probe::Timer3_Timer};
    std::vector<std::string>* trace = nullptr;
    std::function<void()> on1;

private:
    void note(const std::string& what) {
        if (trace) trace->push_back(std::to_string(runtime().now()) + " " + name() + " " + what);
    }
    void Form_Load() override { note("load"); }
    void Form_Activate() override { note("activate"); }
    void Command1_Click() { note("click"); }
    void Timer1_Timer() {
        note("t1");
        if (on1) on1();
    }
    void Timer2_Timer() { note("t2"); }
    void Timer3_Timer() { note("t3"); }
};

// Two runtimes of the same scenes: the one a save is taken from, and the
// one it is loaded into.
struct World {
    QuietHost host;
    Runtime rt{host};
    Probe a{rt, "SceneA"};
    Probe b{rt, "SceneB"};
    std::vector<std::string> trace;
    World() {
        a.trace = &trace;
        b.trace = &trace;
    }
};

void copyInto(World& from, World& to) {
    SaveState::parse(SaveState::capture(from.rt).text(), to.rt).restore(to.rt);
}

TEST(SaveState, TextsComeBackExactlyAndNeverSpillOntoAnotherLine) {
    const std::string texts[] = {
        "",
        "  spaces before and after  ",
        "two\nlines",
        "\r\n\t",
        "a back\\slash, a \\n that is not a newline, and one at the end\\",
        std::string("\x01\x1b[31m\x7f", 7),
        std::string("nul\0inside", 10),
        "ポッチーは目の前が真っ暗になった！",
        "\U0001F600 beyond the basic plane",
    };
    // The same game with plain texts: as many lines as any of the others.
    World plain;
    plain.a.show();
    SaveState plainState = SaveState::capture(plain.rt);
    plainState.setHostValue("note", "plain");
    const std::string plainText = plainState.text();
    const auto plainLines = std::count(plainText.begin(), plainText.end(), '\n');

    for (const std::string& text : texts) {
        World from, to;
        from.a.show();
        from.a.Text1.setText(text);
        from.a.Label1.setCaption(text);
        from.a.Command1.setCaption(text);
        from.a.Image1.setPicture(text);
        SaveState s = SaveState::capture(from.rt);
        s.setHostValue("note", text);
        const std::string saved = s.text();
        EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), plainLines) << text;
        EXPECT_EQ(saved.find('\r'), std::string::npos) << text;
        const SaveState loaded = SaveState::parse(saved, to.rt);
        loaded.restore(to.rt);
        EXPECT_EQ(to.a.Text1.text(), text);
        EXPECT_EQ(to.a.Label1.caption(), text);
        EXPECT_EQ(to.a.Command1.caption(), text);
        EXPECT_EQ(to.a.Image1.picture(), text);
        EXPECT_EQ(loaded.hostValues().at("note"), text);
    }
}

TEST(SaveState, PositionsComeBackToTheBit) {
    const float positions[] = {0.1f, -123.456f, 1e-7f, 16777216.0f, 3.4e38f, -0.0f, 1.0f / 3.0f};
    for (const float p : positions) {
        World from, to;
        from.a.show();
        from.a.Image1.move(p, -p);
        copyInto(from, to);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(to.a.Image1.left()), std::bit_cast<std::uint32_t>(p)) << p;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(to.a.Image1.top()), std::bit_cast<std::uint32_t>(-p)) << p;
    }
}

TEST(SaveState, TicksDueTogetherKeepTheirArmingOrderAndLaterArmsComeAfterThem) {
    World from, to;
    from.a.show();
    from.a.Timer3.setInterval(100);  // due 100, armed first
    from.a.Timer2.setInterval(100);  // due 100, armed second
    from.rt.advance(40);
    from.a.Timer1.setInterval(60);   // due 100 as well, armed last
    copyInto(from, to);
    // Armed after the load, also due at 100: it must come after all three,
    // which it does only if the arm counter came back with them.
    to.b.show();
    to.b.Timer1.setInterval(60);
    to.trace.clear();
    to.rt.advance(60);
    EXPECT_EQ(to.trace, (std::vector<std::string>{"100 SceneA t3", "100 SceneA t2", "100 SceneA t1",
                                                  "100 SceneB t1"}));
}

TEST(SaveState, ALoadRunsNoHandlerWritesNoLineAndWipesOutTheGameItReplaces) {
    World from, to;
    from.a.show();
    from.b.show();
    from.a.Text1.setText("kept");
    from.a.Label1.hide();
    from.rt.advance(500);  // the clock, and no timer running

    to.b.show();
    to.b.Timer1.setInterval(10);  // would tick if the load left it armed
    to.trace.clear();
    to.host.log_.clear();
    copyInto(from, to);

    EXPECT_TRUE(to.trace.empty());  // no Form_Load, no Form_Activate
    EXPECT_TRUE(to.host.log_.empty());
    EXPECT_EQ(to.rt.now(), 500);
    ASSERT_EQ(to.rt.zOrder().size(), 2u);
    EXPECT_EQ(to.rt.zOrder()[0], &to.b);
    EXPECT_EQ(to.rt.zOrder()[1], &to.a);
    EXPECT_EQ(to.a.Text1.text(), "kept");
    EXPECT_FALSE(to.a.Label1.visible());
    EXPECT_TRUE(to.rt.runningTimers().empty());
    EXPECT_FALSE(to.rt.nextDue());
    to.rt.advance(1000);
    EXPECT_TRUE(to.trace.empty());
}

TEST(SaveState, FixedDrawsStillQueuedComeOutAfterTheLoad) {
    World from, to;
    from.rt.fixNextDraw(3);
    from.rt.fixNextDraw(1);
    to.rt.fixNextDraw(4);
    copyInto(from, to);
    EXPECT_EQ(to.rt.draw(), 3);
    EXPECT_EQ(to.rt.draw(), 1);
}

TEST(SaveState, ACalledSceneStillClosesWithItsCallerAfterALoad) {
    World from, to;
    from.a.show();
    from.b.show();
    from.b.closeWith(from.a);
    copyInto(from, to);
    EXPECT_EQ(to.b.caller(), &to.a);
    to.a.unload();
    EXPECT_FALSE(to.b.loaded());
}

TEST(SaveState, NoSaveIsTakenOrLoadedWhileAMessageBoxIsOpen) {
    World from, to;
    from.a.show();
    const std::string saved = SaveState::capture(from.rt).text();

    std::string captureError, restoreError;
    to.a.show();
    to.a.Text1.setText("in the box");
    to.host.duringBox = [&] {
        try {
            SaveState::capture(to.rt);
        } catch (const SaveError& e) {
            captureError = e.what();
        }
        try {
            SaveState::parse(saved, to.rt).restore(to.rt);
        } catch (const SaveError& e) {
            restoreError = e.what();
        }
    };
    to.rt.msgbox("hello");
    EXPECT_EQ(captureError, "message box open");
    EXPECT_EQ(restoreError, "message box open");
    EXPECT_EQ(to.a.Text1.text(), "in the box");
}

TEST(SaveState, HostValuesNeedAKeyThatFitsOnTheLine) {
    SaveState s;
    for (const char* key : {"", "window Form3", "key\n", "ウィンドウ"}) {
        EXPECT_THROW(s.setHostValue(key, "1"), SaveError) << key;
    }
    EXPECT_THROW(s.setHostValue("window.Form3", "\xff"), SaveError);
    s.setHostValue("window.Form3", "120 40");
    EXPECT_EQ(s.hostValues().at("window.Form3"), "120 40");
}

// --- bad files, against the real game --------------------------------------

// Everything a player or a handler could observe, through the public
// interface only, so that it does not lean on the code it checks.
std::string fullDump(const Runtime& rt) {
    std::ostringstream out;
    out << "now " << rt.now() << " box " << rt.messageBoxOpen() << " next "
        << rt.nextDue().value_or(-1) << "\norder";
    for (const Scene* s : rt.zOrder()) out << ' ' << s->name();
    out << "\nrunning";
    for (const Timer* t : rt.runningTimers()) out << ' ' << t->scene().name() << '.' << t->name();
    out << '\n';
    for (const Scene* s : rt.scenes()) {
        out << s->name() << ' ' << s->loaded() << s->visible() << ' '
            << (s->caller() ? s->caller()->name() : "-") << '\n';
        for (const Control* c : s->controls()) {
            out << ' ' << c->name() << ' ' << c->visible();
            if (const auto* i = dynamic_cast<const Image*>(c)) {
                out << ' ' << std::bit_cast<std::uint32_t>(i->left()) << ' '
                    << std::bit_cast<std::uint32_t>(i->top()) << ' ' << i->picture();
            } else if (const auto* l = dynamic_cast<const Label*>(c)) {
                out << ' ' << l->caption();
            } else if (const auto* b = dynamic_cast<const CommandButton*>(c)) {
                out << ' ' << b->caption();
            } else if (const auto* x = dynamic_cast<const TextBox*>(c)) {
                out << ' ' << x->text();
            } else if (const auto* t = dynamic_cast<const Timer*>(c)) {
                out << ' ' << t->interval() << ' ' << t->running();
            }
            out << '\n';
        }
    }
    return out.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

// A real save: a house with the item box called over it, its timers
// running, two draws fixed in advance. Then the game moves on, so that a
// load that changed anything would show.
class BadSaves : public ::testing::Test {
protected:
    test::Harness h;
    std::string saved;
    std::vector<std::string> lines;
    std::string moved;  // the full dump of the game after it moved on

    void SetUp() override {
        h.startAt("Form7");
        ASSERT_EQ(h.click("Form7.Command5"), ClickResult::Delivered);  // ◎: the item box
        ASSERT_EQ(h.click("Form7.Command1"), ClickResult::Delivered);  // ↑: a step under way
        h.draw(3);
        h.draw(2);
        h.wait(5);
        saved = SaveState::capture(h.runtime).text();
        lines = splitLines(saved);
        h.wait(1234);
        h.setStore(5, "777");
        moved = fullDump(h.runtime);
    }

    // Loading `text` is refused with a reason containing `why`, and the
    // game is exactly as it was.
    void expectRefused(const std::string& text, const std::string& why, const std::string& label) {
        try {
            SaveState::parse(text, h.runtime).restore(h.runtime);
            ADD_FAILURE() << label << ": loaded";
        } catch (const SaveError& e) {
            const std::string reason = e.what();
            EXPECT_NE(reason.find(why), std::string::npos) << label << ": " << reason;
            EXPECT_EQ(reason.find('\n'), std::string::npos) << label << ": " << reason;
        }
        EXPECT_EQ(fullDump(h.runtime), moved) << label;
    }

    // The save with its first line starting `key` replaced (or dropped, for "").
    std::string with(const std::string& key, const std::string& replacement) const {
        std::vector<std::string> out;
        bool done = false;
        for (const std::string& l : lines) {
            if (!done && l.rfind(key, 0) == 0) {
                done = true;
                if (!replacement.empty()) out.push_back(replacement);
            } else {
                out.push_back(l);
            }
        }
        EXPECT_TRUE(done) << key;
        return joinLines(out);
    }
    std::string plus(const std::string& line) const {
        std::vector<std::string> out = lines;
        out.insert(out.end() - 1, line);
        return joinLines(out);
    }
};

TEST_F(BadSaves, TheRealSaveHasWhatTheseCasesBreak) {
    // The cases below rely on these lines being in it.
    for (const char* key : {"clock 5\n", "arm-counter 7\n", "draw 3\n", "draw 2\n", "order Form5\n",
                            "Form5.Caller Form7\n", "Form7.Image1.Left ", "Form7.Timer11.Interval 100\n",
                            "Form7.Timer11.Due 100\nForm7.Timer11.Order 1\n", "Form7.Timer6.Interval 1\n",
                            "Form7.Timer6.Due 6\nForm7.Timer6.Order 7\n", "Form3.Timer6.Interval 0\n"}) {
        EXPECT_NE(saved.find(key), std::string::npos) << key;
    }
    // And it loads: into the game it came from, which is then as it was.
    test::Harness fresh;
    SaveState::parse(saved, fresh.runtime).restore(fresh.runtime);
    SaveState::parse(saved, h.runtime).restore(h.runtime);
    EXPECT_NE(fullDump(h.runtime), moved);
    EXPECT_EQ(fullDump(h.runtime), fullDump(fresh.runtime));
}

TEST_F(BadSaves, TruncatedAtEveryLineIsRefused) {
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::vector<std::string> head(lines.begin(), lines.begin() + static_cast<long>(n));
        const std::string cut = joinLines(head);
        expectRefused(cut, n == 0 ? "empty" : "cut short", "first " + std::to_string(n) + " lines");
        if (HasFailure()) return;
    }
    // Cut inside the last line, and with nothing but the newline missing
    // (which is still whole).
    expectRefused(saved.substr(0, saved.size() - 2), "cut short", "inside 'end'");
    test::Harness fresh;
    EXPECT_NO_THROW(SaveState::parse(saved.substr(0, saved.size() - 1), fresh.runtime));
}

TEST_F(BadSaves, EachKindOfBadFileIsRefusedWithItsReason) {
    struct Case {
        std::string label, text, why;
    };
    const std::vector<Case> cases = {
        {"empty", "", "empty"},
        {"other version", "zorbland-save 2" + saved.substr(saved.find('\n')), "version 2"},
        {"no version", "zorbland-save\n" + saved.substr(saved.find('\n') + 1), "not a ZORBLAND save"},
        {"not a save", "# a script\nwait 100\n", "not a ZORBLAND save"},
        {"unknown scene", plus("Form99.State visible"), "unknown scene 'Form99'"},
        {"unknown scene in the order", with("order Form5", "order Form35"), "unknown scene 'Form35'"},
        {"unknown control", plus("Form7.Image999.Left 0"), "Form7 has no control 'Image999'"},
        {"unknown property", plus("Form7.Image1.Colour 0"), "has no property 'Colour'"},
        {"unknown line", plus("score 100"), "unknown line 'score'"},
        {"clock below 0", with("clock ", "clock -1"), "clock is not a whole number"},
        {"clock too far", with("clock ", "clock 99999999999999999"), "clock is not a whole number"},
        {"clock not a number", with("clock ", "clock 25ms"), "clock is not a whole number"},
        {"draw out of range", with("draw 3", "draw 5"), "draw is not a whole number from 1 to 4"},
        {"interval below 0", with("Form7.Timer1.Interval", "Form7.Timer1.Interval -50"), "Interval is not a whole number"},
        {"position not a number", with("Form7.Image1.Left", "Form7.Image1.Left nan"), "Left is not a finite number"},
        {"position too large", with("Form7.Image1.Left", "Form7.Image1.Left 1e39"), "Left is not a finite number"},
        {"flag not a flag", with("Form7.Image1.Visible", "Form7.Image1.Visible yes"), "is not True or False"},
        {"state unknown", with("Form7.State", "Form7.State minimised"), "not unloaded, hidden or visible"},
        {"given twice", plus(lines[2]), "arm-counter given twice"},
        {"a value missing", with("Form7.Image1.Visible", ""), "Form7.Image1.Visible is missing"},
        {"a scene missing", with("Form12.State", ""), "Form12.State is missing"},
        {"not in the window order", with("order Form5", ""), "Form5 is loaded but not in the window order"},
        {"unloaded in the window order", plus("order Form1"), "names Form1, which is not loaded"},
        {"caller not loaded", with("Form5.Caller", "Form5.Caller Form3"), "Caller"},
        {"invalid UTF-8", with("Form7.Image1.Picture", "Form7.Image1.Picture \xe3\x81"), "not valid UTF-8"},
        {"overlong UTF-8", with("Form7.Image1.Picture", "Form7.Image1.Picture \xc0\xaf"), "not valid UTF-8"},
        {"UTF-16 surrogate", with("Form7.Image1.Picture", "Form7.Image1.Picture \xed\xa0\x80"), "not valid UTF-8"},
        {"beyond U+10FFFF", with("Form7.Image1.Picture", "Form7.Image1.Picture \xf4\x90\x80\x80"), "not valid UTF-8"},
        {"broken escape", with("Form7.Image1.Picture", "Form7.Image1.Picture a\\q"), "broken escape"},
        {"Windows line ends", [&] {
             std::string t;
             for (const std::string& l : lines) t += l + "\r\n";
             return t;
         }(), "Windows line ends"},
        {"a raw tab", with("Form7.Image1.Picture", "Form7.Image1.Picture a\tb"), "control character"},
        {"lines after end", saved + "clock 0\n", "'end' before the last line"},
    };
    for (const Case& c : cases) expectRefused(c.text, c.why, c.label);
}

TEST_F(BadSaves, ArmedTimersMustBeAsTheRuntimeArmsThem) {
    // At 5 ms, arm-counter 7: Timer11 (every 100 ms) is due at 100 with
    // order 1, Timer6 (every 1 ms) at 6 with order 7.
    struct Case {
        std::string label, text, why;
    };
    auto edited = [&](std::vector<std::pair<std::string, std::string>> changes) {
        std::vector<std::string> out = lines;
        for (const auto& [key, line] : changes) {
            const auto it = std::find_if(out.begin(), out.end(), [&](const std::string& l) { return l.rfind(key, 0) == 0; });
            if (it == out.end()) {
                out.insert(out.end() - 1, line);
            } else if (line.empty()) {
                out.erase(it);
            } else {
                *it = line;
            }
        }
        return joinLines(out);
    };
    const std::vector<Case> cases = {
        {"due now", edited({{"Form7.Timer6.Due", "Form7.Timer6.Due 5"}}), "Form7.Timer6.Due is not within one interval after the clock"},
        {"due later than one interval", edited({{"Form7.Timer11.Due", "Form7.Timer11.Due 106"}}), "Form7.Timer11.Due is not within"},
        {"order beyond the counter", edited({{"Form7.Timer6.Order", "Form7.Timer6.Order 8"}}), "Form7.Timer6.Order is beyond arm-counter"},
        {"order 0", edited({{"Form7.Timer11.Order", "Form7.Timer11.Order 0"}}), "Order is not a whole number"},
        {"two timers, one order", edited({{"Form7.Timer6.Order", "Form7.Timer6.Order 1"}}), "share one arming order"},
        {"due without order", edited({{"Form7.Timer6.Order", ""}}), "Form7.Timer6.Order is missing"},
        {"order without due", edited({{"Form7.Timer6.Due", ""}}), "Form7.Timer6.Due is missing"},
        {"armed with no interval", edited({{"Form7.Timer6.Interval", "Form7.Timer6.Interval 0"}}), "Form7.Timer6 is armed with no interval"},
        {"armed on an unloaded scene",
         edited({{"Form3.Timer6.Interval", "Form3.Timer6.Interval 1"},
                 {"Form3.Timer6.Due", "Form3.Timer6.Due 6"},
                 {"Form3.Timer6.Order", "Form3.Timer6.Order 2"}}),
         "Form3.Timer6 is armed on a scene that is not loaded"},
    };
    for (const Case& c : cases) expectRefused(c.text, c.why, c.label);
}

TEST_F(BadSaves, BinaryNoiseIsRefused) {
    std::mt19937 rng(13);
    for (int round = 0; round < 50; ++round) {
        std::string noise(static_cast<std::size_t>(rng() % 4096), '\0');
        for (char& c : noise) c = static_cast<char>(rng());
        expectRefused(noise, "", "noise " + std::to_string(round));
        // Noise behind a good first line, and a real save with bytes flipped.
        expectRefused("zorbland-save 1\n" + noise, "", "noise after the header " + std::to_string(round));
        std::string flipped = saved;
        for (int k = 0; k < 8; ++k) flipped[16 + rng() % (flipped.size() - 16)] = static_cast<char>(rng() | 0x80);
        expectRefused(flipped, "", "flipped bytes " + std::to_string(round));
    }
}

// --- files -----------------------------------------------------------------

class SaveFiles : public ::testing::Test {
protected:
    fs::path dir;
    QuietHost host;
    Runtime rt{host};
    Probe a{rt, "SceneA"};

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zorbland-save-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        a.show();
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> listing() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SaveFiles, ASaveReplacesTheOldOneAndLeavesNothingElseBehind) {
    const fs::path file = dir / "quick.save";
    a.Text1.setText("first");
    SaveState::capture(rt).writeFile(file);
    a.Text1.setText("second");
    SaveState::capture(rt).writeFile(file);
    EXPECT_EQ(listing(), (std::vector<std::string>{"quick.save"}));
    a.Text1.setText("third");
    SaveState::readFile(file, rt).restore(rt);
    EXPECT_EQ(a.Text1.text(), "second");
}

TEST_F(SaveFiles, AFailedWriteLeavesTheOldSaveWhole) {
    const fs::path file = dir / "quick.save";
    SaveState::capture(rt).writeFile(file);
    const std::string old = read(file);
    a.Text1.setText(std::string(100000, 'x'));  // a save larger than the disk will take

    struct Case {
        std::string label;
        std::string path;
        std::string why;
        std::function<void()> before, after;
    };
    std::ofstream(dir / "plain") << "a file";
    fs::create_directories(dir / "taken.save" / "inside");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const std::vector<Case> cases = {
        // Root may write anywhere, but not under a plain file.
        {"directory under a file", (dir / "plain" / "quick.save").string(), "not a directory", {}, {}},
        // The disk fills up halfway: the limit on file size fails the write
        // itself, for root as for anyone.
        {"disk full", file.string(), "file too large",
         [&] {
             std::signal(SIGXFSZ, SIG_IGN);
             rlimit small{4096, saved.rlim_max};  // the soft limit only, so it can be raised again
             ::setrlimit(RLIMIT_FSIZE, &small);
         },
         [&] {
             ::setrlimit(RLIMIT_FSIZE, &saved);
             std::signal(SIGXFSZ, SIG_DFL);
         }},
        {"a directory in the way", (dir / "taken.save").string(), "directory", {}, {}},
    };
    for (const Case& c : cases) {
        if (c.before) c.before();
        std::string reason;
        try {
            SaveState::capture(rt).writeFile(c.path);
        } catch (const SaveError& e) {
            reason = e.what();
        }
        if (c.after) c.after();
        EXPECT_NE(reason.find(c.why), std::string::npos) << c.label << ": '" << reason << "'";
        EXPECT_EQ(read(file), old) << c.label;
        EXPECT_EQ(listing(), (std::vector<std::string>{"plain", "quick.save", "taken.save"})) << c.label;
        EXPECT_TRUE(fs::is_directory(dir / "taken.save" / "inside")) << c.label;
    }
}

TEST_F(SaveFiles, WhatIsNotASaveFileIsRefusedWithoutReadingIt) {
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    {
        std::ofstream big(dir / "big.save");
        big << "zorbland-save 1\n";
    }
    fs::resize_file(dir / "big.save", 64 << 20);  // sparse: no disk used
    const std::pair<std::string, std::string> cases[] = {
        {"missing.save", "no such file or directory"},
        {".", "is a directory"},
        {"pipe", "not a regular file"},  // a blocking open would hang here
        {"big.save", "too large to be a save"},
    };
    const std::string before = fullDump(rt);
    for (const auto& [name, why] : cases) {
        try {
            SaveState::readFile((dir / name).string(), rt);
            ADD_FAILURE() << name << " was read";
        } catch (const SaveError& e) {
            EXPECT_EQ(std::string(e.what()), why) << name;
        }
    }
    EXPECT_EQ(fullDump(rt), before);
}

// Sets (or, with nullopt, unsets) an environment variable until the end of
// the scope.
class Env {
public:
    Env(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~Env() { set(old_); }
    Env(const Env&) = delete;
    Env& operator=(const Env&) = delete;

private:
    void set(const std::optional<std::string>& value) {
        if (value) ::setenv(name_, value->c_str(), 1);
        else ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SaveDirectory, FollowsTheBaseDirectoryRules) {
    const std::string r = (fs::temp_directory_path() / ("zorbland-xdg-test-" + std::to_string(::getpid()))).string();
    fs::remove_all(r);
    struct Case {
        std::optional<std::string> xdg, home;
        std::string want;  // empty: refused
    };
    const Case cases[] = {
        {r + "/data", r + "/home", r + "/data/zorbland"},
        {"relative/data", r + "/home", r + "/home/.local/share/zorbland"},  // ignored, as the rules say
        {"", r + "/home", r + "/home/.local/share/zorbland"},
        {std::nullopt, r + "/home", r + "/home/.local/share/zorbland"},
        {std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const Env xdg("XDG_DATA_HOME", c.xdg), home("HOME", c.home);
        if (c.want.empty()) {
            EXPECT_THROW(saveDirectory(), SaveError);
        } else {
            EXPECT_EQ(saveDirectory(), c.want);
            EXPECT_TRUE(fs::is_directory(c.want));
        }
    }
    fs::remove_all(r);
}

}  // namespace
}  // namespace zorb
