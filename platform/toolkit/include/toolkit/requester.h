// Requesters: the message requester and the file, path, font and colour
// requesters of the pop-up gadgets. Nobody is at this machine to answer, so
// answers are queued in advance; every request is logged; with no answer
// queued the documented default comes back at once. Nothing ever waits.
//
// Button syntax of the message requester: the buttons text lists the labels
// separated by "|". An underscore marks the next character as the key of the
// button; a "*" in front of a label makes it the default button. Numbering:
// from the left the buttons answer 1, 2, ..., and the rightmost answers 0,
// so a lone button answers 0. "Ok|Cancel" answers 1 for Ok and 0 for Cancel.
// An empty or missing buttons text is one button "OK".
#pragma once

#include "toolkit/base.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

struct Object;

enum class RequestKind { Message, File, Path, Font, Colour };

// A colour of the colour requester and of Poppen: each component spread
// over 32 bits (0xAB becomes 0xABABABAB).
struct RgbColor {
    uint32_t red, green, blue;
};
RgbColor rgbFromHex(uint32_t rrggbb);
uint32_t hexFromRgb(const RgbColor &color);

struct RequestAnswer {
    enum Kind { Button, ButtonLabel, Text, Colour, Cancel } kind = Cancel;
    long button = 0;          // Button: the number the requester answers
    std::string text;         // ButtonLabel: a label; Text: a path, file or "name/size" font
    uint32_t rgb = 0;         // Colour: 0xRRGGBB
};

struct RequestRecord {
    RequestKind kind = RequestKind::Message;
    std::string title;
    std::string body;         // message: the formatted body
    std::string buttons;      // message: the buttons text as given
    Word icon = 0;            // message: the icon code
    std::string initial;      // file, path, font: the text shown at first
    std::string pattern;      // file: the pattern
    bool saveMode = false;    // file: a save requester
    uint32_t initialRgb = 0;  // colour
    bool queued = false;      // answered by a queued answer (else by the default)
    std::string note;         // why a queued answer was not used, if it was not
    // The outcome.
    long button = 0;          // message: the number answered
    bool accepted = false;    // file, path, font, colour: false when cancelled
    std::string result;       // file, path, font: the chosen text
    uint32_t rgb = 0;         // colour: 0xRRGGBB chosen
};

// Queue answers, used in order by the next requesters.
void queueAnswer(const RequestAnswer &answer);
void queueButton(long number);
void queueButtonLabel(const char *label);
void queueText(const char *text);
void queueColour(uint32_t rrggbb);
void queueCancel();
size_t queuedAnswers();
void clearAnswers();

// The log of every requester shown, oldest first.
const std::vector<RequestRecord *> &requestLog();
void clearRequestLog();

// The labels of a buttons text, without "_" and "*". Empty text: {"OK"}.
std::vector<std::string> buttonLabels(const char *buttons);
// The number a button at `index` (from the left) answers.
long buttonNumber(size_t index, size_t count);

// Formats a body the way the message requester does: %s %c %d %i %u %x %X
// with flags, width and an optional "l"; "%%" is a percent sign. Arguments
// are words; missing ones read as 0 (an empty text for %s), so a body
// holding more conversions than arguments is safe.
std::string formatBody(const char *format, const Word *args, size_t count);

// Shows a message requester; answers the pressed button's number.
// `application` and `window` may be null.
long messageRequest(Object *application, Object *window, const char *title, const char *buttons, Word icon,
                    const char *format, const Word *args, size_t count);
// Shows a file (File), drawer (Path) or font (Font) requester. True with
// `result` set when a choice was made, false when cancelled. With nothing
// queued the default is a cancel.
bool textRequest(RequestKind kind, const char *title, const char *initial, const char *pattern, bool saveMode,
                 std::string *result);
// Shows a colour requester; true with `rgb` set when a colour was chosen.
bool colourRequest(const char *title, uint32_t initialRgb, uint32_t *rgb);

} // namespace tk
