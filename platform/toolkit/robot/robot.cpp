// "robot": a plugin for the stand-in host that lets test scripts act on the
// widget layer the GUI plugin uses, as a person would: set the toolkit
// versions, queue requester answers and read the requester log, queue
// clicks, typing, menu picks and other input, and read what was dropped.
// Both plugins link the layer and share its one world.
#include "builder.h"
#include "kestrune.h"
#include "toolkit/toolkit.h"

#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace {

const HostApi *g_api;

const KsScriptServices &S() { return *g_api->script; }

// A target argument: a name, or a table {window = "...", label = "..."} (a
// table may also give `name`).
bool readTarget(ScriptState *s, int pos, tk::Target *target)
{
    size_t n;
    if (S().typeOf(s, pos) == KS_TYPE_STRING) {
        *target = tk::Target::named(S().toString(s, pos, &n));
        return true;
    }
    if (S().typeOf(s, pos) != KS_TYPE_TABLE) return false;
    const char *keys[] = {"name", "window", "label"};
    std::string *fields[] = {&target->name, &target->window, &target->label};
    for (int i = 0; i < 3; ++i) {
        if (S().getField(s, pos, keys[i]) == KS_TYPE_STRING) *fields[i] = S().toString(s, -1, &n);
        S().pop(s, 1);
    }
    return !target->name.empty() || !target->window.empty();
}

int badOption(const char *what)
{
    g_api->system->setErrorString(what);
    return KS_ERR_UNKNOWN_OPTION;
}

// Qualifier words separated by blanks: shift, lshift, rshift, control,
// alt, lalt, ralt, command, lcommand, rcommand.
bool readQualifiers(const char *text, uint32_t *qualifier, std::string *unknown)
{
    static const struct {
        const char *name;
        uint32_t bits;
    } kWords[] = {{"shift", tk::kQualLShift},      {"lshift", tk::kQualLShift}, {"rshift", tk::kQualRShift},
                  {"control", tk::kQualControl},  {"ctrl", tk::kQualControl},  {"alt", tk::kQualLAlt},
                  {"lalt", tk::kQualLAlt},        {"ralt", tk::kQualRAlt},     {"command", tk::kQualLCommand},
                  {"lcommand", tk::kQualLCommand}, {"rcommand", tk::kQualRCommand}};
    std::string all = text ? text : "";
    size_t pos = 0;
    while (pos < all.size()) {
        size_t end = all.find(' ', pos);
        std::string word = all.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? all.size() : end + 1;
        if (word.empty()) continue;
        bool known = false;
        for (const auto &w : kWords)
            if (strcasecmp(word.c_str(), w.name) == 0) {
                *qualifier |= w.bits;
                known = true;
            }
        if (!known) {
            *unknown = word;
            return false;
        }
    }
    return true;
}

void setString(ScriptState *s, const char *key, const std::string &value)
{
    S().pushString(s, value.c_str());
    S().setField(s, -2, key);
}

void setNumber(ScriptState *s, const char *key, double value)
{
    S().pushNumber(s, value);
    S().setField(s, -2, key);
}

// ---------------------------------------------------------------- versions

int cmd_SetVersion(ScriptState *s)
{
    tk::setVersion(int(S().checkInteger(s, 1)), int(S().checkInteger(s, 2)));
    return 0;
}

int cmd_Version(ScriptState *s)
{
    S().pushInteger(s, tk::version());
    S().pushInteger(s, tk::revision());
    S().pushInteger(s, tk::isVersion4() ? 1 : 0);
    return 3;
}

int cmd_SetAddOn(ScriptState *s)
{
    size_t n;
    const char *name = S().checkString(s, 1, &n);
    tk::setAddOn(name, S().checkInteger(s, 2) != 0, int(S().optInteger(s, 3, 0)), int(S().optInteger(s, 4, 0)));
    return 0;
}

int cmd_AddOnVersion(ScriptState *s)
{
    size_t n;
    S().pushString(s, tk::addOnVersionString(S().checkString(s, 1, &n)).c_str());
    return 1;
}

// ---------------------------------------------------------------- requesters

int cmd_Answer(ScriptState *s)
{
    size_t n;
    const char *kind = S().checkString(s, 1, &n);
    if (!strcasecmp(kind, "button"))
        tk::queueButton(long(S().checkInteger(s, 2)));
    else if (!strcasecmp(kind, "label"))
        tk::queueButtonLabel(S().checkString(s, 2, &n));
    else if (!strcasecmp(kind, "text"))
        tk::queueText(S().checkString(s, 2, &n));
    else if (!strcasecmp(kind, "colour") || !strcasecmp(kind, "color"))
        tk::queueColour(uint32_t(S().checkInteger(s, 2)));
    else if (!strcasecmp(kind, "cancel"))
        tk::queueCancel();
    else
        return badOption(kind);
    return 0;
}

int cmd_PendingAnswers(ScriptState *s)
{
    S().pushInteger(s, int64_t(tk::queuedAnswers()));
    return 1;
}

int cmd_Requests(ScriptState *s)
{
    static const char *kKinds[] = {"message", "file", "path", "font", "colour"};
    const auto &log = tk::requestLog();
    S().newTable(s, int(log.size()), 0);
    int64_t index = 1;
    for (const tk::RequestRecord *r : log) {
        S().newTable(s, 0, 14);
        setString(s, "kind", kKinds[int(r->kind)]);
        setString(s, "title", r->title);
        setString(s, "body", r->body);
        setString(s, "buttons", r->buttons);
        setNumber(s, "icon", double(r->icon));
        setString(s, "initial", r->initial);
        setString(s, "pattern", r->pattern);
        setNumber(s, "button", double(r->button));
        setNumber(s, "accepted", r->accepted ? 1 : 0);
        setString(s, "result", r->result);
        setNumber(s, "rgb", double(r->rgb));
        setNumber(s, "queued", r->queued ? 1 : 0);
        setString(s, "note", r->note);
        S().setIndex(s, -2, index++);
    }
    return 1;
}

int cmd_ClearRequests(ScriptState *)
{
    tk::clearRequestLog();
    return 0;
}

// Request(title$, body$, buttons$[, icon]) -> button: the message requester
// of the layer, as the GUI plugin shows it.
int cmd_Request(ScriptState *s)
{
    size_t n;
    std::string title = S().checkString(s, 1, &n);
    std::string body = S().checkString(s, 2, &n);
    std::string buttons = S().checkString(s, 3, &n);
    const tk::Word icon = tk::Word(S().optInteger(s, 4, 1));
    S().pushInteger(s, tk::messageRequest(nullptr, nullptr, title.c_str(), buttons.c_str(), icon, body.c_str(), nullptr, 0));
    return 1;
}

// ---------------------------------------------------------------- input

template <void (*Act)(const tk::Target &)> int targetOnly(ScriptState *s)
{
    tk::Target target;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    Act(target);
    return 0;
}

int cmd_Type(ScriptState *s)
{
    tk::Target target;
    size_t n;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::typeText(target, S().checkString(s, 2, &n));
    return 0;
}

int cmd_Key(ScriptState *s)
{
    tk::Target target;
    size_t n;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    std::string key = S().checkString(s, 2, &n);
    const char *words = S().optString(s, 3, "", &n);
    uint32_t qualifier = 0;
    std::string unknown;
    if (!readQualifiers(words, &qualifier, &unknown)) return badOption(unknown.c_str());
    tk::pressKey(target, key.c_str(), qualifier);
    return 0;
}

int cmd_ContextMenu(ScriptState *s)
{
    tk::Target target;
    size_t n;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::pickContextMenu(target, S().checkString(s, 2, &n));
    return 0;
}

// OpenMenu(target[, path$]): a window's menu by its path, or a widget's
// context menu (its first menu without a path).
int cmd_OpenMenu(ScriptState *s)
{
    tk::Target target;
    size_t n;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::openMenu(target, S().optString(s, 2, "", &n));
    return 0;
}

int cmd_CloseMenu(ScriptState *)
{
    tk::closeMenu();
    return 0;
}

int cmd_Drag(ScriptState *s)
{
    tk::Target target;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::drag(target, long(S().checkInteger(s, 2)));
    return 0;
}

int cmd_Row(ScriptState *s)
{
    tk::Target target;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::clickRow(target, long(S().checkInteger(s, 2)), int(S().optInteger(s, 3, 0)), S().optInteger(s, 4, 0) != 0);
    return 0;
}

int cmd_Drop(ScriptState *s)
{
    tk::Target target;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    const int x = int(S().checkInteger(s, 2)), y = int(S().checkInteger(s, 3));
    S().checkTable(s, 4);
    std::vector<std::string> files;
    size_t n;
    for (int64_t i = 1; S().getIndex(s, 4, i) == KS_TYPE_STRING; ++i) {
        files.push_back(S().toString(s, -1, &n));
        S().pop(s, 1);
    }
    S().pop(s, 1);
    tk::dropFiles(target, x, y, files);
    return 0;
}

int cmd_Wheel(ScriptState *s)
{
    tk::Target target;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::wheel(target, long(S().checkInteger(s, 2)));
    return 0;
}

int cmd_ClosePopup(ScriptState *s)
{
    tk::Target target;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::closePopup(target, S().optInteger(s, 2, 1) != 0);
    return 0;
}

int cmd_Clock(ScriptState *s)
{
    tk::advanceClock(uint64_t(S().optInteger(s, 1, 0) < 0 ? 0 : S().optInteger(s, 1, 0)));
    S().pushInteger(s, int64_t(tk::clockMs()));
    return 1;
}

int cmd_Pending(ScriptState *s)
{
    S().pushInteger(s, int64_t(tk::queuedActions()));
    return 1;
}

int cmd_InputLog(ScriptState *s)
{
    const auto &log = tk::inputLog();
    S().newTable(s, int(log.size()), 0);
    int64_t index = 1;
    for (const std::string &line : log) {
        S().pushString(s, line.c_str());
        S().setIndex(s, -2, index++);
    }
    return 1;
}

int cmd_ClearInput(ScriptState *)
{
    tk::clearInput();
    return 0;
}

// ---------------------------------------------------------------- windows

// The applications the robot made, each holding one window.
std::vector<tk::Object *> g_apps;

// Window{title = "...", name = "...", root = node, [width, height, left, top]}:
// builds a window with its application and opens it (the node syntax is in
// builder.cpp).
int cmd_Window(ScriptState *s)
{
    S().checkTable(s, 1);
    size_t n;
    std::string title = "Robot", name;
    if (S().getField(s, 1, "title") == KS_TYPE_STRING) title = S().toString(s, -1, &n);
    S().pop(s, 1);
    if (S().getField(s, 1, "name") == KS_TYPE_STRING) name = S().toString(s, -1, &n);
    S().pop(s, 1);
    tk::SWord size[4] = {tk::attr::WinSizeDefault, tk::attr::WinSizeDefault, tk::attr::WinPosCentered,
                         tk::attr::WinPosCentered};
    const char *keys[4] = {"width", "height", "left", "top"};
    for (int i = 0; i < 4; ++i) {
        int isInteger = 0;
        if (S().getField(s, 1, keys[i]) == KS_TYPE_NUMBER) size[i] = tk::SWord(S().toInteger(s, -1, &isInteger));
        S().pop(s, 1);
    }
    S().getField(s, 1, "root");
    const char *error = "no root";
    tk::Object *root = buildObject(S(), s, S().top(s), &error);
    S().pop(s, 1);
    if (!root) {
        g_api->system->setErrorString(error);
        return KS_ERR_UNKNOWN_OPTION;
    }
    tk::Object *strip = nullptr;
    if (S().getField(s, 1, "menus") != KS_TYPE_NIL) {
        strip = buildMenustrip(S(), s, S().top(s), &error);
        if (!strip) {
            S().pop(s, 1);
            tk::disposeObject(root);
            g_api->system->setErrorString(error);
            return KS_ERR_UNKNOWN_OPTION;
        }
    }
    S().pop(s, 1);
    tk::Object *window = tk::newObject("Window.mui", tk::TagList{{tk::attr::WinTitle, tk::Word(title.c_str())},
                                                                {tk::attr::WinMenustrip, tk::Word(strip)},
                                                                {tk::attr::WinRootObject, tk::Word(root)},
                                                                {tk::attr::WinWidth, tk::Word(size[0])},
                                                                {tk::attr::WinHeight, tk::Word(size[1])},
                                                                {tk::attr::WinLeftEdge, tk::Word(size[2])},
                                                                {tk::attr::WinTopEdge, tk::Word(size[3])},
                                                                {tk::kTagDone, 0}}.data());
    tk::Object *app = tk::newObject("Application.mui", tk::TagList{{tk::attr::AppWindow, tk::Word(window)}, {tk::kTagDone, 0}}.data());
    if (!window || !app) return KS_ERR_MEMORY;
    if (!name.empty()) tk::setName(window, name.c_str());
    g_apps.push_back(app);
    tk::set(window, tk::attr::WinOpen, 1);
    return 0;
}

// Pump() -> ids: runs the input queued for the robot's windows.
int cmd_Pump(ScriptState *s)
{
    const size_t before = tk::queuedActions();
    for (tk::Object *app : g_apps)
        for (int guard = 0; guard < 1000 && tk::isAlive(app) && tk::queuedActions(); ++guard) {
            tk::Word signals = 0;
            tk::doMethod(app, tk::method::AppNewInput, &signals);
        }
    S().pushInteger(s, int64_t(before - tk::queuedActions()));
    return 1;
}

int cmd_FreeWindows(ScriptState *)
{
    for (tk::Object *app : g_apps) tk::disposeObject(app);
    g_apps.clear();
    freeContextMenus();
    return 0;
}

tk::Object *windowArgument(ScriptState *s, int pos)
{
    size_t n;
    return tk::findWindow(S().checkString(s, pos, &n));
}

// Screenshot(path$[, window$]) -> ok: a window, or the whole screen.
int cmd_Screenshot(ScriptState *s)
{
    size_t n;
    std::string path = S().checkString(s, 1, &n);
    int result;
    if (S().argCount(s) >= 2) {
        tk::Object *window = windowArgument(s, 2);
        result = window ? tk::saveWindowPng(window, path.c_str()) : tk::kErrNotFound;
    } else {
        result = tk::saveScreenPng(path.c_str());
    }
    S().pushInteger(s, result == 0 ? 1 : 0);
    return 1;
}

// Overlay(kind$[, part]) -> shown, left, top, width, height: the "menu" or
// "requester" on the screen; with a part number (from 1) the box of that
// menu row or button, in screen coordinates. Nothing shown: 0.
int cmd_Overlay(ScriptState *s)
{
    size_t n;
    const std::string kind = S().checkString(s, 1, &n);
    if (kind != "menu" && kind != "requester") return badOption(kind.c_str());
    const tk::Overlay &o = kind == "menu" ? tk::screen().menu : tk::screen().requester;
    tk::Rect box = o.box;
    if (S().argCount(s) >= 2) {
        const int64_t part = S().checkInteger(s, 2);
        if (part < 1 || size_t(part) > o.parts.size()) box = tk::Rect{};
        else box = tk::Rect{o.box.x + o.parts[size_t(part - 1)].x, o.box.y + o.parts[size_t(part - 1)].y,
                            o.parts[size_t(part - 1)].width, o.parts[size_t(part - 1)].height};
    }
    S().pushInteger(s, o.shown ? 1 : 0);
    S().pushInteger(s, box.x);
    S().pushInteger(s, box.y);
    S().pushInteger(s, box.width);
    S().pushInteger(s, box.height);
    return 5;
}

// ScreenPixel(x, y) -> 0xRRGGBB of the screen as a screenshot shows it.
int cmd_ScreenPixel(ScriptState *s)
{
    S().pushInteger(s, tk::screenPixel(int(S().checkInteger(s, 1)), int(S().checkInteger(s, 2))));
    return 1;
}

// RequesterShot(path$) -> ok: the picture of the last requester as a PNG.
int cmd_RequesterShot(ScriptState *s)
{
    size_t n;
    const std::string path = S().checkString(s, 1, &n);
    const tk::BitMap *picture = tk::screen().lastRequester;
    S().pushInteger(s, picture && tk::savePng(picture, path.c_str()) == 0 ? 1 : 0);
    return 1;
}

// Pixel(window$, x, y) -> 0xRRGGBB in window coordinates.
int cmd_Pixel(ScriptState *s)
{
    tk::Object *window = windowArgument(s, 1);
    S().pushInteger(s, tk::windowPixel(window, int(S().checkInteger(s, 2)), int(S().checkInteger(s, 3))));
    return 1;
}

// Box(target) -> left, top, width, height of a widget (window coordinates)
// or of a window on the screen.
int cmd_Box(ScriptState *s)
{
    tk::Target target;
    if (!readTarget(s, 1, &target)) return KS_ERR_USAGE;
    tk::Object *object = tk::resolveTarget(target);
    tk::Rect box = object && tk::windowOf(object) == object ? tk::windowBox(object) : tk::objectBox(object);
    S().pushInteger(s, box.x);
    S().pushInteger(s, box.y);
    S().pushInteger(s, box.width);
    S().pushInteger(s, box.height);
    return 4;
}

int cmd_Resize(ScriptState *s)
{
    tk::Object *window = windowArgument(s, 1);
    S().pushInteger(s, tk::resizeWindow(window, long(S().checkInteger(s, 2)), long(S().checkInteger(s, 3))) == 0);
    return 1;
}

// Screen(width, height, depth[, format]) -> ok
int cmd_Screen(ScriptState *s)
{
    const int depth = int(S().checkInteger(s, 3));
    const int format = int(S().optInteger(s, 4, depth <= 8 ? tk::kPixLut8 : tk::kPixArgb32));
    S().pushInteger(s, tk::configureScreen(int(S().checkInteger(s, 1)), int(S().checkInteger(s, 2)), depth, format) == 0);
    return 1;
}

const CommandEntry kCommands[] = {
    {"SetVersion", cmd_SetVersion},
    {"Version", cmd_Version},
    {"SetAddOn", cmd_SetAddOn},
    {"AddOnVersion", cmd_AddOnVersion},
    {"Answer", cmd_Answer},
    {"PendingAnswers", cmd_PendingAnswers},
    {"Requests", cmd_Requests},
    {"ClearRequests", cmd_ClearRequests},
    {"Request", cmd_Request},
    {"Click", targetOnly<tk::click>},
    {"Toggle", targetOnly<tk::toggle>},
    {"Type", cmd_Type},
    {"Key", cmd_Key},
    {"Activate", targetOnly<tk::activate>},
    {"Menu", targetOnly<tk::pickMenu>},
    {"ContextMenu", cmd_ContextMenu},
    {"OpenMenu", cmd_OpenMenu},
    {"CloseMenu", cmd_CloseMenu},
    {"Close", targetOnly<tk::closeWindow>},
    {"Drag", cmd_Drag},
    {"Row", cmd_Row},
    {"Drop", cmd_Drop},
    {"Wheel", cmd_Wheel},
    {"Popup", targetOnly<tk::popup>},
    {"ClosePopup", cmd_ClosePopup},
    {"Clock", cmd_Clock},
    {"Pending", cmd_Pending},
    {"InputLog", cmd_InputLog},
    {"ClearInput", cmd_ClearInput},
    {"Window", cmd_Window},
    {"Pump", cmd_Pump},
    {"FreeWindows", cmd_FreeWindows},
    {"Screenshot", cmd_Screenshot},
    {"Pixel", cmd_Pixel},
    {"Overlay", cmd_Overlay},
    {"ScreenPixel", cmd_ScreenPixel},
    {"RequesterShot", cmd_RequesterShot},
    {"Box", cmd_Box},
    {"Resize", cmd_Resize},
    {"Screen", cmd_Screen},
    {nullptr, nullptr},
};

const HelpString kHelp[] = {
    {"robot.SetVersion(v,r) -- set the toolkit version and revision", 0},
    {"v,r,four=robot.Version() -- toolkit version, revision, fourth generation flag", 0},
    {"robot.SetAddOn(name$,present[,v,r]) -- install or remove an add-on class", 0},
    {"s$=robot.AddOnVersion(name$) -- the add-on's version string, empty when missing", 0},
    {"robot.Answer(kind$[,value]) -- queue a requester answer: button, label, text, colour, cancel", 0},
    {"n=robot.PendingAnswers() -- requester answers still queued", 0},
    {"t=robot.Requests() -- the requester log", 0},
    {"robot.ClearRequests() -- empty the requester log", 0},
    {"n=robot.Request(title$,body$,buts$[,icon]) -- show a message requester", 0},
    {"robot.Click(target) -- click a widget", 0},
    {"robot.Toggle(target) -- toggle a toggle widget", 0},
    {"robot.Type(target,text$) -- type text into a widget", 0},
    {"robot.Key(target,key$[,quals$]) -- press a key with qualifiers", 0},
    {"robot.Activate(target) -- activate a window or a widget", 0},
    {"robot.Menu(target) -- pick a menu item by name or {window=,label=\"Menu/Item\"}", 0},
    {"robot.ContextMenu(target,path$) -- pick \"Menu/Item\" from a widget's context menu", 0},
    {"robot.OpenMenu(target[,path$]) -- open a window's menu or a widget's context menu and leave it open", 0},
    {"robot.CloseMenu() -- close the open menu", 0},
    {"robot.Close(target) -- click a window's close gadget", 0},
    {"robot.Drag(target,value) -- drag a slider or scrollbar to a value", 0},
    {"robot.Row(target,row[,column,double]) -- click a list row", 0},
    {"robot.Drop(target,x,y,files) -- drop files at a point", 0},
    {"robot.Wheel(target,steps) -- turn the mouse wheel (negative: up)", 0},
    {"robot.Popup(target) -- open a pop-up gadget", 0},
    {"robot.ClosePopup(target[,accept]) -- close a pop-up object", 0},
    {"ms=robot.Clock([ms]) -- advance the simulated clock", 0},
    {"n=robot.Pending() -- input actions still queued", 0},
    {"t=robot.InputLog() -- input actions that were dropped, and why", 0},
    {"robot.ClearInput() -- drop queued input and the input log", 0},
    {"robot.Window(t) -- build and open a window from a table {title=,name=,root=node}", 0},
    {"n=robot.Pump() -- run the input queued for the robot's windows", 0},
    {"robot.FreeWindows() -- dispose the robot's windows", 0},
    {"ok=robot.Screenshot(path$[,window$]) -- save a window or the screen as PNG", 0},
    {"rgb=robot.Pixel(window$,x,y) -- a pixel of a window", 0},
    {"shown,l,t,w,h=robot.Overlay(kind$[,part]) -- the open \"menu\" or shown \"requester\", or a row or button of it", 0},
    {"rgb=robot.ScreenPixel(x,y) -- a pixel of the screen with windows, requester and menu", 0},
    {"ok=robot.RequesterShot(path$) -- save the last requester's picture as PNG", 0},
    {"l,t,w,h=robot.Box(target) -- a widget's box, or a window's place on the screen", 0},
    {"ok=robot.Resize(window$,w,h) -- resize a window's inside", 0},
    {"ok=robot.Screen(w,h,depth[,format]) -- configure the screen while no window is open", 0},
    {nullptr, 0},
};

int InitPlugin(PluginInfo *info, const HostApi *api, const char *)
{
    info->capabilities = KS_CAP_LIBRARY;
    info->version = 1;
    info->revision = 0;
    info->hostVersion = 6;
    info->hostRevision = 0;
    info->name = "Robot";
    info->moduleName = "robot";
    info->description = "Drives the widget layer from test scripts";
    if (!api) return 1;
    g_api = api;
    tk::world(); // join the layer's world, or make it
    return 1;
}

int RequirePlugin(ScriptState *, int, int, uint32_t, const KsTagItem *tags)
{
    for (const KsTagItem *t = tags; t && t->tag; ++t)
        if (t->tag == KS_OPTION_TAG_ANSWER) *reinterpret_cast<int32_t *>(t->data) = 1;
    return 0;
}

const char *GetBaseTable() { return "robot"; }
const CommandEntry *GetCommands() { return kCommands; }
const HelpString *GetHelpStrings() { return kHelp; }

#define ROBOT_ENTRY(name) {#name, reinterpret_cast<KsEntry>(name)}
const KsEntryRow kExports[] = {
    ROBOT_ENTRY(InitPlugin),     ROBOT_ENTRY(RequirePlugin),  ROBOT_ENTRY(GetBaseTable),
    ROBOT_ENTRY(GetCommands),    ROBOT_ENTRY(GetHelpStrings), {nullptr, nullptr},
};

KsEntry lookup(const char *name) { return ks_find_entry(kExports, name); }

} // namespace

extern "C" __attribute__((visibility("default"))) const PluginHeader KestrunePluginHeader = {
    {'K', 'E', 'S', 'T', 'R', 'U', 'N', 'E'}, KS_HEADER_VERSION, lookup};
