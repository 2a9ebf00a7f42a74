// A window from a script table. A node is {kind, field = value, ..., child,
// child, ...}: kind "vgroup", "hgroup", "pages", "register" (titles = {...}),
// "virtgroup", "scrollgroup" (one child), "text", "label", "button",
// "string", "check", "cycle", "radio" (entries = {...}, active), "gauge"
// (value, max, info), "slider" (min, max, value), "scrollbar" (total,
// visible, first, horiz), "list" (entries), "floattext", "rect", "hbar",
// "busy", "colour" (rgb). Every node may give name, frame (a frame number),
// title (frame title), disabled, weight, columns (groups), text, horiz, and
// context (a table of menus, as for a window's menus, shown on a right click).
#include "builder.h"

#include "toolkit/toolkit.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using tk::Object;
using tk::TagItem;
using tk::Word;

struct Node {
    const KsScriptServices &S;
    ScriptState *s;
    int pos;
    std::string text(const char *key, const char *fallback = "") const
    {
        std::string out = fallback;
        size_t n;
        if (S.getField(s, pos, key) == KS_TYPE_STRING) out = S.toString(s, -1, &n);
        S.pop(s, 1);
        return out;
    }
    bool has(const char *key) const
    {
        const int type = S.getField(s, pos, key);
        S.pop(s, 1);
        return type != KS_TYPE_NIL;
    }
    long number(const char *key, long fallback = 0) const
    {
        long out = fallback;
        int isInteger = 0;
        const int type = S.getField(s, pos, key);
        if (type == KS_TYPE_NUMBER) out = long(S.toInteger(s, -1, &isInteger));
        if (type == KS_TYPE_BOOLEAN) out = S.toInteger(s, -1, &isInteger) ? 1 : 0;
        S.pop(s, 1);
        return out;
    }
    std::vector<std::string> list(const char *key) const
    {
        std::vector<std::string> out;
        size_t n;
        if (S.getField(s, pos, key) == KS_TYPE_TABLE) {
            const int at = S.top(s);
            for (int64_t i = 1; S.getIndex(s, at, i) == KS_TYPE_STRING; ++i) {
                out.push_back(S.toString(s, -1, &n));
                S.pop(s, 1);
            }
            S.pop(s, 1);
        }
        S.pop(s, 1);
        return out;
    }
};

// List entries are copied in and freed with the list.
Word copyEntry(tk::Hook *, Object *, void *entry) { return reinterpret_cast<Word>(strdup(static_cast<const char *>(entry))); }
Word freeEntry(tk::Hook *, Object *, void *entry)
{
    free(entry);
    return 0;
}
tk::Hook g_copyHook{copyEntry, nullptr};
tk::Hook g_freeHook{freeEntry, nullptr};

struct Texts {
    std::vector<std::string> texts;
    std::vector<const char *> pointers;
    explicit Texts(std::vector<std::string> t) : texts(std::move(t))
    {
        for (const std::string &x : texts) pointers.push_back(x.c_str());
        pointers.push_back(nullptr);
    }
    Word word() const { return reinterpret_cast<Word>(pointers.data()); }
};

Word w(const std::string &text) { return reinterpret_cast<Word>(text.c_str()); }
Word w(Object *o) { return reinterpret_cast<Word>(o); }

std::vector<Object *> g_contextMenus;

// A menu (level 0) or a menu item (deeper) and the items inside it.
Object *buildMenuEntry(const KsScriptServices &S, ScriptState *s, int pos, int level, const char **error)
{
    if (S.typeOf(s, pos) != KS_TYPE_TABLE) {
        *error = "a menu or menu item must be a table";
        return nullptr;
    }
    const Node node{S, s, pos};
    size_t n;
    std::string title;
    if (S.getIndex(s, pos, 1) == KS_TYPE_STRING) title = S.toString(s, -1, &n);
    S.pop(s, 1);
    std::vector<Object *> children;
    for (int64_t i = 2; S.getIndex(s, pos, i) == KS_TYPE_TABLE; ++i) {
        Object *child = buildMenuEntry(S, s, S.top(s), level + 1, error);
        S.pop(s, 1);
        if (!child) {
            for (Object *c : children) tk::disposeObject(c);
            return nullptr;
        }
        children.push_back(child);
    }
    S.pop(s, 1);
    const std::string shortcut = node.text("shortcut"), name = node.text("name");
    std::vector<TagItem> tags;
    auto add = [&](Word tag, Word value) { tags.push_back(TagItem{tag, value}); };
    if (level == 0) {
        add(tk::attr::MenuTitle, w(title));
        if (node.number("disabled")) add(tk::attr::MenuEnabled, 0);
    } else {
        add(tk::attr::ItemTitle, title == "-" ? tk::attr::kMenuBarLabel : w(title));
        if (!shortcut.empty()) add(tk::attr::ItemShortcut, w(shortcut));
        if (node.number("command")) add(tk::attr::ItemCommandString, 1);
        if (node.number("check")) add(tk::attr::ItemCheckit, 1);
        if (node.number("checked")) add(tk::attr::ItemChecked, 1);
        if (node.number("toggle")) add(tk::attr::ItemToggle, 1);
        if (node.has("exclude")) add(tk::attr::ItemExclude, Word(node.number("exclude")));
        if (node.number("disabled")) add(tk::attr::ItemEnabled, 0);
    }
    for (Object *c : children) add(tk::attr::FamilyChild, w(c));
    add(tk::kTagDone, 0);
    Object *object = tk::newObject(level == 0 ? "Menu.mui" : "Menuitem.mui", tags.data());
    if (!object) {
        *error = "the layer could not make the menu";
        return nullptr;
    }
    if (!name.empty()) tk::setName(object, name.c_str());
    return object;
}

} // namespace

Object *buildMenustrip(const KsScriptServices &S, ScriptState *s, int pos, const char **error)
{
    if (S.typeOf(s, pos) != KS_TYPE_TABLE) {
        *error = "menus must be a table";
        return nullptr;
    }
    std::vector<TagItem> tags;
    for (int64_t i = 1; S.getIndex(s, pos, i) == KS_TYPE_TABLE; ++i) {
        Object *menu = buildMenuEntry(S, s, S.top(s), 0, error);
        S.pop(s, 1);
        if (!menu) {
            for (const TagItem &t : tags) tk::disposeObject(reinterpret_cast<Object *>(t.data));
            return nullptr;
        }
        tags.push_back(TagItem{tk::attr::FamilyChild, w(menu)});
    }
    S.pop(s, 1);
    tags.push_back(TagItem{tk::kTagDone, 0});
    Object *strip = tk::newObject("Menustrip.mui", tags.data());
    if (!strip) *error = "the layer could not make the menu strip";
    return strip;
}

void freeContextMenus()
{
    for (Object *strip : g_contextMenus) tk::disposeObject(strip);
    g_contextMenus.clear();
}

Object *buildObject(const KsScriptServices &S, ScriptState *s, int pos, const char **error)
{
    if (S.typeOf(s, pos) != KS_TYPE_TABLE) {
        *error = "a node must be a table";
        return nullptr;
    }
    const Node node{S, s, pos};
    size_t n;
    std::string kind;
    if (S.getIndex(s, pos, 1) == KS_TYPE_STRING) kind = S.toString(s, -1, &n);
    S.pop(s, 1);

    // Children first: they are handed to the container at creation.
    std::vector<Object *> children;
    for (int64_t i = 2; S.getIndex(s, pos, i) == KS_TYPE_TABLE; ++i) {
        Object *child = buildObject(S, s, S.top(s), error);
        S.pop(s, 1);
        if (!child) {
            for (Object *c : children) tk::disposeObject(c);
            return nullptr;
        }
        children.push_back(child);
    }
    S.pop(s, 1);

    const std::string text = node.text("text"), title = node.text("title"), name = node.text("name");
    const std::string info = node.text("info");
    std::vector<TagItem> tags;
    auto add = [&](Word tag, Word value) { tags.push_back(TagItem{tag, value}); };
    if (node.has("frame")) add(tk::attr::Frame, Word(node.number("frame")));
    if (!title.empty()) add(tk::attr::FrameTitle, w(title));
    if (node.has("weight")) add(tk::attr::Weight, Word(node.number("weight")));
    if (node.has("fixwidth")) add(tk::attr::FixWidth, Word(node.number("fixwidth")));
    const Texts entries(node.list(kind == "register" ? "titles" : "entries"));
    const char *cls = nullptr;
    Word childTag = tk::attr::GroupChild;
    if (kind == "vgroup" || kind == "hgroup" || kind == "pages" || kind == "register" || kind == "virtgroup") {
        cls = kind == "register" ? "Register.mui" : kind == "virtgroup" ? "Virtgroup.mui" : "Group.mui";
        add(tk::attr::GroupHoriz, kind == "hgroup");
        if (node.has("columns")) add(tk::attr::GroupColumns, Word(node.number("columns")));
        if (kind == "pages") add(tk::attr::GroupPageMode, 1);
        if (kind == "register") add(tk::attr::RegisterTitles, entries.word());
    } else if (kind == "scrollgroup") {
        cls = "Scrollgroup.mui";
        childTag = tk::attr::ScrollContents;
    } else if (kind == "text" || kind == "label" || kind == "button") {
        cls = "Text.mui";
        add(tk::attr::TextContents, w(text));
        if (kind == "text") add(tk::attr::Frame, tk::kFrameText);
        if (kind == "label" && !node.has("weight")) add(tk::attr::Weight, 0); // labels keep their width
        if (kind == "button") {
            add(tk::attr::Frame, tk::kFrameButton);
            add(tk::attr::InputMode, tk::attr::InputModeRelVerify);
            add(tk::attr::TextPreParse, reinterpret_cast<Word>("\033c"));
            if (text.find('_') != std::string::npos) add(tk::attr::TextHiChar, 1);
        }
    } else if (kind == "string") {
        cls = "String.mui";
        add(tk::attr::Frame, tk::kFrameString);
        add(tk::attr::StringContents, w(text));
        add(tk::attr::StringSecret, Word(node.number("secret")));
        add(tk::attr::CycleChain, 1);
    } else if (kind == "check") {
        cls = "Image.mui";
        add(tk::attr::Frame, tk::kFrameImageButton);
        add(tk::attr::ImageSpec, 15);
        add(tk::attr::InputMode, tk::attr::InputModeToggle);
        add(tk::attr::Selected, Word(node.number("selected")));
    } else if (kind == "cycle") {
        cls = "Cycle.mui";
        add(tk::attr::Frame, tk::kFrameButton);
        add(tk::attr::CycleEntries, entries.word());
        add(tk::attr::CycleActive, Word(node.number("active")));
    } else if (kind == "radio") {
        cls = "Radio.mui";
        add(tk::attr::RadioEntries, entries.word());
        add(tk::attr::RadioActive, Word(node.number("active")));
    } else if (kind == "gauge") {
        cls = "Gauge.mui";
        add(tk::attr::Frame, tk::kFrameGauge);
        add(tk::attr::GaugeHoriz, 1);
        add(tk::attr::GaugeMax, Word(node.number("max", 100)));
        add(tk::attr::GaugeCurrent, Word(node.number("value")));
        add(tk::attr::GaugeInfoText, w(info));
    } else if (kind == "slider") {
        cls = "Slider.mui";
        add(tk::attr::Frame, tk::kFrameSlider);
        add(tk::attr::NumericMin, Word(node.number("min", 0)));
        add(tk::attr::NumericMax, Word(node.number("max", 100)));
        add(tk::attr::NumericValue, Word(node.number("value", 0)));
    } else if (kind == "scrollbar") {
        cls = "Scrollbar.mui";
        add(tk::attr::PropHoriz, Word(node.number("horiz", 1)));
        add(tk::attr::PropEntries, Word(node.number("total", 100)));
        add(tk::attr::PropVisible, Word(node.number("visible", 10)));
        add(tk::attr::PropFirst, Word(node.number("first", 0)));
    } else if (kind == "list") {
        Object *list = tk::newObject("List.mui", tk::TagList{{tk::attr::Frame, tk::kFrameReadList},
                                                            {tk::attr::ListConstructHook, reinterpret_cast<Word>(&g_copyHook)},
                                                            {tk::attr::ListDestructHook, reinterpret_cast<Word>(&g_freeHook)},
                                                            {tk::kTagDone, 0}}.data());
        for (const std::string &e : entries.texts)
            tk::doMethod(list, tk::method::ListInsertSingle, e.c_str(), tk::method::ListInsertBottom);
        if (node.has("active")) tk::set(list, tk::attr::ListActive, Word(node.number("active")));
        cls = "Listview.mui";
        add(tk::attr::ListviewList, w(list));
    } else if (kind == "floattext") {
        cls = "Floattext.mui";
        add(tk::attr::Frame, tk::kFrameReadList);
        add(tk::attr::FloattextText, w(text));
    } else if (kind == "rect" || kind == "hbar") {
        cls = "Rectangle.mui";
        if (kind == "hbar") add(0x8042C943, 1);
        if (kind == "hbar" && !text.empty()) add(0x80426689, w(text));
    } else if (kind == "busy") {
        cls = "Busy.mcc";
        add(tk::attr::Frame, tk::kFrameGauge);
    } else if (kind == "colour") {
        cls = "Poppen.mui";
        add(tk::attr::Frame, tk::kFrameButton);
    } else {
        for (Object *c : children) tk::disposeObject(c);
        *error = "unknown kind of node";
        return nullptr;
    }
    for (Object *c : children) add(childTag, w(c));
    if (node.number("disabled")) add(tk::attr::Disabled, 1);
    add(tk::kTagDone, 0);
    Object *object = tk::newObject(cls, tags.data());
    if (!object) {
        *error = "the layer could not make the object";
        return nullptr;
    }
    if (kind == "colour") {
        const tk::RgbColor rgb = tk::rgbFromHex(uint32_t(node.number("rgb")));
        tk::set(object, tk::attr::PenSpec, reinterpret_cast<Word>(&rgb));
    }
    if (!name.empty()) tk::setName(object, name.c_str());
    if (node.has("context")) {
        S.getField(s, pos, "context");
        Object *strip = buildMenustrip(S, s, S.top(s), error);
        S.pop(s, 1);
        if (!strip) {
            tk::disposeObject(object);
            return nullptr;
        }
        g_contextMenus.push_back(strip);
        tk::set(object, tk::attr::ContextMenu, w(strip));
    }
    return object;
}
