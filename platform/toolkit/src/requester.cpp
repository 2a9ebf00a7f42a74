#include "toolkit/requester.h"

#include "draw/overlays.h"
#include "toolkit/world.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace tk {

namespace {

RequestAnswer *nextAnswer()
{
    World &w = world();
    if (w.answers.empty()) return nullptr;
    RequestAnswer *a = w.answers.front();
    w.answers.pop_front();
    return a;
}

RequestRecord *logRequest(RequestKind kind, const char *title)
{
    RequestRecord *r = new RequestRecord;
    r->kind = kind;
    r->title = title ? title : "";
    world().requestLog.push_back(r);
    return r;
}

std::string cleanLabel(const std::string &raw)
{
    std::string out;
    size_t i = 0;
    if (i < raw.size() && raw[i] == '*') ++i;
    bool underscoreSeen = false;
    for (; i < raw.size(); ++i) {
        if (raw[i] == '_' && !underscoreSeen) {
            underscoreSeen = true;
            continue;
        }
        out += raw[i];
    }
    return out;
}

} // namespace

RgbColor rgbFromHex(uint32_t rrggbb)
{
    auto spread = [](uint32_t byte) { return byte * 0x01010101u; };
    return RgbColor{spread((rrggbb >> 16) & 0xFF), spread((rrggbb >> 8) & 0xFF), spread(rrggbb & 0xFF)};
}

uint32_t hexFromRgb(const RgbColor &c) { return (c.red >> 24) << 16 | (c.green >> 24) << 8 | (c.blue >> 24); }

void queueAnswer(const RequestAnswer &answer) { world().answers.push_back(new RequestAnswer(answer)); }

void queueButton(long number)
{
    RequestAnswer a;
    a.kind = RequestAnswer::Button;
    a.button = number;
    queueAnswer(a);
}

void queueButtonLabel(const char *label)
{
    RequestAnswer a;
    a.kind = RequestAnswer::ButtonLabel;
    a.text = label ? label : "";
    queueAnswer(a);
}

void queueText(const char *text)
{
    RequestAnswer a;
    a.kind = RequestAnswer::Text;
    a.text = text ? text : "";
    queueAnswer(a);
}

void queueColour(uint32_t rrggbb)
{
    RequestAnswer a;
    a.kind = RequestAnswer::Colour;
    a.rgb = rrggbb & 0xFFFFFF;
    queueAnswer(a);
}

void queueCancel() { queueAnswer(RequestAnswer{}); }

size_t queuedAnswers() { return world().answers.size(); }

void clearAnswers()
{
    for (RequestAnswer *a : world().answers) delete a;
    world().answers.clear();
}

const std::vector<RequestRecord *> &requestLog() { return world().requestLog; }

void clearRequestLog()
{
    for (RequestRecord *r : world().requestLog) delete r;
    world().requestLog.clear();
}

std::vector<std::string> buttonLabels(const char *buttons)
{
    std::vector<std::string> labels;
    if (!buttons || !*buttons) return {"OK"};
    std::string text(buttons);
    size_t start = 0;
    for (;;) {
        size_t bar = text.find('|', start);
        labels.push_back(cleanLabel(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return labels;
}

long buttonNumber(size_t index, size_t count) { return index + 1 >= count ? 0 : long(index + 1); }

std::string formatBody(const char *format, const Word *args, size_t count)
{
    std::string out;
    if (!format) return out;
    size_t next = 0;
    auto arg = [&]() -> Word {
        Word v = next < count && args ? args[next] : 0;
        ++next;
        return v;
    };
    for (const char *p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        const char *start = p++;
        if (*p == '%') {
            out += '%';
            continue;
        }
        std::string conversion = "%";
        bool leftAlign = false;
        while (*p && strchr("-+ #0", *p)) {
            leftAlign = leftAlign || *p == '-';
            conversion += *p++;
        }
        int width = 0, precision = -1;
        while (*p && isdigit(static_cast<unsigned char>(*p)) && width < 1000) {
            width = width * 10 + (*p - '0');
            conversion += *p++;
        }
        if (*p == '.') {
            conversion += *p++;
            precision = 0;
            while (*p && isdigit(static_cast<unsigned char>(*p)) && precision < 1000) {
                precision = precision * 10 + (*p - '0');
                conversion += *p++;
            }
        }
        bool isLong = false;
        while (*p == 'l') {
            isLong = true;
            ++p;
        }
        char buffer[2100];
        switch (*p) {
        case 's': {
            const char *text = reinterpret_cast<const char *>(arg());
            std::string value = text ? text : "";
            if (precision >= 0 && value.size() > size_t(precision)) value.resize(size_t(precision));
            std::string pad(width > int(value.size()) ? size_t(width) - value.size() : 0, ' ');
            out += leftAlign ? value + pad : pad + value;
            break;
        }
        case 'c': out += char(arg()); break;
        case 'd':
        case 'i':
            snprintf(buffer, sizeof buffer, (conversion + "lld").c_str(),
                     isLong ? (long long)SWord(arg()) : (long long)int32_t(uint32_t(arg())));
            out += buffer;
            break;
        case 'u':
        case 'x':
        case 'X': {
            unsigned long long v = isLong ? (unsigned long long)arg() : (unsigned long long)uint32_t(arg());
            snprintf(buffer, sizeof buffer, (conversion + "ll" + *p).c_str(), v);
            out += buffer;
            break;
        }
        default:
            // Not a conversion this formatter knows: shown as written.
            out.append(start, size_t(p - start) + (*p ? 1 : 0));
            if (!*p) return out;
        }
    }
    return out;
}

long messageRequest(Object *application, Object *window, const char *title, const char *buttons, Word icon,
                    const char *format, const Word *args, size_t count)
{
    (void)application;
    RequestRecord *r = logRequest(RequestKind::Message, title);
    r->body = formatBody(format, args, count);
    r->buttons = buttons ? buttons : "";
    r->icon = icon;
    // The requester is drawn as it would stand on the screen; a picture
    // that cannot be made does not keep the answer from coming.
    RequesterLook look;
    look.title = r->title;
    look.body = r->body;
    look.buttons = r->buttons;
    look.icon = icon;
    showRequesterWindow(look, window);
    const std::vector<std::string> labels = buttonLabels(buttons);
    const size_t n = labels.size();

    // The default: the button marked with "*", else the leftmost one.
    long fallback = buttonNumber(0, n);
    if (buttons) {
        std::string text(buttons);
        size_t index = 0, start = 0;
        for (;;) {
            if (start < text.size() && text[start] == '*') {
                fallback = buttonNumber(index, n);
                break;
            }
            size_t bar = text.find('|', start);
            if (bar == std::string::npos) break;
            start = bar + 1;
            ++index;
        }
    }
    r->button = fallback;
    if (RequestAnswer *a = nextAnswer()) {
        switch (a->kind) {
        case RequestAnswer::Button:
            if (a->button >= 0 && a->button < long(n)) {
                r->button = a->button;
                r->queued = true;
            } else {
                r->note = "queued button " + std::to_string(a->button) + " does not exist";
            }
            break;
        case RequestAnswer::ButtonLabel: {
            for (size_t i = 0; i < n; ++i)
                if (strcasecmp(labels[i].c_str(), cleanLabel(a->text).c_str()) == 0) {
                    r->button = buttonNumber(i, n);
                    r->queued = true;
                }
            if (!r->queued) r->note = "queued button \"" + a->text + "\" does not exist";
            break;
        }
        case RequestAnswer::Cancel:
            r->button = 0; // the rightmost button is the negative one
            r->queued = true;
            break;
        default: r->note = "queued answer is not a button"; break;
        }
        delete a;
    }
    return r->button;
}

bool textRequest(RequestKind kind, const char *title, const char *initial, const char *pattern, bool saveMode,
                 std::string *result)
{
    RequestRecord *r = logRequest(kind, title);
    r->initial = initial ? initial : "";
    r->pattern = pattern ? pattern : "";
    r->saveMode = saveMode;
    static const char *const kWhat[] = {"", "File", "Drawer", "Font", ""};
    RequesterLook look;
    look.title = r->title;
    look.body = std::string("\33b") + kWhat[int(kind)] + ":\33n " + r->initial;
    if (kind == RequestKind::File && !r->pattern.empty()) look.body += "\n\33bPattern:\33n " + r->pattern;
    look.buttons = saveMode ? "*Save|Cancel" : "*OK|Cancel";
    showRequesterWindow(look, nullptr);
    if (RequestAnswer *a = nextAnswer()) {
        if (a->kind == RequestAnswer::Text) {
            r->accepted = true;
            r->result = a->text;
            r->queued = true;
        } else if (a->kind == RequestAnswer::Cancel) {
            r->queued = true;
        } else {
            r->note = "queued answer is not a text";
        }
        delete a;
    }
    if (r->accepted && result) *result = r->result;
    return r->accepted;
}

bool colourRequest(const char *title, uint32_t initialRgb, uint32_t *rgb)
{
    RequestRecord *r = logRequest(RequestKind::Colour, title);
    r->initialRgb = initialRgb & 0xFFFFFF;
    r->rgb = r->initialRgb;
    char hex[16];
    snprintf(hex, sizeof hex, "#%06X", unsigned(r->initialRgb));
    RequesterLook look;
    look.title = r->title;
    look.body = std::string("\33bColour:\33n ") + hex;
    look.buttons = "*OK|Cancel";
    look.swatch = true;
    look.swatchRgb = r->initialRgb;
    showRequesterWindow(look, nullptr);
    if (RequestAnswer *a = nextAnswer()) {
        if (a->kind == RequestAnswer::Colour) {
            r->accepted = true;
            r->rgb = a->rgb;
            r->queued = true;
        } else if (a->kind == RequestAnswer::Cancel) {
            r->queued = true;
        } else {
            r->note = "queued answer is not a colour";
        }
        delete a;
    }
    if (r->accepted && rgb) *rgb = r->rgb;
    return r->accepted;
}

} // namespace tk
