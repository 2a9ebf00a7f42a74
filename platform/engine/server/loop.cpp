#include "loop.h"

#include "dispatch.h"
#include "session.h"
#include "wire.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <poll.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace engine::server {
namespace {

constexpr size_t kMaxSessions = 256;
constexpr int kSendTimeoutMs = 10000;
constexpr size_t kInitialInput = 4096;

struct Server {
    Instance *instance = nullptr;
    std::vector<std::unique_ptr<Session>> sessions;
    std::vector<pollfd> fds;
    Call call;
    std::vector<uint8_t> reply;
    uint32_t tagBase = 0;
    uint32_t connections = 0;
};

int64_t nowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t{t.tv_sec} * 1000 + t.tv_nsec / 1000000;
}

// Tags of one server's connections are distinct (an odd step modulo 2^20 visits every
// value); the random base makes those of two servers unrelated.
uint32_t nextTag(Server &server) {
    for (;;) {
        uint32_t tag = (server.tagBase + ++server.connections * 0x9E37u) & 0xFFFFFu;
        if (tag)
            return tag;
    }
}

void acceptClients(Server &server) {
    for (;;) {
        int fd = accept4(server.instance->listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        // Only the user who owns this server may use it.
        ucred peer{};
        socklen_t length = sizeof peer;
        if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != geteuid() ||
            server.sessions.size() >= kMaxSessions) {
            close(fd);
            continue;
        }
        auto session = std::make_unique<Session>();
        session->fd = fd;
        session->handles.tag = nextTag(server);
        session->input.resize(kInitialInput);
        server.sessions.push_back(std::move(session));
    }
}

bool answerHello(Session &session, const uint8_t *body, size_t size) {
    protocol::Reader in{body, size};
    uint32_t magic = in.get<uint32_t>();
    uint32_t version = in.get<uint32_t>();
    protocol::ReplyHeader reply{};
    reply.size = sizeof reply;
    bool match = in.ok && magic == protocol::kHelloMagic && version == protocol::kProtocolVersion;
    reply.status = match ? protocol::Status::Performed : protocol::Status::Refused;
    reply.result = uint64_t{protocol::kHelloMagic} << 32 | protocol::kProtocolVersion;
    if (protocol::sendMessage(session.fd, &reply, sizeof reply, -1, kSendTimeoutMs) != 0)
        return false;
    session.greeted = match;
    return true;
}

// Handles every complete message in the session's input; false drops the connection.
bool handleMessages(Server &server, Session &session) {
    while (session.have >= sizeof(protocol::RequestHeader)) {
        protocol::RequestHeader header;
        std::memcpy(&header, session.input.data(), sizeof header);
        if (header.size < sizeof header || header.size > protocol::kMaxMessage)
            return false;
        if (session.have < header.size) {
            if (session.input.size() < header.size)
                session.input.resize(header.size);
            return true;
        }
        const uint8_t *body = session.input.data() + sizeof header;
        size_t bodySize = header.size - sizeof header;
        if (header.type == protocol::MessageType::Hello) {
            if (!answerHello(session, body, bodySize))
                return false;
        } else if (header.type == protocol::MessageType::Call && session.greeted) {
            dispatchCall(session, body, bodySize, header.nameLength, server.call, server.reply);
            int sent = protocol::sendMessage(session.fd, server.reply.data(), server.reply.size(),
                                             server.call.passFd, kSendTimeoutMs);
            if (server.call.passFd >= 0)
                close(server.call.passFd);
            server.call.passFd = -1;
            if (sent != 0)
                return false;
        } else {
            return false;
        }
        size_t rest = session.have - header.size;
        std::memmove(session.input.data(), session.input.data() + header.size, rest);
        session.have = rest;
    }
    return true;
}

// Reads what the client sent; false when it has gone or broke the protocol. A read that
// leaves room in the buffer took everything there was, so it goes back to poll rather
// than spend another read on finding the socket empty.
bool serveClient(Server &server, Session &session) {
    for (;;) {
        size_t room = session.input.size() - session.have;
        ssize_t n = recv(session.fd, session.input.data() + session.have, room, MSG_DONTWAIT);
        if (n == 0)
            return false;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
        session.have += static_cast<size_t>(n);
        if (!handleMessages(server, session))
            return false;
        if (static_cast<size_t>(n) < room)
            return true;
    }
}

void closeSession(Session &session) {
    session.handles.releaseAll();
    close(session.fd);
    session.fd = -1;
}

} // namespace

int serve(Instance &instance, int idleMs, const volatile sig_atomic_t *stop, const sigset_t *waitMask) {
    Server server;
    server.instance = &instance;
    if (getrandom(&server.tagBase, sizeof server.tagBase, 0) != sizeof server.tagBase)
        server.tagBase = static_cast<uint32_t>(nowMs()) ^ static_cast<uint32_t>(getpid()) << 8;

    int64_t idleSince = nowMs();
    while (!*stop) {
        timespec wait{};
        timespec *timeout = nullptr;
        if (server.sessions.empty()) {
            int64_t left = idleSince + idleMs - nowMs();
            if (left <= 0)
                break;
            wait.tv_sec = left / 1000;
            wait.tv_nsec = (left % 1000) * 1000000;
            timeout = &wait;
        }
        server.fds.clear();
        server.fds.push_back({instance.listenFd, POLLIN, 0});
        for (const auto &s : server.sessions)
            server.fds.push_back({s->fd, POLLIN, 0});
        int ready = ppoll(server.fds.data(), server.fds.size(), timeout, waitMask);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // Clients first, in the order they came; newcomers join the next round.
        size_t count = server.sessions.size();
        size_t kept = 0;
        for (size_t i = 0; i < count; ++i) {
            Session &s = *server.sessions[i];
            bool alive = true;
            if (server.fds[i + 1].revents != 0)
                alive = serveClient(server, s);
            if (!alive) {
                closeSession(s);
                server.sessions[i].reset();
            } else if (kept++ != i) {
                server.sessions[kept - 1] = std::move(server.sessions[i]);
            }
        }
        server.sessions.resize(kept);
        if (server.fds[0].revents & POLLIN)
            acceptClients(server);
        if (server.sessions.empty() && kept != count)
            idleSince = nowMs();
    }

    // New clients must not queue up behind a server on its way out.
    stopListening(instance);
    for (auto &s : server.sessions)
        closeSession(*s);
    server.sessions.clear();
    return 0;
}

} // namespace engine::server
