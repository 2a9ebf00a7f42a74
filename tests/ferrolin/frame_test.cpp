// The plugin's frame called as a host would call it, with a recording host.
#include "../../ferrolin/attributes/vocabulary.h"
#include "../../ferrolin/frame/commands.h"
#include "../../ferrolin/frame/entries.h"
#include "../../ferrolin/frame/plugin.h"
#include "fake_host.h"
#include "screen_double.h"

#include "toolkit/faults.h"
#include "toolkit/versions.h"
#include "toolkit/world.h"

#include <gtest/gtest.h>

extern "C" const PluginHeader KestrunePluginHeader;

namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        tk::resetWorld();
        fl = FlPlugin{};
        fake = &host;
        g_screenDepth = 32;
    }
    void TearDown() override
    {
        if (fl.classesExist) FreeLibrary(nullptr);
        fake = nullptr;
    }
    FakeHost host;
};

TEST_F(Frame, EntryLookup)
{
    const KsEntry marker = reinterpret_cast<KsEntry>(uintptr_t(1));
    struct Case {
        const char *name;
        enum { Marker, Function, Null } expect;
    } cases[] = {
        {"Sleep", Case::Marker},         {"VWait", Case::Marker},           {"FreeGrabScreenPixels", Case::Marker},
        {"SetDisplayAttributes", Case::Marker}, {"OpenDisplay", Case::Function}, {"CreatePointer", Case::Function},
        {"InitPlugin", Case::Function},  {"WaitEvents", Case::Function},    {"DetermineBorderSizes", Case::Function},
        {"opendisplay", Case::Null},     {"SLEEP", Case::Null},             {"NoSuchEntry", Case::Null},
        {"", Case::Null},                {"GetLibraryCount", Case::Null},
    };
    for (const Case &c : cases) {
        KsEntry e = KestrunePluginHeader.lookup(c.name);
        if (c.expect == Case::Marker) {
            EXPECT_EQ(e, marker) << c.name;
        }
        if (c.expect == Case::Function) {
            EXPECT_TRUE(e && e != marker) << c.name;
        }
        if (c.expect == Case::Null) {
            EXPECT_EQ(e, nullptr) << c.name;
        }
    }
    EXPECT_EQ(std::string(KestrunePluginHeader.magic, 8), "KESTRUNE");
    EXPECT_EQ(KestrunePluginHeader.version, 1u);
}

TEST_F(Frame, HostVersionRules)
{
    struct Case {
        int version, revision, result, utf8;
    } cases[] = {{5, 1, 0, 0}, {4, 9, 0, 0}, {5, 2, 1, 0}, {6, 0, 1, 0}, {6, 9, 1, 0}, {7, 0, 1, 1}, {10, 0, 1, 1}};
    for (const Case &c : cases) {
        fl = FlPlugin{};
        host.errors.clear();
        EXPECT_EQ(host.init(c.version, c.revision), c.result) << c.version << "." << c.revision;
        if (!c.result) {
            EXPECT_TRUE(host.errors.empty());
            continue;
        }
        EXPECT_EQ(fl.utf8, c.utf8) << c.version << "." << c.revision;
        EXPECT_EQ(host.info.hostVersion, 6);
        EXPECT_EQ(host.info.hostRevision, 1);
    }
}

TEST_F(Frame, InformationRecord)
{
    ASSERT_EQ(host.init(10, 0), 1);
    const PluginInfo &i = host.info;
    EXPECT_EQ(i.capabilities, 0x20C02u);
    EXPECT_EQ(i.version, 1);
    EXPECT_EQ(i.revision, 2);
    EXPECT_STREQ(i.name, "Ferrolin");
    EXPECT_STREQ(i.moduleName, "ferrolin");
    EXPECT_STREQ(i.description, "The Cross-Platform GUI Toolkit for Kestrune");
    EXPECT_STREQ(i.date, "22.09.17");
    EXPECT_EQ(i.reserved, 0u);
    EXPECT_STREQ(i.guide, "Ferrolin:Docs/Ferrolin.guide");
    EXPECT_EQ(host.eventTypes, std::vector<std::string>{"Ferrolin"});
    EXPECT_EQ(host.hookKinds, std::vector<int>{KS_HOOK_UTF8_MODE});
}

TEST_F(Frame, NullHostApiFillsTheRecordOnly)
{
    EXPECT_EQ(host.init(10, 0, false), 1);
    EXPECT_STREQ(host.info.name, "Ferrolin");
    EXPECT_EQ(host.info.capabilities, 0x20C02u);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_TRUE(host.eventTypes.empty());
    EXPECT_TRUE(host.hookKinds.empty());
}

TEST_F(Frame, FailedEventClassFailsStart)
{
    host.eventTypeFails = true;
    EXPECT_EQ(host.init(10, 0), 0);
}

TEST_F(Frame, UTF8HookOnlyAboveVersion6)
{
    ASSERT_EQ(host.init(6, 5), 1);
    EXPECT_TRUE(host.hookKinds.empty());
}

TEST_F(Frame, ErrorMessagesInOrderWithDistinctIds)
{
    ASSERT_EQ(host.init(10, 0), 1);
    ASSERT_GE(host.errors.size(), 83u);
    struct Sample {
        int number;
        const char *text;
    } samples[] = {
        {1, "XML_ParserCreate failed!"},
        {2, "Error parsing XML: %s"},
        {18, "Cannot find TIKO object \"%s\"!"},
        {35, "Error building custom class!"},
        {39, "<colgroup> does not defined any columns!"},
        {63, "Error setting up wxWidgets!"},
        {67, "....this error is just for internal use..."},
        {69, "....this error is just for internal use..."},
        {79, "....this error is just for internal use..."},
        {82, "You need to @REQUIRE this plugin before you can call its functions!"},
        {83, "Could not find specified image!"},
    };
    for (const Sample &s : samples) EXPECT_EQ(host.errors[size_t(s.number - 1)], s.text) << s.number;
    std::vector<int> ids(fl.errors, fl.errors + FL_ERR_COUNT);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "ids are distinct";
    EXPECT_NE(fl_error(FL_ERR_INTERNAL_UNUSED), fl_error(FL_ERR_INTERNAL_END_MODAL));
    EXPECT_EQ(host.message(fl_error(FL_ERR_REQUIRE)), samples[9].text);
}

TEST_F(Frame, GetExtensions)
{
    EXPECT_EQ(GetExtensions(2), 4u);
    for (uint32_t c : {0u, 1u, 3u, 8u, 0x800u}) EXPECT_EQ(GetExtensions(c), 0u) << c;
    EXPECT_STREQ(GetBaseTable(), "tiko");
    EXPECT_EQ(GetConstants(), nullptr);
    int32_t borders[4] = {7, 7, 7, 7};
    DetermineBorderSizes(&borders[0], &borders[1], &borders[2], &borders[3]);
    EXPECT_EQ(borders[0] | borders[1] | borders[2] | borders[3], 0);
    EXPECT_EQ(OpenDisplay(), nullptr);
    EXPECT_EQ(CreatePointer(), nullptr);
}

TEST_F(Frame, CommandsCheckTheRequireFlagExceptFreeImage)
{
    ASSERT_EQ(host.init(10, 0), 1);
    const CommandEntry *commands = GetCommands();
    int count = 0;
    for (const CommandEntry *c = commands; c->name; c++, count++) {
        int result = c->function(nullptr);
        if (std::string(c->name) == "FreeImage") {
            EXPECT_NE(result, fl_error(FL_ERR_REQUIRE));
        }
        else EXPECT_EQ(result, fl_error(FL_ERR_REQUIRE)) << c->name;
    }
    EXPECT_EQ(count, 13);
    ASSERT_EQ(RequirePlugin(nullptr, 10, 0, 0, nullptr), 0);
    for (const CommandEntry *c = commands; c->name; c++) EXPECT_NE(c->function(nullptr), fl_error(FL_ERR_REQUIRE));
}

TEST_F(Frame, HelpStrings)
{
    const HelpString *help = GetHelpStrings();
    const CommandEntry *commands = GetCommands();
    struct Case {
        const char *command, *help;
    } cases[] = {
        {"CreateApp", "tiko.CreateApp(xml$) -- create application object from an XML source"},
        {"Get", "r=tiko.Get(id$,attr$) -- get value of a TIKO object attribute"},
        {"Notify", "tiko.Notify(id$,attr$,enable) -- add/remove notification on a TIKO object attribute"},
        {"CreateDialog", "tiko.CreateDialog(xml$[,parent$] -- create dialog object from an XML source"},
        {"FreeImage", "tiko.FreeImage(img) -- free GUI image"},
    };
    for (const Case &c : cases) {
        int i = 0;
        while (commands[i].name && std::string(commands[i].name) != c.command) i++;
        ASSERT_NE(commands[i].name, nullptr) << c.command;
        EXPECT_STREQ(help[i].text, c.help);
    }
}

TEST_F(Frame, RequireAnswersOptionTagOne)
{
    ASSERT_EQ(host.init(10, 0), 1);
    int32_t p = 0, q = 0;
    const KsTagItem options[] = {{1, reinterpret_cast<uintptr_t>(&p)}, {5, reinterpret_cast<uintptr_t>(&q)}, {0, 0}};
    EXPECT_EQ(RequirePlugin(nullptr, 10, 0, 0, options), 0);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(q, 0);
    EXPECT_EQ(fl.required, 1);
    EXPECT_EQ(fl.paletteScreen, 0);
    EXPECT_TRUE(host.paletteRequests.empty());
}

TEST_F(Frame, PaletteScreenThroughTheHost)
{
    ASSERT_EQ(host.init(10, 0), 1);
    g_screenDepth = 8;
    ASSERT_EQ(RequirePlugin(nullptr, 10, 0, 0, nullptr), 0);
    ASSERT_EQ(host.paletteRequests.size(), 1u);
    EXPECT_EQ(host.paletteRequests[0], (std::vector<uintptr_t>{1, 1, 10}));
    EXPECT_TRUE(host.activated.empty());
    EXPECT_EQ(fl.paletteScreen, 1);
}

TEST_F(Frame, PaletteScreenThroughThePalettePlugin)
{
    ASSERT_EQ(host.init(10, 0), 1);
    host.plugins = {"sorvane", "quelvorisca", "ferrolin"};
    g_screenDepth = 4;
    ASSERT_EQ(RequirePlugin(nullptr, 10, 0, 0, nullptr), 0);
    EXPECT_EQ(host.activated, std::vector<std::string>{"quelvorisca"});
    EXPECT_EQ(host.handedTo, std::vector<std::string>{"quelvorisca"});
    EXPECT_EQ(host.handed.kind, 1u);
    EXPECT_EQ(host.handed.version, 2u);
    EXPECT_NE(host.handed.pump, nullptr);
    EXPECT_TRUE(host.paletteRequests.empty());
}

TEST_F(Frame, PaletteScreenRefusedByTheHost)
{
    ASSERT_EQ(host.init(10, 0), 1);
    host.plugins = {"quelvorisca-not"};
    host.paletteAnswer = 1087;
    g_screenDepth = 8;
    EXPECT_EQ(RequirePlugin(nullptr, 10, 0, 0, nullptr), 1087);
    EXPECT_EQ(fl.required, 0);
    EXPECT_EQ(fl.paletteScreen, 0);
    g_screenDepth = 9;
    EXPECT_EQ(RequirePlugin(nullptr, 10, 0, 0, nullptr), 0);
    EXPECT_EQ(host.paletteRequests.size(), 1u);
}

TEST_F(Frame, PrivateClasses)
{
    ASSERT_EQ(host.init(10, 0), 1);
    size_t before = tk::world().customClasses.size();
    ASSERT_EQ(InitLibrary(nullptr), 0);
    EXPECT_EQ(tk::world().customClasses.size(), before + 22);
    FreeLibrary(nullptr);
    EXPECT_EQ(tk::world().customClasses.size(), before);
    EXPECT_EQ(fl.classesExist, 0);
}

TEST_F(Frame, PrivateClassFailures)
{
    ASSERT_EQ(host.init(10, 0), 1);
    size_t before = tk::world().customClasses.size();
    tk::failCustomClassAfter(5);
    EXPECT_EQ(InitLibrary(nullptr), fl_error(FL_ERR_CUSTOM_CLASS));
    EXPECT_EQ(fl.classesExist, 0);
    EXPECT_EQ(tk::world().customClasses.size(), before);
    tk::failCustomClassAfter(-1);
    tk::setAddOn("Listtree.mcc", false, 0, 0);
    EXPECT_EQ(InitLibrary(nullptr), fl_error(FL_ERR_CUSTOM_CLASS));
    EXPECT_EQ(host.message(fl_error(FL_ERR_CUSTOM_CLASS)), "Error building custom class!");
}

} // namespace
