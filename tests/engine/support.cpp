#include "support.h"

#include "engine.h"
#include "fixtures.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace support {

std::string pluginPath() { return std::string(KS_TEST_BIN_DIR) + "/sorvane.kpl"; }
std::string serverProgram() { return std::string(KS_TEST_BIN_DIR) + "/sorvane.ext"; }

namespace {

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

bool alive(pid_t pid) {
    if (pid <= 0)
        return false;
    // A zombie has finished; its parent (init here) may just not have reaped it yet.
    std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    size_t close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size())
        return false;
    char state = stat[close + 2];
    return state != 'Z' && state != 'X';
}

std::vector<pid_t> serversFor(const std::string &runtime) {
    std::vector<pid_t> found;
    std::string program = std::filesystem::weakly_canonical(serverProgram()).string();
    std::string wanted = "KS_RUNTIME_DIR=" + runtime;
    DIR *proc = opendir("/proc");
    if (!proc)
        return found;
    while (dirent *entry = readdir(proc)) {
        char *end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || pid <= 0)
            continue;
        std::string base = std::string("/proc/") + entry->d_name;
        char exe[4096];
        ssize_t n = readlink((base + "/exe").c_str(), exe, sizeof exe - 1);
        if (n <= 0)
            continue;
        exe[n] = '\0';
        if (program != exe || !alive(static_cast<pid_t>(pid)))
            continue;
        std::string environ = readFile(base + "/environ");
        std::stringstream vars(environ);
        std::string var;
        while (std::getline(vars, var, '\0'))
            if (var == wanted)
                found.push_back(static_cast<pid_t>(pid));
    }
    closedir(proc);
    return found;
}

void sleepMs(int ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

bool waitGone(pid_t pid, int ms) {
    for (int waited = 0; waited <= ms; waited += 10) {
        if (!alive(pid))
            return true;
        sleepMs(10);
    }
    return !alive(pid);
}

size_t waitServerCount(const std::string &runtime, size_t count, int ms) {
    size_t now = 0;
    for (int waited = 0; waited <= ms; waited += 20) {
        now = serversFor(runtime).size();
        if (now == count)
            return now;
        sleepMs(20);
    }
    return now;
}

pid_t pidFile(const std::string &runtime) {
    std::string text = readFile(runtime + "/sorvane.pid");
    return static_cast<pid_t>(std::atol(text.c_str()));
}

void stopServers(const std::string &runtime) {
    for (pid_t pid : serversFor(runtime)) {
        kill(pid, SIGTERM);
        if (!waitGone(pid, 3000)) {
            kill(pid, SIGKILL);
            waitGone(pid, 3000);
        }
    }
}

bool exists(const std::string &path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

std::vector<unsigned short> utf16(const char *ascii) {
    std::vector<unsigned short> units;
    for (const char *p = ascii; *p; ++p)
        units.push_back(static_cast<unsigned char>(*p));
    units.push_back(0);
    return units;
}

std::string narrow(const unsigned short *units, size_t count) {
    std::string s;
    for (size_t i = 0; i < count && units[i]; ++i)
        s += units[i] < 0x80 ? static_cast<char>(units[i]) : '?';
    return s;
}

} // namespace support

void EngineTest::SetUp() {
    // Servers started by the test are adopted by the test process rather than by init,
    // so it can reap them and leave no zombie behind.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    char pattern[] = "/tmp/engine-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch = pattern;
    runtime = scratch + "/run";
    setenv("KS_RUNTIME_DIR", runtime.c_str(), 1);
    unsetenv("KS_ENGINE_IDLE_MS");
    engine::Configure(support::pluginPath().c_str());
    twoPages = scratch + "/two.pdf";
    ASSERT_EQ(fixtures::writeTwoPages(twoPages), "");
}

void EngineTest::TearDown() {
    engine::Close();
    if (!runtime.empty())
        support::stopServers(runtime);
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    if (!scratch.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    }
}
