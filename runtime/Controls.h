#pragma once

#include <functional>
#include <string>
#include <utility>

#include "runtime/Geometry.h"
#include "runtime/Host.h"
#include "runtime/Scene.h"
#include "runtime/Value.h"

namespace zorb {

enum class ControlKind { Image, Label, CommandButton, TextBox, Timer, Line };

enum Visibility : bool { Hidden = false, Shown = true };

// A control belongs to one scene and keeps its design value; loading the
// scene puts every control back to it. Writes to a control of a scene that
// is not loaded have no effect.
class Control {
public:
    Control(Scene& scene, ControlKind kind, int number);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Scene& scene() const { return scene_; }
    ControlKind kind() const { return kind_; }
    int number() const { return number_; }
    // "Image3", "Label1", "Command2", "Text1", "Timer4", "Line1".
    std::string name() const;

    virtual bool visible() const { return true; }
    // Whether a click can be aimed at it at all (timers and lines cannot).
    virtual bool clickable() const { return false; }
    // Runs the click handler, if the control has one.
    virtual void click() {}

protected:
    friend class Scene;
    virtual void reset() = 0;
    bool live() const { return scene_.loaded(); }
    void changed() const;

private:
    Scene& scene_;
    ControlKind kind_;
    int number_;
};

template <class S>
using Handler = void (S::*)();

template <class S>
std::function<void()> bind(S* scene, Handler<S> handler) {
    if (!handler) return {};
    return [scene, handler] { (scene->*handler)(); };
}

// A control that can be shown, hidden and clicked.
class VisualControl : public Control {
public:
    bool visible() const override { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool clickable() const override { return true; }
    void click() override {
        if (onClick_) onClick_();
    }
    bool hasClickHandler() const { return static_cast<bool>(onClick_); }
    Rect rect() const { return rect_; }

protected:
    VisualControl(Scene& scene, ControlKind kind, int number, Rect rect, bool visible,
                  std::function<void()> onClick)
        : Control(scene, kind, number),
          rect_(rect),
          designVisible_(visible),
          visible_(visible),
          onClick_(std::move(onClick)) {}
    void reset() override { visible_ = designVisible_; }

private:
    friend class SaveState;
    Rect rect_;
    bool designVisible_;
    bool visible_;
    std::function<void()> onClick_;
};

// A picture at its natural size. With no picture it is an invisible click
// area of its design size.
class Image : public VisualControl {
public:
    template <class S>
    Image(S* scene, int number, Rect rect, std::string picture, Visibility visible = Shown)
        : Image(static_cast<Scene&>(*scene), number, rect, std::move(picture), visible, {}) {}
    template <class S>
    Image(S* scene, int number, Rect rect, std::string picture, Handler<S> onClick,
          Visibility visible = Shown)
        : Image(static_cast<Scene&>(*scene), number, rect, std::move(picture), visible,
                bind(scene, onClick)) {}

    float left() const { return left_; }
    float top() const { return top_; }
    void setLeft(float left);
    void setTop(float top);
    void move(float left, float top) {
        setLeft(left);
        setTop(top);
    }
    // Positions are often kept as text in value fields: single precision.
    void setLeft(std::string_view text) { setLeft(static_cast<float>(toNumber(text))); }
    void setTop(std::string_view text) { setTop(static_cast<float>(toNumber(text))); }

    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& picture);

private:
    Image(Scene& scene, int number, Rect rect, std::string picture, Visibility visible,
          std::function<void()> onClick);
    void reset() override;
    friend class SaveState;

    std::string designPicture_;
    float left_;
    float top_;
    std::string picture_;
};

struct LabelStyle {
    Color fore = colors::ButtonText;
    Color back = colors::ButtonFace;
    double size = 9;  // points
    bool bold = false;
    Visibility visible = Shown;
};

// Text in a box, wrapped inside it. Counter labels hold decimal text.
class Label : public VisualControl {
public:
    template <class S>
    Label(S* scene, int number, Rect rect, std::string caption, LabelStyle style = {},
          Handler<S> onClick = nullptr)
        : Label(static_cast<Scene&>(*scene), number, rect, std::move(caption), std::move(style),
                bind(scene, onClick)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    double value() const { return toNumber(caption_); }
    void setValue(double value) { setCaption(toText(value)); }
    const LabelStyle& style() const { return style_; }

private:
    Label(Scene& scene, int number, Rect rect, std::string caption, LabelStyle style,
          std::function<void()> onClick);
    void reset() override;
    friend class SaveState;

    std::string designCaption_;
    std::string caption_;
    LabelStyle style_;
};

struct ButtonStyle {
    double size = 9;  // points
    bool bold = false;
    std::string picture;  // a graphical button shows this picture
    Color back = colors::ButtonFace;
    Visibility visible = Shown;
};

class CommandButton : public VisualControl {
public:
    template <class S>
    CommandButton(S* scene, int number, Rect rect, std::string caption, Handler<S> onClick,
                  ButtonStyle style = {})
        : CommandButton(static_cast<Scene&>(*scene), number, rect, std::move(caption),
                        std::move(style), bind(scene, onClick)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    const ButtonStyle& style() const { return style_; }

private:
    CommandButton(Scene& scene, int number, Rect rect, std::string caption, ButtonStyle style,
                  std::function<void()> onClick);
    void reset() override;
    friend class SaveState;

    std::string designCaption_;
    std::string caption_;
    ButtonStyle style_;
};

// A text field. The game uses them only as value fields: hidden, or placed
// outside the client area, holding a number or a flag as decimal text.
class TextBox : public VisualControl {
public:
    template <class S>
    TextBox(S* scene, int number, Rect rect, std::string text, Visibility visible = Shown)
        : TextBox(static_cast<Scene&>(*scene), number, rect, std::move(text), visible) {}

    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    double value() const { return toNumber(text_); }
    void setValue(double value) { setText(toText(value)); }

private:
    TextBox(Scene& scene, int number, Rect rect, std::string text, Visibility visible);
    void reset() override;
    friend class SaveState;

    std::string designText_;
    std::string text_;
};

// An interval and a handler. Setting a non-zero interval (re)starts the wait;
// 0 stops it. A running timer ticks again interval ms after each tick.
class Timer : public Control {
public:
    template <class S>
    Timer(S* scene, int number, int interval, Handler<S> onTimer)
        : Timer(static_cast<Scene&>(*scene), number, interval, bind(scene, onTimer)) {}

    int interval() const { return interval_; }
    void setInterval(int interval);
    bool running() const { return armed_; }

private:
    friend class Runtime;
    friend class SaveState;
    Timer(Scene& scene, int number, int interval, std::function<void()> onTimer);
    void reset() override;

    int designInterval_;
    int interval_ = 0;
    std::function<void()> onTimer_;
    // Kept by the runtime's timer queue.
    bool armed_ = false;
    GameTime due_ = 0;
    long long armOrder_ = 0;
    long long generation_ = 0;  // bumped on every (re)arm and stop
};

// A straight line drawn on the scene; decoration only.
class Line : public Control {
public:
    template <class S>
    Line(S* scene, int number, Point from, Point to, Color color = colors::Black)
        : Control(static_cast<Scene&>(*scene), ControlKind::Line, number),
          from_(from),
          to_(to),
          color_(color) {}

    Point from() const { return from_; }
    Point to() const { return to_; }
    Color color() const { return color_; }

private:
    void reset() override {}

    Point from_;
    Point to_;
    Color color_;
};

}  // namespace zorb
