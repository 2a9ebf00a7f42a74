// Tagged memory for plugins. Every block carries its tag and joins a list, so
// that whatever a plugin still holds at exit is reported by tag. A test can
// make the N-th allocation (of one tag, or of any) fail.
#include "host.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace host {
namespace {

constexpr uint32_t kMagic = 0x4B53424Bu; // marks a live host block

struct alignas(16) Block {
    Block *prev;
    Block *next;
    size_t size;
    uint32_t magic;
    char tag[20];
};

Block *g_head = nullptr;
long g_failCountdown = 0; // 0: no injected failure pending
std::string g_failTag;

bool should_fail(const char *tag)
{
    if (g_failCountdown <= 0) return false;
    if (!g_failTag.empty() && (!tag || g_failTag != tag)) return false;
    if (--g_failCountdown == 0) return true;
    return false;
}

} // namespace

void fail_allocation(long nth, const char *tag)
{
    g_failCountdown = nth > 0 ? nth : 0;
    g_failTag = tag ? tag : "";
}

void configure_failures_from_env()
{
    // KESTRUNE_FAIL_ALLOC=N or N:tag makes the N-th allocation (of that tag) fail.
    const char *setting = std::getenv("KESTRUNE_FAIL_ALLOC");
    if (!setting || !*setting) return;
    char *end = nullptr;
    long n = std::strtol(setting, &end, 10);
    fail_allocation(n, end && *end == ':' ? end + 1 : nullptr);
}

void *alloc_mem(size_t size, int clear, const char *tag)
{
    if (should_fail(tag)) return nullptr;
    if (size > (SIZE_MAX >> 2)) return nullptr;
    Block *b = static_cast<Block *>(clear ? std::calloc(1, sizeof(Block) + size) : std::malloc(sizeof(Block) + size));
    if (!b) return nullptr;
    b->prev = nullptr;
    b->next = g_head;
    if (g_head) g_head->prev = b;
    g_head = b;
    b->size = size;
    b->magic = kMagic;
    std::snprintf(b->tag, sizeof b->tag, "%s", tag ? tag : "(none)");
    return b + 1;
}

void free_mem(void *block)
{
    if (!block) return;
    Block *b = static_cast<Block *>(block) - 1;
    if (b->magic != kMagic) {
        std::fprintf(stderr, "kestrune: a plugin freed memory the host did not hand out (%p)\n", block);
        std::abort();
    }
    b->magic = 0;
    if (b->prev) b->prev->next = b->next; else g_head = b->next;
    if (b->next) b->next->prev = b->prev;
    std::free(b);
}

size_t held_blocks(const char *tag)
{
    size_t n = 0;
    for (Block *b = g_head; b; b = b->next)
        if (!tag || std::strcmp(b->tag, tag) == 0) n++;
    return n;
}

int report_held_memory()
{
    std::map<std::string, std::pair<size_t, size_t>> byTag;
    int count = 0;
    for (Block *b = g_head; b; b = b->next) {
        auto &e = byTag[b->tag];
        e.first++;
        e.second += b->size;
        count++;
    }
    if (!count) return 0;
    std::fprintf(stderr, "kestrune: memory still held at exit: %d block(s)\n", count);
    for (auto &[tag, e] : byTag)
        std::fprintf(stderr, "  %-20s %zu block(s), %zu byte(s)\n", tag.c_str(), e.first, e.second);
    return count;
}

} // namespace host
