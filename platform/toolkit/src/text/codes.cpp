// Reading formatting codes: a text becomes lines of runs of one style.
#include "toolkit/text.h"

#include <cctype>
#include <cstdlib>

namespace tk {

namespace {

constexpr char kEsc = 27;

struct Style {
    bool bold = false, italic = false, underline = false, coloured = false;
    uint32_t colour = 0;
};

// A bracketed argument of exactly `digits` hexadecimal digits at `p`
// ("[...]"); its value, and `p` moved past it. False leaves `p` alone.
bool hexArgument(const char *&p, int digits, uint32_t *value)
{
    if (p[0] != '[') return false;
    uint32_t v = 0;
    for (int i = 1; i <= digits; ++i) {
        if (!isxdigit(static_cast<unsigned char>(p[i]))) return false;
        const char c = char(tolower(static_cast<unsigned char>(p[i])));
        v = v * 16 + uint32_t(c <= '9' ? c - '0' : c - 'a' + 10);
    }
    if (p[digits + 1] != ']') return false;
    *value = v;
    p += digits + 2;
    return true;
}

// Skips a "[...]" argument when one follows.
void skipArgument(const char *&p)
{
    if (*p != '[') return;
    while (*p && *p != ']') ++p;
    if (*p == ']') ++p;
}

class Builder {
public:
    explicit Builder(std::vector<TextLine> &lines) : lines_(lines) { lines_.emplace_back(); }
    void character(char c, bool shortcut = false)
    {
        std::vector<TextRun> &runs = lines_.back().runs;
        const bool underline = style_.underline || shortcut;
        if (runs.empty() || runs.back().image || runs.back().shortcut || shortcut || !same(runs.back(), underline)) {
            TextRun run;
            run.bold = style_.bold;
            run.italic = style_.italic;
            run.underline = underline;
            run.coloured = style_.coloured;
            run.colour = style_.colour;
            run.shortcut = shortcut;
            runs.push_back(run);
        }
        runs.back().text += c;
    }
    void image(uint32_t key, bool list)
    {
        TextRun run;
        run.image = key;
        run.listImage = list;
        lines_.back().runs.push_back(run);
    }
    void newLine()
    {
        lines_.emplace_back();
        style_ = Style();
    }
    Style &style() { return style_; }
    TextLine &line() { return lines_.back(); }

private:
    bool same(const TextRun &r, bool underline) const
    {
        return r.bold == style_.bold && r.italic == style_.italic && r.underline == underline &&
               r.coloured == style_.coloured && (!r.coloured || r.colour == style_.colour);
    }
    std::vector<TextLine> &lines_;
    Style style_;
};

} // namespace

std::vector<TextLine> parseText(const char *text, bool markShortcut)
{
    std::vector<TextLine> lines;
    Builder b(lines);
    bool shortcutSeen = !markShortcut;
    for (const char *p = text ? text : ""; *p;) {
        const char c = *p++;
        if (c == '\n') {
            b.newLine();
            continue;
        }
        if (c == kEsc) {
            const char code = *p;
            if (!code) break;
            ++p;
            uint32_t value = 0;
            switch (code) {
            case 'b': b.style().bold = true; break;
            case 'i': b.style().italic = true; break;
            case 'u': b.style().underline = true; break;
            case 'n': b.style().bold = b.style().italic = b.style().underline = false; break;
            case 'l': b.line().align = kAlignLeft; break;
            case 'c': b.line().align = kAlignCentre; break;
            case 'r': b.line().align = kAlignRight; break;
            case 'P':
                if (hexArgument(p, 6, &value)) {
                    b.style().coloured = true;
                    b.style().colour = value;
                } else {
                    skipArgument(p);
                }
                break;
            case 'A':
            case 'O':
                if (hexArgument(p, 8, &value))
                    b.image(value, code == 'O');
                else
                    skipArgument(p);
                break;
            default: skipArgument(p); break;
            }
            continue;
        }
        if (c == '_' && !shortcutSeen) {
            shortcutSeen = true;
            if (*p && *p != '\n' && *p != kEsc) b.character(*p++, true);
            continue;
        }
        if (static_cast<unsigned char>(c) < 32 && c != '\t') continue;
        b.character(c == '\t' ? ' ' : c);
    }
    return lines;
}

std::string shownText(const char *text, bool markShortcut)
{
    std::string out;
    const std::vector<TextLine> lines = parseText(text, markShortcut);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += '\n';
        for (const TextRun &r : lines[i].runs) out += r.text;
    }
    return out;
}

} // namespace tk
