// One decoded engine call as the operation handlers see it.
#ifndef ENGINE_SERVER_CALL_H
#define ENGINE_SERVER_CALL_H

#include "operations.h"
#include "session.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine::server {

struct Argument {
    union {
        int32_t i;
        uint32_t u;
        uint64_t ul;
        float f;
        double d;
    } in{};
    void *object = nullptr;               // handle fields: the engine object
    Ref ref = 0;                          // handle fields: its slot
    const char *text = nullptr;           // Text: NUL-terminated copy, or null
    const unsigned short *wide = nullptr; // WideText: NUL-terminated copy, or null
    bool present = false;                 // pointer fields: the caller gave memory
    float floats[6]{};                    // Floats4In / Floats6In
    union {
        int32_t i;
        float f;
        double d;
        float f4[4];
        uint64_t h;
    } out{};                              // scalar outputs, starting as the caller's values
    uint64_t capacity = 0;                // OutBuffer: bytes the caller's buffer holds
};

// Reused from call to call so that steady traffic does not allocate.
struct Call {
    const protocol::Operation *row = nullptr;
    Session *session = nullptr;
    Argument args[protocol::kMaxParams];
    uint64_t result = 0;   // word bits, or the bits of a double
    size_t bufferBytes = 0; // bytes of `buffer` that go back into the caller's buffer
    int passFd = -1;        // a descriptor to attach to the reply (shared bitmap pixels)

    std::vector<char> text[2];
    std::vector<unsigned short> wide;
    std::vector<uint8_t> buffer;

    HandleTable &handles() { return session->handles; }
    template <typename T> T *object(size_t i) const { return static_cast<T *>(args[i].object); }
    Slot &slot(size_t i) { return session->handles.at(args[i].ref); }
    void word(int64_t v) { result = static_cast<uint64_t>(v); }
    void number(double v);
};

// The server's half of an operation: it runs the engine function for the decoded call and
// returns false when the call is refused (the caller then gets the defaults).
using Handler = bool (*)(Call &call);

struct HandlerRow {
    const char *name;
    Handler run;
};

// One row per operation, in the order of the signature table.
extern const HandlerRow kHandlers[protocol::kOperationCount];

// True when every handler row carries the name of the signature row at its position.
bool handlersMatchSignatures();

} // namespace engine::server

#endif
