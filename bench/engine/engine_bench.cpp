// Measures what a call through the engine binding costs: a trivial call, and
// FPDF_GetPageCount through the binding against the same call on the engine library
// loaded into this process, in one run. Prints medians per call and their ratio, and
// for scale the bare round trip of a Unix socket pair on this machine.
#include "engine.h"

#include <hpdf.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Median over `batches` of the time per call, each batch timing `calls` calls.
template <typename F> double medianMicroseconds(int batches, int calls, F f) {
    std::vector<double> perCall;
    for (int b = 0; b < batches; ++b) {
        auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            f();
        std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        perCall.push_back(spent.count() / calls);
    }
    std::nth_element(perCall.begin(), perCall.begin() + perCall.size() / 2, perCall.end());
    return perCall[perCall.size() / 2];
}

bool writeDocument(const std::string &path) {
    HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
    if (!pdf)
        return false;
    for (int i = 0; i < 3; ++i)
        HPDF_AddPage(pdf);
    bool ok = HPDF_SaveToFile(pdf, path.c_str()) == HPDF_OK;
    HPDF_Free(pdf);
    return ok;
}

struct InProcess {
    void *library = nullptr;
    void (*init)() = nullptr;
    void (*destroy)() = nullptr;
    void *(*load)(const char *, const char *) = nullptr;
    void (*close)(void *) = nullptr;
    int (*pageCount)(void *) = nullptr;
};

bool openEngine(const std::string &path, InProcess *e) {
    e->library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!e->library)
        return false;
    e->init = reinterpret_cast<void (*)()>(dlsym(e->library, "FPDF_InitLibrary"));
    e->destroy = reinterpret_cast<void (*)()>(dlsym(e->library, "FPDF_DestroyLibrary"));
    e->load = reinterpret_cast<void *(*)(const char *, const char *)>(dlsym(e->library, "FPDF_LoadDocument"));
    e->close = reinterpret_cast<void (*)(void *)>(dlsym(e->library, "FPDF_CloseDocument"));
    e->pageCount = reinterpret_cast<int (*)(void *)>(dlsym(e->library, "FPDF_GetPageCount"));
    return e->init && e->destroy && e->load && e->close && e->pageCount;
}

// A bare request/reply over a socket pair to a process that echoes it back: what any
// out-of-process call pays at least. Returns a negative value if it cannot be set up.
double socketFloor(int batches, int calls) {
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        return -1;
    pid_t echo = fork();
    if (echo < 0)
        return -1;
    if (echo == 0) {
        close(pair[0]);
        char buffer[64];
        ssize_t n;
        while ((n = recv(pair[1], buffer, sizeof buffer, 0)) > 0)
            if (send(pair[1], buffer, static_cast<size_t>(n), MSG_NOSIGNAL) != n)
                break;
        _exit(0);
    }
    close(pair[1]);
    char message[32] = {};
    double median = medianMicroseconds(batches, calls, [&] {
        if (send(pair[0], message, sizeof message, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof message))
            (void)recv(pair[0], message, sizeof message, MSG_WAITALL);
    });
    close(pair[0]);
    waitpid(echo, nullptr, 0);
    return median;
}

void stopServer(const std::string &runtime) {
    FILE *f = std::fopen((runtime + "/sorvane.pid").c_str(), "r");
    long pid = 0;
    if (f) {
        if (std::fscanf(f, "%ld", &pid) != 1)
            pid = 0;
        std::fclose(f);
    }
    if (pid > 0)
        kill(static_cast<pid_t>(pid), SIGTERM);
    // The server was adopted by this process (see main); collect it.
    for (int i = 0; i < 300 && waitpid(-1, nullptr, 0) > 0; ++i) {
    }
}

} // namespace

int main(int argc, char **argv) {
    int calls = argc > 1 ? std::atoi(argv[1]) : 200;
    int batches = argc > 2 ? std::atoi(argv[2]) : 101;
    if (calls <= 0 || batches <= 0) {
        std::fprintf(stderr, "usage: engine_bench [calls per batch] [batches]\n");
        return 2;
    }
    std::string bin = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    char pattern[] = "/tmp/engine-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    std::string scratch = pattern;
    std::string runtime = scratch + "/run";
    std::string pdf = scratch + "/bench.pdf";
    // A server of its own, adopted by this process so it can be collected at the end.
    setenv("KS_RUNTIME_DIR", runtime.c_str(), 1);
    prctl(PR_SET_CHILD_SUBREAPER, 1);

    int status = 1;
    InProcess local;
    if (!writeDocument(pdf)) {
        std::fprintf(stderr, "cannot write %s\n", pdf.c_str());
    } else if (!openEngine(bin + "/libpdfium.so", &local)) {
        std::fprintf(stderr, "cannot load %s/libpdfium.so: %s\n", bin.c_str(), dlerror());
    } else {
        engine::Configure((bin + "/sorvane.kpl").c_str());
        engine::Handle doc = engine::FPDF_LoadDocument(pdf.c_str(), nullptr);
        local.init();
        void *localDoc = local.load(pdf.c_str(), nullptr);
        if (!doc || engine::FPDF_GetPageCount(doc) != 3 || !localDoc || local.pageCount(localDoc) != 3) {
            std::fprintf(stderr, "cannot open the document through both paths\n");
        } else {
            volatile unsigned long sink = 0;
            // Warm both paths up (caches, scheduler placement) before anything is timed.
            medianMicroseconds(1, calls, [&] { sink = sink + engine::FPDF_GetPageCount(doc); });
            double trivial = medianMicroseconds(batches, calls, [&] { sink = sink + engine::FPDF_GetLastError(); });
            double remote = medianMicroseconds(batches, calls, [&] { sink = sink + engine::FPDF_GetPageCount(doc); });
            double inProcess =
                medianMicroseconds(batches, calls * 100, [&] { sink = sink + local.pageCount(localDoc); });
            std::printf("calls per batch %d, batches %d (medians per call)\n", calls, batches);
            std::printf("FPDF_GetLastError through the binding: %9.3f us\n", trivial);
            std::printf("FPDF_GetPageCount through the binding: %9.3f us\n", remote);
            std::printf("FPDF_GetPageCount in-process:          %9.3f us\n", inProcess);
            std::printf("ratio binding / in-process:            %9.0f x\n", remote / inProcess);
            double floor = socketFloor(batches, calls);
            if (floor > 0)
                std::printf("bare socket-pair round trip (floor):   %9.3f us\n", floor);
            status = 0;
        }
        if (localDoc)
            local.close(localDoc);
        local.destroy();
        engine::Close();
        stopServer(runtime);
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return status;
}
