#include "desktop/Recorder.h"

namespace zorb::desktop {

void Recorder::settle() {
    if (draws_.empty() && held_.empty()) return;
    out_ << draws_;
    draws_.clear();
    if (!held_.empty()) out_ << held_ << '\n';
    held_.clear();
    out_.flush();
}

void Recorder::command(const std::string& line, GameTime time) {
    settle();
    if (time > heldTime_) out_ << "wait " << (time - heldTime_) << '\n';
    out_.flush();
    held_ = line;
    heldTime_ = time;
}

void Recorder::drawn(int outcome) { draws_ += "draw " + std::to_string(outcome) + "\n"; }

void Recorder::restartAt(GameTime time) {
    settle();
    heldTime_ = time;
}

void Recorder::finish(GameTime time) {
    settle();
    if (time > heldTime_) out_ << "wait " << (time - heldTime_) << '\n';
    heldTime_ = time;
    out_.flush();
}

}  // namespace zorb::desktop
