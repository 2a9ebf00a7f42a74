// sorvane.ext: the PDF engine server. Started by the plugin's binding on first use; serves
// every client of its user through the socket in the runtime folder, and exits on its own
// once no client has been connected for a short while.
#include "call.h"
#include "instance.h"
#include "loop.h"
#include "pdfium.h"
#include "runtime_dir.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long the server stays without clients before it exits; KS_ENGINE_IDLE_MS overrides.
constexpr int kDefaultIdleMs = 2000;
// How long a second server waits for a first one that holds the folder's lock.
constexpr int kClaimWaitMs = 3000;

volatile sig_atomic_t stopRequested = 0;

void onStop(int) { stopRequested = 1; }

int idleMilliseconds() {
    const char *text = std::getenv("KS_ENGINE_IDLE_MS");
    if (!text || !*text)
        return kDefaultIdleMs;
    char *end = nullptr;
    long ms = std::strtol(text, &end, 10);
    if (*end != '\0' || ms < 0)
        return kDefaultIdleMs;
    return ms > 86400000L ? 86400000 : static_cast<int>(ms);
}

} // namespace

int main() {
    using namespace engine;
    umask(077);
    signal(SIGPIPE, SIG_IGN);
    signal(SIGHUP, SIG_IGN);

    // Termination requests are only taken while the loop waits, never inside an engine call.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
    struct sigaction action {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    if (!server::handlersMatchSignatures())
        return 70;

    std::string dir = protocol::runtimeDirectory();
    if (protocol::prepareRuntimeDirectory(dir) != 0)
        return 1;
    char absolute[PATH_MAX];
    if (!realpath(dir.c_str(), absolute))
        return 1;
    dir = absolute;

    server::Instance instance;
    int claimed = server::claimInstance(dir, kClaimWaitMs, &instance);
    if (claimed == EEXIST)
        return 0;
    if (claimed != 0)
        return 1;
    if (chdir("/") != 0) {
        server::retireInstance(instance);
        return 1;
    }

    FPDF_InitLibrary();
    int result = server::serve(instance, idleMilliseconds(), &stopRequested, &waitMask);
    FPDF_DestroyLibrary();
    server::retireInstance(instance);
    return result == 0 ? 0 : 1;
}
