#include "runtime/Controls.h"

#include "runtime/Runtime.h"

namespace zorb {

namespace {

const char* prefix(ControlKind kind) {
    switch (kind) {
        case ControlKind::Image: return "Image";
        case ControlKind::Label: return "Label";
        case ControlKind::CommandButton: return "Command";
        case ControlKind::TextBox: return "Text";
        case ControlKind::Timer: return "Timer";
        case ControlKind::Line: return "Line";
    }
    return "";
}

}  // namespace

Control::Control(Scene& scene, ControlKind kind, int number)
    : scene_(scene), kind_(kind), number_(number) {
    scene_.add(this);
}

std::string Control::name() const { return prefix(kind_) + std::to_string(number_); }

void Control::changed() const {
    if (scene_.visible()) scene_.runtime().touch();
}

void VisualControl::setVisible(bool visible) {
    if (!live() || visible_ == visible) return;
    visible_ = visible;
    changed();
}

// --- Image -------------------------------------------------------------------

Image::Image(Scene& scene, int number, Rect rect, std::string picture, Visibility visible,
             std::function<void()> onClick)
    : VisualControl(scene, ControlKind::Image, number, rect, visible, std::move(onClick)),
      designPicture_(picture),
      left_(static_cast<float>(rect.left)),
      top_(static_cast<float>(rect.top)),
      picture_(std::move(picture)) {}

void Image::reset() {
    VisualControl::reset();
    left_ = static_cast<float>(rect().left);
    top_ = static_cast<float>(rect().top);
    picture_ = designPicture_;
}

void Image::setLeft(float left) {
    if (!live() || left_ == left) return;
    left_ = left;
    changed();
}

void Image::setTop(float top) {
    if (!live() || top_ == top) return;
    top_ = top;
    changed();
}

void Image::setPicture(const std::string& picture) {
    if (!live() || picture_ == picture) return;
    picture_ = picture;
    changed();
}

// --- Label -------------------------------------------------------------------

Label::Label(Scene& scene, int number, Rect rect, std::string caption, LabelStyle style,
             std::function<void()> onClick)
    : VisualControl(scene, ControlKind::Label, number, rect, style.visible, std::move(onClick)),
      designCaption_(caption),
      caption_(std::move(caption)),
      style_(std::move(style)) {}

void Label::reset() {
    VisualControl::reset();
    caption_ = designCaption_;
}

void Label::setCaption(const std::string& caption) {
    if (!live() || caption_ == caption) return;
    caption_ = caption;
    changed();
}

// --- CommandButton -----------------------------------------------------------

CommandButton::CommandButton(Scene& scene, int number, Rect rect, std::string caption,
                             ButtonStyle style, std::function<void()> onClick)
    : VisualControl(scene, ControlKind::CommandButton, number, rect, style.visible,
                    std::move(onClick)),
      designCaption_(caption),
      caption_(std::move(caption)),
      style_(std::move(style)) {}

void CommandButton::reset() {
    VisualControl::reset();
    caption_ = designCaption_;
}

void CommandButton::setCaption(const std::string& caption) {
    if (!live() || caption_ == caption) return;
    caption_ = caption;
    changed();
}

// --- TextBox -----------------------------------------------------------------

TextBox::TextBox(Scene& scene, int number, Rect rect, std::string text, Visibility visible)
    : VisualControl(scene, ControlKind::TextBox, number, rect, visible, {}),
      designText_(text),
      text_(std::move(text)) {}

void TextBox::reset() {
    VisualControl::reset();
    text_ = designText_;
}

void TextBox::setText(const std::string& text) {
    if (!live() || text_ == text) return;
    text_ = text;
    changed();
}

// --- Timer -------------------------------------------------------------------

Timer::Timer(Scene& scene, int number, int interval, std::function<void()> onTimer)
    : Control(scene, ControlKind::Timer, number),
      designInterval_(interval),
      onTimer_(std::move(onTimer)) {}

void Timer::reset() {
    interval_ = 0;
    scene().runtime().disarm(*this);
    setInterval(designInterval_);
}

void Timer::setInterval(int interval) {
    if (!live()) return;
    if (interval < 0) interval = 0;
    interval_ = interval;
    if (interval > 0) {
        scene().runtime().arm(*this);
    } else {
        scene().runtime().disarm(*this);
    }
}

}  // namespace zorb
