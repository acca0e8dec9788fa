// The rules every scene relies on: loading, unloading, the clock, the timer
// queue, message boxes, draws and End.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingHost.h"
#include "runtime/Controls.h"
#include "runtime/Runtime.h"

namespace zorb {
namespace {

using FakeHost = test::RecordingHost;

// A scene whose handlers are set per test.
class Probe : public Scene {
public:
    explicit Probe(Runtime& rt, const char* name = "Probe") : Scene(rt, name, {1000, 1000}, {}) {}
    TextBox Text1{this, 1, {0, 0, 100, 100}, "design"};
    Label Label1{this, 1, {0, 0, 100, 100}, "0", {.visible = Hidden}};
    Image Image1{this, 1, {15, 30, 100, 100}, "pic"};
    Timer Timer1{this, 1, 0, &Probe::Timer1_Timer};
    Timer Timer2{this, 2, 0, &Probe::Timer2_Timer};
    Timer Timer3{this, 3, 0, &Probe::Timer3_Timer};
    std::function<void()> onLoad, on1, on2, on3;
    std::vector<std::string>* trace = nullptr;

private:
    void note(const char* what) {
        if (trace) trace->push_back(std::to_string(runtime().now()) + " " + what);
    }
    void Form_Load() override {
        note("load");
        if (onLoad) onLoad();
    }
    void Timer1_Timer() {
        note("t1");
        if (on1) on1();
    }
    void Timer2_Timer() {
        note("t2");
        if (on2) on2();
    }
    void Timer3_Timer() {
        note("t3");
        if (on3) on3();
    }
};

class RuntimeTest : public ::testing::Test {
protected:
    FakeHost host;
    Runtime rt{host};
    Probe probe{rt};
    std::vector<std::string> trace;
    void SetUp() override { probe.trace = &trace; }
};

TEST_F(RuntimeTest, ShowAfterUnloadStartsFromDesignValuesAndRunsLoadAgain) {
    probe.show();
    probe.Text1.setText("changed");
    probe.Label1.show();
    probe.Image1.move(720, 1440);
    probe.Image1.setPicture("other");
    probe.unload();
    probe.show();
    EXPECT_EQ(probe.Text1.text(), "design");
    EXPECT_FALSE(probe.Label1.visible());
    EXPECT_EQ(probe.Image1.left(), 15);
    EXPECT_EQ(probe.Image1.top(), 30);
    EXPECT_EQ(probe.Image1.picture(), "pic");
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load", "0 load"}));
}

TEST_F(RuntimeTest, ShowOfALoadedSceneKeepsItsValuesAndDoesNotLoadAgain) {
    probe.show();
    probe.Text1.setText("kept");
    probe.show();
    EXPECT_EQ(probe.Text1.text(), "kept");
    EXPECT_EQ(trace.size(), 1u);
}

TEST_F(RuntimeTest, NothingDoneToAnUnloadedSceneCounts) {
    probe.show();
    probe.on1 = [&] {
        probe.unload();
        probe.Timer1.setInterval(0);
        probe.Timer2.setInterval(1);  // armed after the unload: never scheduled
        probe.Text1.setText("late");
    };
    probe.Timer1.setInterval(5);
    rt.advance(100);
    EXPECT_FALSE(probe.loaded());
    EXPECT_TRUE(rt.runningTimers().empty());
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load", "5 t1"}));
    probe.show();
    EXPECT_EQ(probe.Text1.text(), "design");
}

TEST_F(RuntimeTest, UnloadStopsEveryTimerOfTheScene) {
    probe.show();
    probe.Timer1.setInterval(10);
    probe.Timer2.setInterval(1);
    probe.unload();
    EXPECT_TRUE(rt.runningTimers().empty());
    rt.advance(50);
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load"}));
}

TEST_F(RuntimeTest, OneMillisecondChainTakesOneMillisecondPerLink) {
    probe.show();
    probe.on1 = [&] { probe.Timer1.setInterval(0); probe.Timer2.setInterval(1); };
    probe.on2 = [&] { probe.Timer2.setInterval(0); probe.Timer3.setInterval(1); };
    probe.on3 = [&] { probe.Timer3.setInterval(0); };
    probe.Timer1.setInterval(1);
    rt.advance(10);
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load", "1 t1", "2 t2", "3 t3"}));
}

TEST_F(RuntimeTest, PeriodicTimerTicksEveryIntervalUntilStopped) {
    probe.show();
    int ticks = 0;
    probe.on1 = [&] {
        if (++ticks == 3) probe.Timer1.setInterval(0);
    };
    probe.Timer1.setInterval(100);
    rt.advance(1000);
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load", "100 t1", "200 t1", "300 t1"}));
}

TEST_F(RuntimeTest, SettingTheIntervalRestartsTheWait) {
    probe.show();
    probe.Timer1.setInterval(100);
    rt.advance(60);
    probe.Timer1.setInterval(100);  // the same value still restarts it
    rt.advance(99);
    EXPECT_EQ(trace.size(), 1u);
    rt.advance(1);
    EXPECT_EQ(trace.back(), "160 t1");
}

TEST_F(RuntimeTest, HandlerThatChangesItsOwnIntervalIsDueOneNewIntervalLater) {
    probe.show();
    probe.on1 = [&] { probe.Timer1.setInterval(5000); };
    probe.Timer1.setInterval(7000);
    rt.advance(17000);
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load", "7000 t1", "12000 t1", "17000 t1"}));
}

TEST_F(RuntimeTest, TicksDueTogetherRunInArmOrderAndNewOnesWaitAtLeastOneTick) {
    probe.show();
    probe.Timer3.setInterval(10);
    probe.Timer1.setInterval(10);
    probe.Timer2.setInterval(10);
    // Armed during the tick at 10: due at 11, never at 10.
    probe.on3 = [&] { probe.Timer3.setInterval(0); probe.Timer1.setInterval(1); };
    probe.on1 = [&] { probe.Timer1.setInterval(0); };
    probe.on2 = [&] { probe.Timer2.setInterval(0); };
    rt.advance(20);
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load", "10 t3", "10 t2", "11 t1"}));
}

TEST_F(RuntimeTest, PeriodicTimerCountsAsArmedWhenItWasLastRearmed) {
    probe.show();
    probe.Timer1.setInterval(10);  // re-armed at 10 for 20
    probe.Timer2.setInterval(20);  // armed at 0 for 20
    rt.advance(20);
    EXPECT_EQ(trace, (std::vector<std::string>{"0 load", "10 t1", "20 t2", "20 t1"}));
}

TEST_F(RuntimeTest, MessageBoxFreezesTheClockAndHoldsEveryTickAndClick) {
    probe.show();
    probe.Timer2.setInterval(1);
    probe.Label1.show();
    ClickResult clickInBox = ClickResult::Delivered;
    host.duringBox = [&] {
        EXPECT_TRUE(rt.messageBoxOpen());
        clickInBox = rt.click(probe.Image1);
        rt.advance(1000);  // a window system asking for time inside the box gets none
    };
    probe.on1 = [&] {
        probe.Timer1.setInterval(0);
        rt.msgbox("hello");
        EXPECT_EQ(rt.now(), 5);  // no time passed inside the box
    };
    probe.Timer1.setInterval(5);
    rt.advance(6);
    EXPECT_EQ(clickInBox, ClickResult::MessageBoxOpen);
    EXPECT_FALSE(rt.messageBoxOpen());
    // Timer2 ticked every ms, but not while the box was open: 1..6 once each.
    int t2 = 0;
    for (const auto& e : trace) t2 += e.ends_with("t2");
    EXPECT_EQ(t2, 6);
    EXPECT_EQ(host.log_.back(), "5 msgbox hello");
}

TEST_F(RuntimeTest, ClicksReachOnlyVisibleControlsOfVisibleScenes) {
    EXPECT_EQ(rt.click(probe.Image1), ClickResult::NotLoaded);
    probe.show();
    EXPECT_EQ(rt.click(probe.Label1), ClickResult::Hidden);
    EXPECT_EQ(rt.click(probe.Image1), ClickResult::Delivered);
}

TEST_F(RuntimeTest, ClickBringsItsSceneToTheFront) {
    Probe other(rt, "Other");
    probe.show();
    other.show();
    EXPECT_EQ(rt.zOrder().front(), &other);
    rt.click(probe.Image1);
    EXPECT_EQ(rt.zOrder().front(), &probe);
}

TEST_F(RuntimeTest, ShowIsLoggedBeforeTheLoadHandlersBoxes) {
    probe.onLoad = [&] { rt.msgbox("rules"); };
    probe.show();
    probe.unload();
    EXPECT_EQ(host.log_,
              (std::vector<std::string>{"0 show Probe", "0 msgbox rules", "0 unload Probe"}));
    EXPECT_FALSE(probe.visible());
}

TEST_F(RuntimeTest, FixedDrawsComeFirstThenClockDrawsStayInRange) {
    rt.fixNextDraw(3);
    rt.fixNextDraw(1);
    EXPECT_EQ(rt.draw(), 3);
    EXPECT_EQ(rt.draw(), 1);
    std::vector<int> seen(5);
    for (int t = 0; t < 4000; ++t) {
        rt.advance(1);
        const int d = rt.draw();
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 4);
        ++seen[d];
    }
    for (int d = 1; d <= 4; ++d) EXPECT_GT(seen[d], 800) << d;  // each about 1000
}

TEST_F(RuntimeTest, EndUnwindsWithExitAndLeavesNothingRunning) {
    probe.show();
    bool after = false;
    probe.on1 = [&] {
        rt.end();
        after = true;
    };
    probe.Timer1.setInterval(1);
    probe.Timer2.setInterval(1);
    EXPECT_THROW(rt.advance(10), Exit);
    EXPECT_FALSE(after);
    EXPECT_FALSE(probe.loaded());
    EXPECT_TRUE(rt.runningTimers().empty());
    EXPECT_EQ(host.log_.back(), "1 end");
}

}  // namespace
}  // namespace zorb
