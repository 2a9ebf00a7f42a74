// Starting, losing and ending the server.
#include "engine.h"
#include "support.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace engine;

class Lifecycle : public EngineTest {};

TEST_F(Lifecycle, StartsOnePrivateServerOnFirstUse) {
    EXPECT_TRUE(support::serversFor(runtime).empty());
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(doc, 0u);
    std::vector<pid_t> servers = support::serversFor(runtime);
    ASSERT_EQ(servers.size(), 1u);
    EXPECT_EQ(support::pidFile(runtime), servers[0]);

    struct stat st;
    ASSERT_EQ(lstat(runtime.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(lstat((runtime + "/sorvane.kpl").c_str(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // Detached: not in the client's session.
    EXPECT_NE(getsid(servers[0]), getsid(0));
}

// Calls that name handles cannot succeed without the connection that issued them, so
// they never start a server; the others do.
TEST_F(Lifecycle, OnlyCallsWithoutHandlesStartTheServer) {
    EXPECT_EQ(FPDF_GetPageCount(12345), 0);
    EXPECT_EQ(FPDF_GetPageWidth(1), 0.0);
    EXPECT_EQ(FPDFBitmap_GetBuffer(7), nullptr);
    EXPECT_TRUE(support::serversFor(runtime).empty());
    EXPECT_EQ(FPDF_GetLastError(), 0u);
    EXPECT_EQ(support::serversFor(runtime).size(), 1u);
}

// After the server dies, calls return the defaults at once and start nothing; the next
// call that needs no handle starts a fresh server, on which the old handles stay dead.
TEST_F(Lifecycle, SurvivesTheServerBeingKilled) {
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    Handle page = FPDF_LoadPage(doc, 0);
    ASSERT_NE(page, 0u);
    Handle bitmap = FPDFBitmap_Create(8, 8, 1);
    ASSERT_NE(FPDFBitmap_GetBuffer(bitmap), nullptr);
    pid_t first = support::pidFile(runtime);
    ASSERT_TRUE(support::alive(first));
    ASSERT_EQ(kill(first, SIGKILL), 0);
    ASSERT_TRUE(support::waitGone(first, 3000));

    EXPECT_EQ(FPDF_GetPageCount(doc), 0);
    EXPECT_EQ(FPDF_GetPageWidth(page), 0.0);
    float box[4] = {9, 9, 9, 9};
    EXPECT_EQ(FPDFPage_GetMediaBox(page, &box[0], &box[1], &box[2], &box[3]), 0);
    EXPECT_FLOAT_EQ(box[0], 9);
    EXPECT_EQ(FPDFBitmap_GetBuffer(bitmap), nullptr);
    FPDFBitmap_Destroy(bitmap); // gives up the local mapping without a server
    EXPECT_TRUE(support::serversFor(runtime).empty());

    Handle again = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(again, 0u);
    EXPECT_EQ(FPDF_GetPageCount(again), 2);
    pid_t second = support::pidFile(runtime);
    EXPECT_NE(second, first);
    EXPECT_TRUE(support::alive(second));
    EXPECT_EQ(FPDF_GetPageCount(doc), 0);
    EXPECT_EQ(FPDF_GetPageWidth(page), 0.0);
}

// A call waiting for its reply when the server dies returns the defaults.
TEST_F(Lifecycle, TheCallInFlightFailsWhenTheServerDies) {
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_EQ(FPDF_GetPageCount(doc), 2);
    pid_t server = support::pidFile(runtime);
    ASSERT_EQ(kill(server, SIGSTOP), 0);
    int count = -1;
    std::thread caller([&] { count = FPDF_GetPageCount(doc); });
    support::sleepMs(100); // the request is on its way; the stopped server cannot answer
    ASSERT_EQ(kill(server, SIGKILL), 0);
    caller.join();
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(support::waitGone(server, 3000));
}

TEST_F(Lifecycle, ExitsWhenIdleWithoutClients) {
    setenv("KS_ENGINE_IDLE_MS", "200", 1);
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(doc, 0u);
    pid_t server = support::pidFile(runtime);
    // A connected client keeps it, however quiet.
    support::sleepMs(600);
    EXPECT_TRUE(support::alive(server));
    EXPECT_EQ(FPDF_GetPageCount(doc), 2);

    Close();
    EXPECT_TRUE(support::waitGone(server, 5000));
    EXPECT_FALSE(support::exists(runtime + "/sorvane.kpl"));
    EXPECT_FALSE(support::exists(runtime + "/sorvane.pid"));
    // And a later call brings a new one.
    EXPECT_NE(FPDF_LoadDocument(twoPages.c_str(), nullptr), 0u);
}

// Clients that all start at once end up sharing one server.
TEST_F(Lifecycle, RacingClientsShareOneServer) {
    constexpr int kClients = 3;
    int go[2], report[2], done[2];
    ASSERT_EQ(pipe(go), 0);
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(done), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < kClients; ++i) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            char c;
            ssize_t ignored = read(go[0], &c, 1);
            int pages = FPDF_GetPageCount(FPDF_LoadDocument(twoPages.c_str(), nullptr));
            ignored = write(report[1], &pages, sizeof pages);
            ignored = read(done[0], &c, 1);
            (void)ignored;
            _exit(0);
        }
        children.push_back(child);
    }
    ASSERT_EQ(write(go[1], "xxx", kClients), kClients);
    for (int i = 0; i < kClients; ++i) {
        int pages = 0;
        ASSERT_EQ(read(report[0], &pages, sizeof pages), static_cast<ssize_t>(sizeof pages));
        EXPECT_EQ(pages, 2);
    }
    // Servers that lost the race leave as soon as they see the winner.
    EXPECT_EQ(support::waitServerCount(runtime, 1, 4000), 1u);
    std::vector<pid_t> servers = support::serversFor(runtime);
    ASSERT_EQ(servers.size(), 1u);
    EXPECT_EQ(support::pidFile(runtime), servers[0]);

    ASSERT_EQ(write(done[1], "xxx", kClients), kClients);
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int fd : {go[0], go[1], report[0], report[1], done[0], done[1]})
        close(fd);
}

// The server program is looked for beside the plugin file; a bare file name means the
// current directory, and a program that cannot be read fails the call without waiting.
TEST_F(Lifecycle, FindsTheServerBesideThePlugin) {
    std::filesystem::path before = std::filesystem::current_path();
    struct {
        const char *plugin;
        std::string directory;
        bool opens;
    } cases[] = {
        {"sorvane.kpl", KS_TEST_BIN_DIR, true},
        {"sorvane.kpl", scratch, false},
        {"/nonexistent/plugins/sorvane.kpl", scratch, false},
    };
    for (const auto &c : cases) {
        Close();
        support::stopServers(runtime);
        std::filesystem::current_path(c.directory);
        Configure(c.plugin);
        Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
        std::filesystem::current_path(before);
        EXPECT_EQ(doc != 0, c.opens) << c.plugin << " in " << c.directory;
        EXPECT_EQ(support::serversFor(runtime).size(), c.opens ? 1u : 0u);
    }
}

} // namespace
