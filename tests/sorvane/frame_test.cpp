// The PDF plugin's entry points called directly, as a host would, with a
// recording stand-in for the host's services.
#include "kestrune.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Recorder {
    std::vector<std::string> errors;
    std::vector<std::vector<intptr_t>> capabilityCalls;
    std::vector<int> hookKinds;
    std::string errorString;
    int enableCalls = 0;
} rec;

int registerError(const char *text)
{
    rec.errors.emplace_back(text);
    return 100000 + int(rec.errors.size()) - 1;
}
void setErrorString(const char *text) { rec.errorString = text; }
void setErrorNumber(int) {}
int registerHook(int kind, KsHook, void *)
{
    rec.hookKinds.push_back(kind);
    return 0;
}
int configureCapability(PluginInfo *, uint32_t cap, intptr_t value, const KsTagItem *options)
{
    rec.capabilityCalls.push_back({intptr_t(cap), value, intptr_t(options)});
    return 0;
}
int enableCapability(PluginInfo *, uint32_t) { return ++rec.enableCalls, 0; }

KsSystemServices systemServices() {
    KsSystemServices s{};
    s.registerError = registerError;
    s.setErrorString = setErrorString;
    s.setErrorNumber = setErrorNumber;
    s.registerHook = registerHook;
    s.configureCapability = configureCapability;
    s.enableCapability = enableCapability;
    return s;
}

class PluginFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        rec = Recorder{};
        handle = dlopen(SORVANE_PLUGIN, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        header = static_cast<const PluginHeader *>(dlsym(handle, KS_HEADER_SYMBOL));
        ASSERT_NE(header, nullptr);
    }
    void TearDown() override { dlclose(handle); }

    template <typename F> F get(const char *name) { return reinterpret_cast<F>(header->lookup(name)); }

    int init(int major, int minor, bool withApi = true)
    {
        info = PluginInfo{};
        info.hostVersion = major;
        info.hostRevision = minor;
        api.version = uintptr_t(major);
        api.system = &system;
        return get<KsInitPlugin>("InitPlugin")(&info, withApi ? &api : nullptr, "/plugins/sorvane.kpl");
    }

    void *handle = nullptr;
    const PluginHeader *header = nullptr;
    KsSystemServices system = systemServices();
    HostApi api{};
    PluginInfo info{};
};

TEST_F(PluginFrame, HeaderAndEntryLookup)
{
    EXPECT_EQ(std::string(header->magic, 8), "KESTRUNE");
    EXPECT_EQ(header->version, 1u);
    const char *exported[] = {"InitPlugin", "ClosePlugin", "OpenAnim", "LoadFrame", "FreeFrame", "GetFrameDelay",
                              "CloseAnim", "GetBaseTable", "GetCommands", "GetConstants", "InitLibrary",
                              "FreeLibrary", "GetLibraryCount", "SetCurrentLibrary", "GetExtensions",
                              "GetHelpStrings", "RequirePlugin", "GetFrame", "TransformFrame", "FreeVectorFrame"};
    for (const char *name : exported) EXPECT_NE(header->lookup(name), nullptr) << name;
    for (const char *name : {"initplugin", "INITPLUGIN", "InitPlugin ", "Init", "", "GetVersion"})
        EXPECT_EQ(header->lookup(name), nullptr) << "'" << name << "'";
    EXPECT_EQ(header->lookup(nullptr), nullptr);
}

TEST_F(PluginFrame, OldHostGetsMinimumAndNothingRegistered)
{
    EXPECT_EQ(init(7, 0), 1);
    EXPECT_EQ(info.hostVersion, 7);
    EXPECT_EQ(info.hostRevision, 1);
    EXPECT_EQ(info.capabilities, 0x0002040Au);
    EXPECT_STREQ(info.name, "Sorvane");
    EXPECT_STREQ(info.date, "05.12.20");
    EXPECT_TRUE(rec.errors.empty());
    EXPECT_TRUE(rec.hookKinds.empty());
    EXPECT_TRUE(rec.capabilityCalls.empty());
    EXPECT_EQ(get<KsGetLibraryCount>("GetLibraryCount")(), 1);
    // Without the host's services the library cannot be set up, and says so instead of crashing.
    EXPECT_NE(get<KsInitLibrary>("InitLibrary")(nullptr), 0);
}

TEST_F(PluginFrame, NoHostApiFillsInformationOnly)
{
    EXPECT_EQ(init(10, 0, false), 1);
    EXPECT_STREQ(info.description, "Open, render and create PDF files with Kestrune");
    EXPECT_TRUE(rec.errors.empty());
}

TEST_F(PluginFrame, NewHostRegistersEverythingInOrder)
{
    ASSERT_EQ(init(7, 1), 1);
    const std::vector<std::string> expected = {
        "Error opening PDF document %s", "Cannot create PDF document!", "PDF document is empty!",
        "Cannot find specified PDF document!", "Error loading page!", "Page number is out of range!",
        "Cannot close PDF while there are brush references to it!", "Handle expected in argument %d!",
        "HPDF handle expected in argument %d!", "Unexpected HPDF handle type in argument %d!",
        "Dash table must have 0 to 8 elements!", "%s", "Error obtaining graphics data from brush!",
        "Cannot find specified PDF page!", "You need to load the page's text first!",
        "Specified character is out of range!", "Error starting find!", "Find hasn't been initiated yet!",
        "Error converting coordinates!"};
    EXPECT_EQ(rec.errors, expected);
    ASSERT_EQ(rec.capabilityCalls.size(), 1u);
    EXPECT_EQ(rec.capabilityCalls[0], (std::vector<intptr_t>{8, 1, 0}));
    EXPECT_EQ(rec.hookKinds, std::vector<int>{3});
}

TEST_F(PluginFrame, LibrariesAndTheirTables)
{
    ASSERT_EQ(init(10, 0), 1);
    ASSERT_EQ(get<KsGetLibraryCount>("GetLibraryCount")(), 10);
    auto setCurrent = get<KsSetCurrentLibrary>("SetCurrentLibrary");
    auto base = get<KsGetBaseTable>("GetBaseTable");
    auto commands = get<KsGetCommands>("GetCommands");
    auto help = get<KsGetHelpStrings>("GetHelpStrings");
    auto constants = get<KsGetConstants>("GetConstants");
    const char *names[] = {"pdf", "doc:", "page:", "image:", "font:", "outline:", "encoder:", "extgs:", "annot:", "dest:"};
    for (int i = 0; i < 10; i++) {
        setCurrent(i);
        EXPECT_STREQ(base(), names[i]);
        const CommandEntry *c = commands();
        const HelpString *h = help();
        ASSERT_NE(c, nullptr);
        ASSERT_NE(h, nullptr);
        // Help rows run parallel to the commands; a final "__gc" row may have none.
        for (int row = 0; c[row].name; row++) {
            if (std::string(c[row].name) == "__gc") {
                EXPECT_EQ(c[row + 1].name, nullptr) << "__gc is the last row of " << names[i];
                break;
            }
            ASSERT_NE(h[row].text, nullptr) << names[i] << " row " << row << " " << c[row].name;
            EXPECT_EQ(h[row].zero, 0u);
        }
        EXPECT_EQ(constants() != nullptr, i == 0) << names[i];
    }
    setCurrent(0);
    int rows = 0;
    for (const ConstantEntry *k = constants(); k->name; k++) rows++;
    EXPECT_EQ(rows, 403);
    setCurrent(10);
    EXPECT_EQ(commands(), nullptr);
    EXPECT_EQ(help(), nullptr);
    EXPECT_EQ(base(), nullptr);
    setCurrent(3);
    EXPECT_EQ(constants(), nullptr);
}

TEST_F(PluginFrame, RequireOptionsAndExtensions)
{
    ASSERT_EQ(init(10, 0), 1);
    auto require = get<KsRequirePlugin>("RequirePlugin");
    KsOptionNode other{nullptr, "foo", nullptr, 2};
    KsOptionNode known{&other, "novectoranim", nullptr, 1};
    KsTagItem tags[] = {{2, uintptr_t(&known)}, {0, 0}};
    EXPECT_EQ(require(nullptr, 10, 0, 0, tags), 1222);
    EXPECT_EQ(rec.errorString, "foo");
    EXPECT_EQ(rec.enableCalls, 0);
    known.next = nullptr;
    EXPECT_EQ(require(nullptr, 10, 0, 0, tags), 0);
    EXPECT_EQ(require(nullptr, 10, 0, 0, nullptr), 0);
    EXPECT_EQ(rec.enableCalls, 2);

    auto extensions = get<KsGetExtensions>("GetExtensions");
    EXPECT_EQ(extensions(2), 7u);
    EXPECT_EQ(extensions(8), 3u);
    EXPECT_EQ(extensions(0x400), 1u);
    EXPECT_EQ(extensions(0x800), 0u);
    EXPECT_EQ(extensions(0), 0u);
}

} // namespace
