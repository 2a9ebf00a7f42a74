// Reading tag lists: walking them in order, finding a tag, and building
// small lists in code.
#pragma once

#include "toolkit/base.h"

#include <initializer_list>
#include <vector>

namespace tk {

// Walks a tag list in order, skipping ignored items, and tracks the
// no-notify item: quiet() is true for every item after a no-notify item
// with a non-zero value, until one with value 0.
class TagWalker {
public:
    explicit TagWalker(const TagItem *list) : next_(list) {}
    // Moves to the next item; false at the end of the list.
    bool next();
    Word tag() const { return current_->tag; }
    Word data() const { return current_->data; }
    bool quiet() const { return quiet_; }

private:
    const TagItem *next_;
    const TagItem *current_ = nullptr;
    bool quiet_ = false;
};

// The first item with the tag, or null.
const TagItem *findTag(const TagItem *list, Word tag);
// The data of the first item with the tag, or `fallback`.
Word tagData(const TagItem *list, Word tag, Word fallback);

// A tag list built in code: TagList{{attr::Title, (Word)"x"}, ...}.data()
class TagList {
public:
    TagList(std::initializer_list<TagItem> items);
    const TagItem *data() const { return items_.data(); }

private:
    std::vector<TagItem> items_;
};

} // namespace tk
