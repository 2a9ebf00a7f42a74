// Shared pieces of the engine tests: a scratch folder and runtime folder per test, and
// looking at the server processes from outside.
#ifndef TESTS_ENGINE_SUPPORT_H
#define TESTS_ENGINE_SUPPORT_H

#include <gtest/gtest.h>

#include <string>
#include <sys/types.h>
#include <vector>

namespace support {

// The plugin file the tests stand in for: it lies beside the server in the bin folder.
std::string pluginPath();
std::string serverProgram();

// Server processes for runtime folder `runtime` (running the server program with that
// KS_RUNTIME_DIR); zombies do not count.
std::vector<pid_t> serversFor(const std::string &runtime);
bool alive(pid_t pid);
bool waitGone(pid_t pid, int ms);
// Waits until exactly `count` servers run for the folder; returns how many there were last.
size_t waitServerCount(const std::string &runtime, size_t count, int ms);
// The pid the folder's pid file names, or 0.
pid_t pidFile(const std::string &runtime);
// Ends every server of the folder (terminate, then kill).
void stopServers(const std::string &runtime);

bool exists(const std::string &path);
void sleepMs(int ms);

std::vector<unsigned short> utf16(const char *ascii);
std::string narrow(const unsigned short *units, size_t count);

} // namespace support

// Every test gets its own runtime folder, hence its own server, and ends it in TearDown.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string scratch;  // removed after the test
    std::string runtime;  // KS_RUNTIME_DIR
    std::string twoPages; // fixtures::writeTwoPages
};

#endif
