#include "launch.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace engine::client {

std::string serverPathFor(const char *pluginPath) {
    std::string path = pluginPath ? pluginPath : "";
    size_t slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    char absolute[PATH_MAX];
    if (realpath(dir.c_str(), absolute))
        dir = absolute;
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir + "sorvane.ext";
}

int startServer(const std::string &program) {
    int probe = open(program.c_str(), O_RDONLY | O_CLOEXEC);
    if (probe < 0)
        return errno;
    close(probe);

    // Everything the children need is prepared here: after fork only exec-safe calls.
    const char *path = program.c_str();
    char *const argv[] = {const_cast<char *>(path), nullptr};
    pid_t child = fork();
    if (child < 0)
        return errno;
    if (child == 0) {
        // The intermediate child leaves at once, so the server is adopted by init and
        // never becomes a zombie of the plugin's process.
        setsid();
        pid_t server = fork();
        if (server != 0)
            _exit(server < 0 ? 1 : 0);
        int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
        }
        close_range(3, ~0u, 0);
        execv(path, argv);
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return 0;
}

} // namespace engine::client
