// A connection's handle table: the engine objects a client holds, named by opaque words.
//
// A handle word is   tag (20 bits) | kind (4) | serial (20) | slot number (20)
// The tag is chosen per connection (from a random per-server base), so a handle is only
// good on the connection that received it and dies with its server; the serial changes
// whenever a slot is reused, so a closed handle stays dead. A slot number is never 0, so
// neither is a handle.
//
// Slots form a tree by ownership: a page belongs to its document, a text page to its
// page, a search to its text page, a path inserted into a page to that page, and the
// objects that live inside a document (bookmarks, actions, destinations, links) to the
// document or page they were reached from. Releasing a slot releases its children first.
#ifndef ENGINE_SERVER_HANDLES_H
#define ENGINE_SERVER_HANDLES_H

#include "operations.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace engine::server {

using protocol::Kind;

// A slot reference: slot number + 1, 0 meaning none.
using Ref = uint32_t;

struct Slot {
    void *object = nullptr;
    Kind kind = Kind::None; // None: the slot is free
    bool borrowed = false;  // lives inside its document; nothing to release
    bool inserted = false;  // a page object now owned by the page it was inserted into
    uint32_t serial = 0;
    Ref owner = 0;    // the slot whose release ends this one
    Ref document = 0; // the document this object belongs to
    Ref firstChild = 0;
    Ref previous = 0; // siblings under the same owner; `next` also links the free list
    Ref next = 0;
    void *pixels = nullptr; // bitmaps: the shared mapping, its size and its memfd
    size_t pixelBytes = 0;
    int pixelFd = -1;
};

// Shared pixel memory kept after its bitmap was destroyed, to serve the next bitmap
// of the same size: making and freeing shared pages costs more than rendering.
struct SparePixels {
    void *pixels = nullptr;
    size_t bytes = 0;
    int fd = -1;
};

struct HandleTable {
    static constexpr uint32_t kMaxSlots = (1u << 20) - 1;

    uint32_t tag = 1; // 20 bits, not 0
    std::vector<Slot> slots;
    Ref freeList = 0;

    struct BorrowKey {
        void *object;
        Ref owner;
        Kind kind;
        bool operator==(const BorrowKey &) const = default;
    };
    struct BorrowHash {
        size_t operator()(const BorrowKey &k) const;
    };
    // Borrowed objects reached again get their existing handle, so walking a document's
    // links or bookmarks repeatedly does not grow the table.
    std::unordered_map<BorrowKey, Ref, BorrowHash> borrowedIndex;

    // Registers an engine object and returns its handle. Owned objects (documents, pages,
    // text pages, searches, bitmaps, page objects) pass to the table; when no handle can
    // be made the object is released at once and 0 returned.
    uint64_t add(Kind kind, void *object, Ref owner, Ref document, bool borrowed, Ref *ref = nullptr);

    // The live slot a handle names if it has the expected kind, else null.
    Slot *find(uint64_t handle, Kind kind, Ref *ref);

    Slot &at(Ref ref) { return slots[ref - 1]; }
    uint64_t handleOf(Ref ref) const;

    // Moves a slot under another owner (a path inserted into a page).
    void adopt(Ref ref, Ref owner);

    // Releases a slot and everything it owns, children first.
    void release(Ref ref);
    // Releases everything, as when the connection closes.
    void releaseAll();

    // A connection keeps a few spare pixel buffers of its own bitmaps (never another
    // client's). keepPixels takes the buffer over (or frees it when it is not worth
    // keeping); takePixels hands out a spare of exactly `bytes`, cleared.
    void keepPixels(void *pixels, size_t bytes, int fd);
    bool takePixels(size_t bytes, SparePixels *out);
    std::vector<SparePixels> spares;

    size_t liveCount() const;

private:
    void link(Ref ref, Ref owner);
    void unlink(Ref ref);
};

} // namespace engine::server

#endif
