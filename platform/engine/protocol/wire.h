// The engine messages on the socket: framing, field encoding, and sending and receiving
// whole messages with an optional file descriptor attached.
//
// Both ends run on the same machine, so numbers travel in native byte order. Every
// message starts with its total size in bytes, which lets either side read a message
// whole from the stream.
#ifndef ENGINE_PROTOCOL_WIRE_H
#define ENGINE_PROTOCOL_WIRE_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace engine::protocol {

inline constexpr uint32_t kProtocolVersion = 1;
inline constexpr uint32_t kHelloMagic = 0x4B534547; // "KSEG"
inline constexpr uint32_t kNullLength = 0xFFFFFFFFu;
inline constexpr uint32_t kMaxMessage = 64u << 20;

enum class MessageType : uint8_t {
    Hello = 1, // body: u32 magic, u32 version; reply body: u32 magic, u32 version
    Call = 2,  // body: operation name (nameLength bytes), then the fields of its row
};

struct RequestHeader {
    uint32_t size;
    MessageType type;
    uint8_t nameLength;
    uint16_t reserved;
};
static_assert(sizeof(RequestHeader) == 8);

enum class Status : uint8_t {
    Refused = 0,   // not performed: the caller gets the defaults, its memory untouched
    Performed = 1, // result and outputs follow
};

struct ReplyHeader {
    uint32_t size;
    Status status;
    uint8_t reserved[3];
    uint64_t result; // word bits, or the bits of a double
};
static_assert(sizeof(ReplyHeader) == 16);

// Appends fields to a reusable buffer (clearing keeps its capacity).
struct Writer {
    std::vector<uint8_t> &out;

    void bytes(const void *data, size_t size) {
        const auto *p = static_cast<const uint8_t *>(data);
        out.insert(out.end(), p, p + size);
    }
    template <typename T> void put(T v) { bytes(&v, sizeof v); }
};

// Reads fields from a received message; a read past the end marks it bad and yields zeros.
struct Reader {
    const uint8_t *at;
    size_t left;
    bool ok = true;

    const uint8_t *take(size_t size) {
        if (!ok || size > left) {
            ok = false;
            return nullptr;
        }
        const uint8_t *p = at;
        at += size;
        left -= size;
        return p;
    }
    template <typename T> T get() {
        T v{};
        if (const uint8_t *p = take(sizeof v))
            std::memcpy(&v, p, sizeof v);
        return v;
    }
};

// Writes a whole message, with `passFd` attached when it is not negative. Never raises
// SIGPIPE. On a non-blocking socket it waits for room up to `timeoutMs` (negative: for
// ever). Returns 0 or an errno value.
int sendMessage(int fd, const void *data, size_t size, int passFd, int timeoutMs);

// Reads one whole message from a blocking socket into `buffer` (resized to the message).
// A descriptor that came with it is stored in *receivedFd (else -1); descriptors are
// received close-on-exec. Returns 0, or an errno value (EPIPE when the peer has gone,
// EPROTO for a malformed size).
int receiveMessage(int fd, std::vector<uint8_t> &buffer, size_t minimumSize, int *receivedFd);

} // namespace engine::protocol

#endif
