#include "wire.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace engine::protocol {

int sendMessage(int fd, const void *data, size_t size, int passFd, int timeoutMs) {
    const auto *p = static_cast<const uint8_t *>(data);
    size_t sent = 0;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))];
    while (sent < size) {
        iovec iov{const_cast<uint8_t *>(p + sent), size - sent};
        msghdr msg{};
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        if (passFd >= 0 && sent == 0) {
            // The descriptor rides with the first byte of the message.
            std::memset(control, 0, sizeof control);
            msg.msg_control = control;
            msg.msg_controllen = sizeof control;
            cmsghdr *c = CMSG_FIRSTHDR(&msg);
            c->cmsg_level = SOL_SOCKET;
            c->cmsg_type = SCM_RIGHTS;
            c->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(c), &passFd, sizeof(int));
        }
        ssize_t n = sendmsg(fd, &msg, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd w{fd, POLLOUT, 0};
            int r = poll(&w, 1, timeoutMs);
            if (r > 0)
                continue;
            if (r < 0 && errno == EINTR)
                continue;
            return r == 0 ? ETIMEDOUT : errno;
        }
        return n == 0 ? EPIPE : errno;
    }
    return 0;
}

namespace {

// One read of whatever is available; keeps the first descriptor that arrives.
ssize_t receiveSome(int fd, uint8_t *into, size_t room, int *receivedFd) {
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * 4)];
    iovec iov{into, room};
    msghdr msg{};
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    ssize_t n;
    do
        n = recvmsg(fd, &msg, MSG_CMSG_CLOEXEC);
    while (n < 0 && errno == EINTR);
    if (n <= 0)
        return n;
    for (cmsghdr *c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS)
            continue;
        size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < count; ++i) {
            int got;
            std::memcpy(&got, CMSG_DATA(c) + i * sizeof(int), sizeof(int));
            if (receivedFd && *receivedFd < 0)
                *receivedFd = got;
            else
                close(got);
        }
    }
    return n;
}

} // namespace

int receiveMessage(int fd, std::vector<uint8_t> &buffer, size_t minimumSize, int *receivedFd) {
    if (receivedFd)
        *receivedFd = -1;
    auto fail = [&](int e) {
        if (receivedFd && *receivedFd >= 0) {
            close(*receivedFd);
            *receivedFd = -1;
        }
        return e;
    };
    // Most messages are small: one read into the buffer's spare room usually gets all.
    if (buffer.size() < 256)
        buffer.resize(256);
    size_t have = 0;
    size_t want = 0; // unknown until the size word has arrived
    for (;;) {
        ssize_t n = receiveSome(fd, buffer.data() + have, buffer.size() - have, receivedFd);
        if (n <= 0)
            return fail(n == 0 ? EPIPE : errno);
        have += static_cast<size_t>(n);
        if (want == 0 && have >= sizeof(uint32_t)) {
            uint32_t size;
            std::memcpy(&size, buffer.data(), sizeof size);
            if (size < minimumSize || size > kMaxMessage)
                return fail(EPROTO);
            want = size;
            if (buffer.size() < want)
                buffer.resize(want);
        }
        if (want != 0 && have >= want) {
            // The peer answers one request at a time, so nothing may follow the message.
            if (have > want)
                return fail(EPROTO);
            buffer.resize(want);
            return 0;
        }
    }
}

} // namespace engine::protocol
