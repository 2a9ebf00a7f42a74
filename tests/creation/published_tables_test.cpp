// The plugin's published tables as a host walks them: for each of the ten
// libraries the commands in order with their help strings, and the constant
// table of library 0, all against the lists in published_methods.txt and
// published_constants.txt.
#include "kestrune.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

int registerError(const char *) { static int next = 100000; return next++; }
int registerHook(int, KsHook, void *) { return 0; }
int configureCapability(PluginInfo *, uint32_t, intptr_t, const KsTagItem *) { return 0; }

struct MethodRow {
    std::string library, name, help;
};

std::vector<MethodRow> published_methods()
{
    std::vector<MethodRow> rows;
    std::ifstream in(PUBLISHED_DIR "/published_methods.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        size_t a = line.find('\t'), b = line.find('\t', a + 1);
        rows.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    return rows;
}

struct ConstantRow {
    std::string name, value;
};

std::vector<ConstantRow> published_constants()
{
    std::vector<ConstantRow> rows;
    std::ifstream in(PUBLISHED_DIR "/published_constants.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        size_t space = line.find(' ');
        rows.push_back({line.substr(0, space), line.substr(space + 1)});
    }
    return rows;
}

class PublishedTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        handle = dlopen(SORVANE_PLUGIN, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        auto *header = static_cast<const PluginHeader *>(dlsym(handle, KS_HEADER_SYMBOL));
        ASSERT_NE(header, nullptr);
        lookup = header->lookup;
        system.registerError = registerError;
        system.registerHook = registerHook;
        system.configureCapability = configureCapability;
        api.version = 10;
        api.system = &system;
        info.hostVersion = 10;
        ASSERT_EQ(get<KsInitPlugin>("InitPlugin")(&info, &api, "sorvane.kpl"), 1);
    }
    void TearDown() override
    {
        get<KsClosePlugin>("ClosePlugin")();
        dlclose(handle);
    }
    template <typename F> F get(const char *name) { return reinterpret_cast<F>(lookup(name)); }

    void *handle = nullptr;
    KsEntryLookup lookup = nullptr;
    KsSystemServices system{};
    HostApi api{};
    PluginInfo info{};
};

TEST_F(PublishedTables, EveryLibraryHasItsCommandsInOrderWithTheirHelpStrings)
{
    std::vector<MethodRow> expected = published_methods();
    ASSERT_EQ(expected.size(), 255u);
    int libraries = get<KsGetLibraryCount>("GetLibraryCount")();
    ASSERT_EQ(libraries, 10);
    size_t row = 0;
    for (int i = 0; i < libraries; i++) {
        get<KsSetCurrentLibrary>("SetCurrentLibrary")(i);
        std::string base = get<KsGetBaseTable>("GetBaseTable")();
        const CommandEntry *commands = get<KsGetCommands>("GetCommands")();
        const HelpString *help = get<KsGetHelpStrings>("GetHelpStrings")();
        ASSERT_NE(commands, nullptr) << base;
        ASSERT_NE(help, nullptr) << base;
        int n = 0;
        for (; commands[n].name; n++, row++) {
            ASSERT_LT(row, expected.size()) << base << " has more commands than published";
            const MethodRow &e = expected[row];
            EXPECT_EQ(base, e.library) << "row " << row;
            EXPECT_EQ(commands[n].name, e.name) << base << " command " << n;
            EXPECT_NE(commands[n].function, nullptr) << e.name;
            // "__gc" rows have no help row.
            if (e.help != "-") {
                EXPECT_EQ(std::string(help[n].text), e.help) << base << e.name;
                EXPECT_EQ(help[n].zero, 0u);
            } else {
                EXPECT_EQ(commands[n + 1].name, nullptr) << base << ": \"__gc\" must be the last row";
            }
        }
        EXPECT_GT(n, 0) << base;
    }
    EXPECT_EQ(row, expected.size()) << "commands missing at the end";
}

TEST_F(PublishedTables, ConstantsAreTheLibraryZeroTableInOrder)
{
    std::vector<ConstantRow> expected = published_constants();
    ASSERT_EQ(expected.size(), 403u);
    get<KsSetCurrentLibrary>("SetCurrentLibrary")(0);
    const ConstantEntry *constants = get<KsGetConstants>("GetConstants")();
    ASSERT_NE(constants, nullptr);
    size_t i = 0;
    for (; constants[i].name; i++) {
        ASSERT_LT(i, expected.size());
        const ConstantRow &e = expected[i];
        EXPECT_EQ(constants[i].name, e.name) << "row " << i;
        if (e.value.front() == '"') {
            ASSERT_NE(constants[i].string, nullptr) << e.name;
            EXPECT_EQ("\"" + std::string(constants[i].string) + "\"", e.value);
            EXPECT_EQ(constants[i].number, 0.0) << e.name;
        } else {
            EXPECT_EQ(constants[i].string, nullptr) << e.name;
            // Non-integral values are single-precision numbers widened to double.
            double value = std::strtod(e.value.c_str(), nullptr);
            if (value != double(int64_t(value))) value = double(float(value));
            EXPECT_EQ(constants[i].number, value) << e.name;
        }
    }
    EXPECT_EQ(i, expected.size());
    get<KsSetCurrentLibrary>("SetCurrentLibrary")(3);
    EXPECT_EQ(get<KsGetConstants>("GetConstants")(), nullptr) << "constants belong to library 0 only";
}

} // namespace
