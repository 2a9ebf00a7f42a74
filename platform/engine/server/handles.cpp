#include "handles.h"

#include "pdfium.h"

#include <cstring>
#include <functional>
#include <sys/mman.h>
#include <unistd.h>

namespace engine::server {
namespace {

constexpr uint64_t kFieldMask = (1u << 20) - 1;

uint64_t encode(uint32_t tag, Kind kind, uint32_t serial, Ref ref) {
    return (uint64_t{tag} & kFieldMask) << 44 | (uint64_t{static_cast<uint8_t>(kind)} & 0xF) << 40 |
           (uint64_t{serial} & kFieldMask) << 20 | (uint64_t{ref} & kFieldMask);
}

void closeObject(HandleTable &table, Slot &s) {
    switch (s.kind) {
    case Kind::Document:
        FPDF_CloseDocument(static_cast<PdfDocument *>(s.object));
        break;
    case Kind::Page:
        FPDF_ClosePage(static_cast<PdfPage *>(s.object));
        break;
    case Kind::TextPage:
        FPDFText_ClosePage(static_cast<PdfTextPage *>(s.object));
        break;
    case Kind::Search:
        FPDFText_FindClose(static_cast<PdfSearch *>(s.object));
        break;
    case Kind::Bitmap:
        FPDFBitmap_Destroy(static_cast<PdfBitmap *>(s.object));
        if (s.pixels)
            table.keepPixels(s.pixels, s.pixelBytes, s.pixelFd);
        break;
    case Kind::PageObject:
        if (!s.inserted)
            FPDFPageObj_Destroy(static_cast<PdfPageObject *>(s.object));
        break;
    case Kind::None:
    case Kind::Bookmark:
    case Kind::Action:
    case Kind::Dest:
    case Kind::Link:
        break;
    }
}

} // namespace

size_t HandleTable::BorrowHash::operator()(const BorrowKey &k) const {
    size_t h = std::hash<void *>()(k.object);
    h ^= (size_t{k.owner} << 4 | static_cast<size_t>(k.kind)) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    return h;
}

uint64_t HandleTable::handleOf(Ref ref) const {
    const Slot &s = slots[ref - 1];
    return encode(tag, s.kind, s.serial, ref);
}

uint64_t HandleTable::add(Kind kind, void *object, Ref owner, Ref document, bool borrowed, Ref *added) {
    if (!object)
        return 0;
    if (borrowed) {
        auto it = borrowedIndex.find({object, owner, kind});
        if (it != borrowedIndex.end()) {
            if (added)
                *added = it->second;
            return handleOf(it->second);
        }
    }
    Ref ref = freeList;
    if (ref) {
        freeList = at(ref).next;
    } else if (slots.size() < kMaxSlots) {
        slots.emplace_back();
        ref = static_cast<Ref>(slots.size());
    } else {
        Slot lost;
        lost.kind = kind;
        lost.object = object;
        closeObject(*this, lost);
        return 0;
    }
    Slot &s = at(ref);
    uint32_t serial = s.serial;
    s = Slot{};
    s.serial = serial;
    s.kind = kind;
    s.object = object;
    s.borrowed = borrowed;
    s.document = kind == Kind::Document ? ref : document;
    link(ref, owner);
    if (borrowed)
        borrowedIndex.emplace(BorrowKey{object, owner, kind}, ref);
    if (added)
        *added = ref;
    return handleOf(ref);
}

Slot *HandleTable::find(uint64_t handle, Kind kind, Ref *ref) {
    Ref r = static_cast<Ref>(handle & kFieldMask);
    if (r == 0 || r > slots.size() || (handle >> 44) != tag)
        return nullptr;
    Slot &s = at(r);
    if (s.kind == Kind::None || s.kind != kind || handle != encode(tag, s.kind, s.serial, r))
        return nullptr;
    if (ref)
        *ref = r;
    return &s;
}

void HandleTable::link(Ref ref, Ref owner) {
    Slot &s = at(ref);
    s.owner = owner;
    s.previous = 0;
    s.next = 0;
    if (!owner)
        return;
    Slot &o = at(owner);
    s.next = o.firstChild;
    if (o.firstChild)
        at(o.firstChild).previous = ref;
    o.firstChild = ref;
}

void HandleTable::unlink(Ref ref) {
    Slot &s = at(ref);
    if (s.owner) {
        if (s.previous)
            at(s.previous).next = s.next;
        else
            at(s.owner).firstChild = s.next;
        if (s.next)
            at(s.next).previous = s.previous;
    }
    s.owner = s.previous = s.next = 0;
}

void HandleTable::adopt(Ref ref, Ref owner) {
    unlink(ref);
    link(ref, owner);
}

void HandleTable::release(Ref ref) {
    // Children first: searches before their text page, text pages before their page,
    // pages before their document.
    while (Ref child = at(ref).firstChild)
        release(child);
    Slot &s = at(ref);
    if (s.borrowed)
        borrowedIndex.erase({s.object, s.owner, s.kind});
    unlink(ref);
    closeObject(*this, s);
    uint32_t serial = (s.serial + 1) & kFieldMask;
    s = Slot{};
    s.serial = serial;
    s.next = freeList;
    freeList = ref;
}

void HandleTable::releaseAll() {
    for (Ref r = 1; r <= slots.size(); ++r)
        if (at(r).kind != Kind::None && at(r).owner == 0)
            release(r);
    slots.clear();
    freeList = 0;
    borrowedIndex.clear();
    for (SparePixels &spare : spares) {
        munmap(spare.pixels, spare.bytes);
        close(spare.fd);
    }
    spares.clear();
}

void HandleTable::keepPixels(void *pixels, size_t bytes, int fd) {
    // Small buffers are cheap to make; a couple of large ones cover re-rendering a page.
    constexpr size_t kWorthKeeping = size_t{1} << 20;
    constexpr size_t kMaxSpares = 2;
    if (fd >= 0 && bytes >= kWorthKeeping) {
        if (spares.size() == kMaxSpares) {
            munmap(spares.front().pixels, spares.front().bytes);
            close(spares.front().fd);
            spares.erase(spares.begin());
        }
        spares.push_back({pixels, bytes, fd});
        return;
    }
    munmap(pixels, bytes);
    if (fd >= 0)
        close(fd);
}

bool HandleTable::takePixels(size_t bytes, SparePixels *out) {
    for (size_t i = 0; i < spares.size(); ++i)
        if (spares[i].bytes == bytes) {
            *out = spares[i];
            spares.erase(spares.begin() + static_cast<std::ptrdiff_t>(i));
            std::memset(out->pixels, 0, bytes); // as fresh shared memory would be
            return true;
        }
    return false;
}

size_t HandleTable::liveCount() const {
    size_t n = 0;
    for (const Slot &s : slots)
        n += s.kind != Kind::None;
    return n;
}

} // namespace engine::server
