#include "fake_host.h"

#include "../../ferrolin/frame/entries.h"

#include <cstdlib>
#include <cstring>

FakeHost *fake;

namespace {

struct KsEventTypeStandIn {
    int unused;
} g_eventType;

int registerError(const char *text)
{
    fake->errors.emplace_back(text);
    return KS_CUSTOM_ERROR_BASE + int(fake->errors.size()) - 1;
}
void setErrorString(const char *text) { fake->errorString = text; }
void setErrorNumber(int n) { fake->errorNumber = n; }
void *allocMem(size_t size, int clear, const char *)
{
    fake->allocations++;
    return clear ? std::calloc(1, size) : std::malloc(size);
}
void freeMem(void *block) { std::free(block); }
int registerHook(int kind, KsHook, void *)
{
    fake->hookKinds.push_back(kind);
    return 0;
}
KsEventType *registerEventType(const char *name, KsEventConverter converter)
{
    if (fake->eventTypeFails || !converter) return nullptr;
    fake->eventTypes.emplace_back(name);
    return reinterpret_cast<KsEventType *>(&g_eventType);
}
int queryInfo(const KsTagItem *list)
{
    int answered = 0;
    for (const KsTagItem *t = list; t->tag; t++) {
        if (t->tag != KS_INFO_APP_TITLE) continue;
        *reinterpret_cast<const char **>(t->data) = fake->title.c_str();
        answered++;
    }
    return answered;
}
// Between UTF-8 and ISO-8859-1; null for what ISO-8859-1 cannot hold.
char *convertText(const char *text, int from, int to)
{
    std::string out;
    if (from == KS_ENCODING_SYSTEM && to == KS_ENCODING_UTF8) {
        for (auto *p = reinterpret_cast<const unsigned char *>(text); *p; p++) {
            if (*p < 0x80) out += char(*p);
            else out += char(0xC0 | (*p >> 6)), out += char(0x80 | (*p & 0x3F));
        }
        return strdup(out.c_str());
    }
    if (from != KS_ENCODING_UTF8 || to != KS_ENCODING_SYSTEM) return nullptr;
    for (auto *p = reinterpret_cast<const unsigned char *>(text); *p;) {
        if (*p < 0x80) out += char(*p++);
        else if ((p[0] & 0xE0) == 0xC0 && (p[1] & 0xC0) == 0x80) out += char(((p[0] & 0x1F) << 6) | (p[1] & 0x3F)), p += 2;
        else return nullptr;
    }
    return strdup(out.c_str());
}
void freeText(char *text) { std::free(text); }
KsPluginNode *obtainPluginList()
{
    KsPluginNode *head = nullptr;
    for (auto it = fake->plugins.rbegin(); it != fake->plugins.rend(); ++it)
        head = new KsPluginNode{head, it->c_str(), nullptr};
    return head;
}
int activatePlugin(KsPluginNode *node)
{
    fake->activated.emplace_back(node->moduleName);
    return 0;
}
void releasePluginList(KsPluginNode *list)
{
    while (list) {
        KsPluginNode *next = list->next;
        delete list;
        list = next;
    }
}
int handToPlugin(const char *name, PluginInfo *, const void *record)
{
    fake->handedTo.emplace_back(name);
    fake->handed = *static_cast<const KsPumpRecord *>(record);
    return 0;
}
int adaptToPaletteScreen(PluginInfo *, int mode, const KsTagItem *options)
{
    std::vector<uintptr_t> request = {uintptr_t(mode)};
    for (const KsTagItem *t = options; t->tag; t++) request.insert(request.end(), {t->tag, t->data});
    fake->paletteRequests.push_back(request);
    return fake->paletteAnswer;
}
int lockBrush(const ScriptId *, KsBrushLock *lock)
{
    if (!fake->brushesReadable) return KS_ERR_USAGE;
    lock->width = lock->height = 1;
    return 0;
}
void unlockBrush(KsBrushLock *) {}

} // namespace

FakeHost::FakeHost()
{
    system.queryInfo = queryInfo;
    system.registerError = registerError;
    system.setErrorString = setErrorString;
    system.setErrorNumber = setErrorNumber;
    system.allocMem = allocMem;
    system.freeMem = freeMem;
    system.registerHook = registerHook;
    system.convertText = convertText;
    system.freeText = freeText;
    system.registerEventType = registerEventType;
    system.obtainPluginList = obtainPluginList;
    system.activatePlugin = activatePlugin;
    system.releasePluginList = releasePluginList;
    system.handToPlugin = handToPlugin;
    graphics.lockBrush = lockBrush;
    graphics.unlockBrush = unlockBrush;
    display.adaptToPaletteScreen = adaptToPaletteScreen;
    api.system = &system;
    api.graphics = &graphics;
    api.display = &display;
}

int FakeHost::init(int version, int revision, bool withApi)
{
    info = PluginInfo{};
    info.hostVersion = version;
    info.hostRevision = revision;
    api.version = uintptr_t(version);
    return InitPlugin(&info, withApi ? &api : nullptr, "/plugins/ferrolin.kpl");
}

std::string FakeHost::message(int id) const
{
    size_t i = size_t(id - KS_CUSTOM_ERROR_BASE);
    return id >= KS_CUSTOM_ERROR_BASE && i < errors.size() ? errors[i] : "(not a custom id)";
}
