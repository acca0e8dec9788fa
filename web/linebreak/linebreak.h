/* Line breaking opportunities for the browser build, answering the calls the
 * window's text layout (desktop/TextLayout.cpp) makes of libunibreak, which
 * the browser build does not have. Written for the characters the game's
 * texts use: Japanese, Latin, digits and their punctuation. */
#ifndef LINEBREAK_H
#define LINEBREAK_H
#include <stddef.h>
#ifdef __cplusplus
extern "C" {
#endif
typedef unsigned char utf8_t;
#define LINEBREAK_MUSTBREAK 0
#define LINEBREAK_ALLOWBREAK 1
#define LINEBREAK_NOBREAK 2
#define LINEBREAK_INSIDEACHAR 3
void init_linebreak(void);
/* For every byte of s: LINEBREAK_INSIDEACHAR inside a character; at its
 * last byte whether a line may (or must) end after it. The end of the
 * text is a mandatory break. */
void set_linebreaks_utf8(const utf8_t* s, size_t len, const char* lang, char* brks);
#ifdef __cplusplus
}
#endif
#endif
