// The robot plugin and this program both link the widget layer; the robot
// must act on the same world as the code that loaded it.
#include "fixture.h"
#include "kestrune.h"

#include <dlfcn.h>

#include <cstring>
#include <map>

namespace tk::test {
namespace {

// Just enough of the script services for the robot's version commands:
// arguments come from `args`, results go to `results`.
std::map<int, int64_t> args;
std::vector<int64_t> results;

int64_t checkInteger(ScriptState *, int pos) { return args[pos]; }
void pushInteger(ScriptState *, int64_t value) { results.push_back(value); }

using WorldSharing = World;

TEST_F(WorldSharing, TheRobotActsOnTheWorldOfTheModuleThatLoadedIt)
{
    void *module = dlopen(ROBOT_PLUGIN, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    auto *header = static_cast<const PluginHeader *>(dlsym(module, KS_HEADER_SYMBOL));
    ASSERT_NE(header, nullptr);
    auto init = reinterpret_cast<KsInitPlugin>(header->lookup("InitPlugin"));
    auto commands = reinterpret_cast<KsGetCommands>(header->lookup("GetCommands"))();
    KsScriptServices script{};
    script.checkInteger = checkInteger;
    script.pushInteger = pushInteger;
    HostApi api{};
    api.script = &script;
    PluginInfo info{};
    ASSERT_EQ(init(&info, &api, ROBOT_PLUGIN), 1);
    auto command = [&](const char *name) {
        for (const CommandEntry *c = commands; c->name; ++c)
            if (!strcmp(c->name, name)) return c->function;
        return KsCommand(nullptr);
    };

    args = {{1, 19}, {2, 77}};
    ASSERT_EQ(command("SetVersion")(nullptr), 0);
    EXPECT_EQ(version(), 19) << "the robot's knob reaches this module";
    EXPECT_EQ(revision(), 77);

    setVersion(20, 5501);
    results.clear();
    ASSERT_EQ(command("Version")(nullptr), 3);
    EXPECT_EQ(results, (std::vector<int64_t>{20, 5501, 1})) << "and this module's reaches the robot";
    dlclose(module);
}

} // namespace
} // namespace tk::test
