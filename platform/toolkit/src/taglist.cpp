#include "toolkit/taglist.h"

#include "toolkit/attributes.h"

namespace tk {

bool TagWalker::next()
{
    if (!next_) return false;
    for (;;) {
        const TagItem *item = next_;
        if (item->tag == kTagDone) {
            next_ = nullptr;
            return false;
        }
        ++next_;
        if (item->tag == kTagIgnore) continue;
        current_ = item;
        // A no-notify item takes effect from its own position on; it is also
        // handed to the classes like any other item.
        if (item->tag == attr::NoNotify) quiet_ = item->data != 0;
        return true;
    }
}

const TagItem *findTag(const TagItem *list, Word tag)
{
    if (!list) return nullptr;
    for (; list->tag != kTagDone; ++list)
        if (list->tag == tag && tag != kTagIgnore) return list;
    return nullptr;
}

Word tagData(const TagItem *list, Word tag, Word fallback)
{
    const TagItem *item = findTag(list, tag);
    return item ? item->data : fallback;
}

TagList::TagList(std::initializer_list<TagItem> items) : items_(items)
{
    items_.push_back(TagItem{kTagDone, 0});
}

} // namespace tk
