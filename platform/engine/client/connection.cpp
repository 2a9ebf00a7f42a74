#include "connection.h"

#include "launch.h"
#include "runtime_dir.h"
#include "wire.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace engine::client {
namespace {

constexpr int kPollMs = 20;     // between tries while the server starts
constexpr int kStartWaitMs = 3000;

int serverFd = -1;
std::string serverProgram = "./sorvane.ext";

void sleepMs(int ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

// One attempt: connect, make sure the server runs as this user, and exchange hellos.
// EPROTO means a server answered but speaks another protocol version.
int tryConnect(const std::string &socketPath, int *out) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path)
        return ENAMETOOLONG;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return errno;
    int e = 0;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        e = errno;
    } else {
        ucred peer{};
        socklen_t length = sizeof peer;
        if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0)
            e = errno;
        else if (peer.uid != geteuid())
            e = EPERM;
    }
    if (!e) {
        struct {
            protocol::RequestHeader header;
            uint32_t magic;
            uint32_t version;
        } hello{{sizeof hello, protocol::MessageType::Hello, 0, 0}, protocol::kHelloMagic,
                protocol::kProtocolVersion};
        std::vector<uint8_t> reply;
        e = protocol::sendMessage(fd, &hello, sizeof hello, -1, -1);
        if (!e)
            e = protocol::receiveMessage(fd, reply, sizeof(protocol::ReplyHeader), nullptr);
        if (!e) {
            protocol::ReplyHeader header;
            std::memcpy(&header, reply.data(), sizeof header);
            if (header.status != protocol::Status::Performed)
                e = EPROTO;
        }
    }
    if (e) {
        close(fd);
        return e;
    }
    *out = fd;
    return 0;
}

} // namespace

void setServerProgram(const std::string &program) { serverProgram = program; }

void disconnect() {
    if (serverFd >= 0)
        close(serverFd);
    serverFd = -1;
}

bool connected() { return serverFd >= 0; }

int connect() {
    if (serverFd >= 0)
        return 0;
    std::string dir = protocol::runtimeDirectory();
    if (int e = protocol::prepareRuntimeDirectory(dir))
        return e;
    std::string socketPath = dir + "/" + protocol::kSocketName;
    int e = tryConnect(socketPath, &serverFd);
    if (e == 0 || e == EPROTO || e == EPERM || e == ENAMETOOLONG)
        return e;
    if ((e = startServer(serverProgram)) != 0)
        return e;
    for (int waited = 0; waited < kStartWaitMs; waited += kPollMs) {
        sleepMs(kPollMs);
        e = tryConnect(socketPath, &serverFd);
        if (e == 0 || e == EPROTO || e == EPERM)
            return e;
    }
    return ETIMEDOUT;
}

int exchange(const std::vector<uint8_t> &request, std::vector<uint8_t> &reply, int *receivedFd) {
    *receivedFd = -1;
    if (serverFd < 0)
        return ENOTCONN;
    int e = protocol::sendMessage(serverFd, request.data(), request.size(), -1, -1);
    if (!e)
        e = protocol::receiveMessage(serverFd, reply, sizeof(protocol::ReplyHeader), receivedFd);
    if (e)
        disconnect();
    return e;
}

} // namespace engine::client
