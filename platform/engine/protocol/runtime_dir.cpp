#include "runtime_dir.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace engine::protocol {

std::string runtimeDirectory() {
    const char *own = std::getenv("KS_RUNTIME_DIR");
    if (own && *own)
        return own;
    const char *xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg)
        return std::string(xdg) + "/kestrune";
    return "/tmp/kestrune-" + std::to_string(geteuid());
}

int prepareRuntimeDirectory(const std::string &dir) {
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return errno;
    // Opened without following links, so what is checked is what is there.
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st;
    int result = 0;
    if (fstat(fd, &st) != 0)
        result = errno;
    else if (!S_ISDIR(st.st_mode))
        result = ENOTDIR;
    else if (st.st_uid != geteuid())
        result = EPERM;
    else if ((st.st_mode & 077) != 0)
        result = EACCES;
    close(fd);
    return result;
}

} // namespace engine::protocol
