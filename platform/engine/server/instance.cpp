#include "instance.h"

#include "runtime_dir.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

namespace engine::server {
namespace {

constexpr int kPollMs = 20;

bool fillAddress(const std::string &path, sockaddr_un *address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool someoneListens(const std::string &path) {
    sockaddr_un address;
    if (!fillAddress(path, &address))
        return false;
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool ok = connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

void sleepMs(int ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

int writePidFile(const std::string &path) {
    std::string temporary = path + ".new";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return errno;
    std::string text = std::to_string(getpid()) + "\n";
    bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    if (!ok || rename(temporary.c_str(), path.c_str()) != 0) {
        int e = ok ? errno : EIO;
        unlink(temporary.c_str());
        return e;
    }
    return 0;
}

} // namespace

int claimInstance(const std::string &dir, int waitMs, Instance *out) {
    Instance in;
    in.socketPath = dir + "/" + protocol::kSocketName;
    in.pidPath = dir + "/" + protocol::kPidName;
    std::string lockPath = dir + "/" + protocol::kLockName;
    sockaddr_un address;
    if (!fillAddress(in.socketPath, &address))
        return ENAMETOOLONG;

    in.lockFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (in.lockFd < 0)
        return errno;
    for (int waited = 0;; waited += kPollMs) {
        if (flock(in.lockFd, LOCK_EX | LOCK_NB) == 0)
            break;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            int e = errno;
            close(in.lockFd);
            return e;
        }
        if (someoneListens(in.socketPath) || waited >= waitMs) {
            close(in.lockFd);
            return EEXIST;
        }
        sleepMs(kPollMs);
    }

    // Holding the lock, whatever socket file is left belongs to a server that is gone.
    unlink(in.socketPath.c_str());
    in.listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    int e = 0;
    if (in.listenFd < 0) {
        e = errno;
    } else {
        mode_t previous = umask(0177); // the socket file is created 0600
        if (bind(in.listenFd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            e = errno;
        umask(previous);
        if (!e && chmod(in.socketPath.c_str(), 0600) != 0)
            e = errno;
        if (!e && listen(in.listenFd, 64) != 0)
            e = errno;
        if (!e)
            e = writePidFile(in.pidPath);
    }
    if (e) {
        if (in.listenFd >= 0) {
            close(in.listenFd);
            unlink(in.socketPath.c_str());
        }
        close(in.lockFd);
        return e;
    }
    *out = in;
    return 0;
}

void stopListening(Instance &instance) {
    if (instance.listenFd < 0)
        return;
    unlink(instance.socketPath.c_str());
    close(instance.listenFd);
    instance.listenFd = -1;
}

void retireInstance(Instance &instance) {
    stopListening(instance);
    unlink(instance.pidPath.c_str());
    if (instance.lockFd >= 0)
        close(instance.lockFd);
    instance.lockFd = -1;
}

} // namespace engine::server
