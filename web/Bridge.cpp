#include "web/Bridge.h"

#include <emscripten.h>

#include <cstdlib>

// The page keeps one object, ZorbPage (web/page/zorbland.js), that does
// what these calls ask.

EM_ASYNC_JS(void, zorb_wait, (int timeout), { await ZorbPage.wait(timeout); });

EM_JS(int, zorb_next, (int* out), {
    const e = ZorbPage.next();
    if (!e) return 0;
    HEAP32[out >> 2] = e.type;
    HEAP32[(out >> 2) + 1] = e.key | 0;
    HEAP32[(out >> 2) + 2] = e.modifiers | 0;
    HEAPF32[(out >> 2) + 3] = e.x || 0;
    HEAPF32[(out >> 2) + 4] = e.y || 0;
    return 1;
});

EM_JS(double, zorb_now, (), { return performance.now(); });
EM_JS(int, zorb_output_width, (), { return ZorbPage.canvas.width; });
EM_JS(int, zorb_output_height, (), { return ZorbPage.canvas.height; });

EM_JS(void, zorb_begin_frame, (int rgb), { ZorbPage.beginFrame(rgb); });
EM_JS(void, zorb_end_frame, (), { ZorbPage.endFrame(); });
EM_JS(void, zorb_fill, (int x, int y, int w, int h, int rgb), { ZorbPage.fill(x, y, w, h, rgb); });
EM_JS(void, zorb_shade, (int x, int y, int w, int h, int alpha), { ZorbPage.shade(x, y, w, h, alpha); });
EM_JS(void, zorb_gradient, (int x, int y, int w, int h, int left, int right),
      { ZorbPage.gradient(x, y, w, h, left, right); });
EM_JS(void, zorb_clip, (int x, int y, int w, int h), { ZorbPage.clip(x, y, w, h); });
EM_JS(void, zorb_unclip, (), { ZorbPage.unclip(); });
EM_JS(int, zorb_picture_ready, (const char* name, int hi),
      { return ZorbPage.pictureReady(UTF8ToString(name), hi) ? 1 : 0; });
EM_JS(void, zorb_picture, (const char* name, int hi, int x, int y, int w, int h),
      { ZorbPage.picture(UTF8ToString(name), hi, x, y, w, h); });
EM_JS(void, zorb_dots, (int x, int y, int w, int h, int rgb), { ZorbPage.dots(x, y, w, h, rgb); });
EM_JS(void, zorb_line, (float x0, float y0, float x1, float y1, int t, int rgb),
      { ZorbPage.line(x0, y0, x1, y1, t, rgb); });
EM_JS(int, zorb_text_width, (const char* text, int px, int bold, float condense),
      { return ZorbPage.textWidth(UTF8ToString(text), px, bold, condense); });
EM_JS(void, zorb_text_ink, (const char* text, int px, int bold, float condense, int* out), {
    const ink = ZorbPage.textInk(UTF8ToString(text), px, bold, condense);
    HEAP32[out >> 2] = ink[0];
    HEAP32[(out >> 2) + 1] = ink[1];
});
EM_JS(void, zorb_text, (const char* text, int x, int baseline, int px, int bold, int rgb, float condense),
      { ZorbPage.text(UTF8ToString(text), x, baseline, px, bold, rgb, condense); });
EM_JS(void, zorb_log, (double time, const char* event), { ZorbPage.log(time, UTF8ToString(event)); });
EM_JS(void, zorb_beep, (), { ZorbPage.beep(); });
EM_JS(void, zorb_ended, (), { ZorbPage.ended(); });
EM_JS(void, zorb_failed, (const char* reason), { ZorbPage.failed(UTF8ToString(reason)); });
EM_JS(void, zorb_store, (const char* slot, const char* text),
      { ZorbPage.store(UTF8ToString(slot), UTF8ToString(text)); });
EM_JS(char*, zorb_stored, (const char* slot), {
    const text = ZorbPage.stored(UTF8ToString(slot));
    return text === null ? 0 : allocateUTF8(text);
});
EM_JS(void, zorb_note, (const char* text), { ZorbPage.note(UTF8ToString(text)); });
EM_JS(char*, zorb_question, (int id), { return allocateUTF8(ZorbPage.question(id)); });
EM_JS(void, zorb_answer, (int id, const char* text), { ZorbPage.answer(id, UTF8ToString(text)); });

namespace zorb::web::page {

void wait(int timeoutMs) { zorb_wait(timeoutMs); }

bool next(Event& event) {
    static_assert(sizeof(Event) == 20, "the page writes five 32-bit fields");
    return zorb_next(reinterpret_cast<int*>(&event)) != 0;
}

double now() { return zorb_now(); }

void outputSize(int& width, int& height) {
    width = zorb_output_width();
    height = zorb_output_height();
}

void beginFrame(Color background) { zorb_begin_frame(static_cast<int>(background)); }
void endFrame() { zorb_end_frame(); }
void fill(int x, int y, int w, int h, Color color) { zorb_fill(x, y, w, h, static_cast<int>(color)); }
void shade(int x, int y, int w, int h, int alpha) { zorb_shade(x, y, w, h, alpha); }
void gradient(int x, int y, int w, int h, Color left, Color right) {
    zorb_gradient(x, y, w, h, static_cast<int>(left), static_cast<int>(right));
}
void clip(int x, int y, int w, int h) { zorb_clip(x, y, w, h); }
void unclip() { zorb_unclip(); }
bool pictureReady(const std::string& name, bool hi) { return zorb_picture_ready(name.c_str(), hi) != 0; }
void picture(const std::string& name, bool hi, int x, int y, int w, int h) {
    zorb_picture(name.c_str(), hi, x, y, w, h);
}
void dots(int x, int y, int w, int h, Color color) { zorb_dots(x, y, w, h, static_cast<int>(color)); }
void line(float x0, float y0, float x1, float y1, int thickness, Color color) {
    zorb_line(x0, y0, x1, y1, thickness, static_cast<int>(color));
}

int textWidth(const std::string& text, int pixels, bool bold, float condense) {
    return zorb_text_width(text.c_str(), pixels, bold, condense);
}

void textInk(const std::string& text, int pixels, bool bold, float condense, int& top, int& bottom) {
    int ink[2] = {0, 0};
    zorb_text_ink(text.c_str(), pixels, bold, condense, ink);
    top = ink[0];
    bottom = ink[1];
}

void text(const std::string& text, int x, int baseline, int pixels, bool bold, Color color,
          float condense) {
    zorb_text(text.c_str(), x, baseline, pixels, bold, static_cast<int>(color), condense);
}

void log(long long time, const std::string& event) { zorb_log(static_cast<double>(time), event.c_str()); }
void beep() { zorb_beep(); }
void ended() { zorb_ended(); }
void failed(const std::string& reason) { zorb_failed(reason.c_str()); }
void store(const std::string& slot, const std::string& text) { zorb_store(slot.c_str(), text.c_str()); }

std::string stored(const std::string& slot) {
    char* text = zorb_stored(slot.c_str());
    if (!text) return {};
    std::string out(text);
    std::free(text);
    return out;
}

void note(const std::string& text) { zorb_note(text.c_str()); }

std::string question(int id) {
    char* text = zorb_question(id);
    std::string out(text);
    std::free(text);
    return out;
}

void answer(int id, const std::string& text) { zorb_answer(id, text.c_str()); }

}  // namespace zorb::web::page
