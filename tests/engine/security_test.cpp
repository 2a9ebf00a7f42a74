// The server is private to its user: a runtime folder that others could enter is
// refused by both ends, and a process of another user cannot talk to the server.
#include "engine.h"
#include "support.h"
#include "wire.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace engine;

constexpr uid_t kNobody = 65534;

class Security : public EngineTest {};

TEST_F(Security, RefusesRuntimeFoldersOthersCouldEnter) {
    bool root = geteuid() == 0;
    std::string good = scratch + "/good";
    ASSERT_EQ(mkdir(good.c_str(), 0700), 0);
    struct {
        const char *name;
        std::function<bool(const std::string &)> make;
        bool needsRoot;
    } cases[] = {
        {"open to everyone", [](const std::string &d) { return mkdir(d.c_str(), 0700) == 0 && chmod(d.c_str(), 0777) == 0; }, false},
        {"open to the group", [](const std::string &d) { return mkdir(d.c_str(), 0700) == 0 && chmod(d.c_str(), 0750) == 0; }, false},
        {"a link to a private folder", [&](const std::string &d) { return symlink(good.c_str(), d.c_str()) == 0; }, false},
        {"a plain file", [](const std::string &d) { FILE *f = fopen(d.c_str(), "w"); return f && fclose(f) == 0; }, false},
        {"owned by another user", [](const std::string &d) { return mkdir(d.c_str(), 0700) == 0 && chown(d.c_str(), kNobody, kNobody) == 0; }, true},
    };
    int i = 0;
    for (const auto &c : cases) {
        if (c.needsRoot && !root)
            continue;
        std::string dir = scratch + "/bad" + std::to_string(i++);
        ASSERT_TRUE(c.make(dir)) << c.name;
        Close();
        setenv("KS_RUNTIME_DIR", dir.c_str(), 1);
        EXPECT_EQ(FPDF_LoadDocument(twoPages.c_str(), nullptr), 0u) << c.name;
        EXPECT_EQ(FPDF_GetLastError(), 0u) << c.name; // no server to ask
        EXPECT_TRUE(support::serversFor(dir).empty()) << c.name;
        EXPECT_FALSE(support::exists(dir + "/sorvane.kpl")) << c.name;
        EXPECT_FALSE(support::exists(good + "/sorvane.kpl")) << c.name;
    }
    setenv("KS_RUNTIME_DIR", runtime.c_str(), 1);
}

// The server checks the folder itself too, whoever starts it.
TEST_F(Security, ServerRefusesAFolderOpenToOthers) {
    std::string open = scratch + "/open";
    ASSERT_EQ(mkdir(open.c_str(), 0700), 0);
    ASSERT_EQ(chmod(open.c_str(), 0777), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("KS_RUNTIME_DIR", open.c_str(), 1);
        std::string program = support::serverProgram();
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_FALSE(support::exists(open + "/sorvane.kpl"));
}

// With the folder and socket opened up on purpose, a process of another user reaches
// the socket, but the server hangs up on it without an answer.
TEST_F(Security, HangsUpOnOtherUsers) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(doc, 0u);
    std::string socketPath = runtime + "/sorvane.kpl";
    ASSERT_EQ(chmod(scratch.c_str(), 0711), 0);
    ASSERT_EQ(chmod(runtime.c_str(), 0711), 0);
    ASSERT_EQ(chmod(socketPath.c_str(), 0666), 0);

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(10);
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
        if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            _exit(11); // could not even reach it: the test would prove nothing
        struct {
            engine::protocol::RequestHeader header;
            uint32_t magic, version;
        } hello{{sizeof hello, engine::protocol::MessageType::Hello, 0, 0}, engine::protocol::kHelloMagic,
                engine::protocol::kProtocolVersion};
        if (send(fd, &hello, sizeof hello, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof hello) && errno != EPIPE &&
            errno != ECONNRESET)
            _exit(12);
        char reply[64];
        ssize_t n = recv(fd, reply, sizeof reply, 0);
        _exit(n <= 0 ? 0 : 1); // 0: hung up without a word
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    chmod(socketPath.c_str(), 0600);
    chmod(runtime.c_str(), 0700);
    chmod(scratch.c_str(), 0700);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    // The owner is still served.
    EXPECT_EQ(FPDF_GetPageCount(doc), 2);
}

} // namespace
