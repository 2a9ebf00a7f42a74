// Rectangle.mui: empty space, optionally a bar with a title.
#include "class_support.h"

namespace tk {

namespace {

constexpr Word kHBar = 0x8042C943, kVBar = 0x80422204, kBarTitle = 0x80426689;

struct RectData {
    bool hbar = false, vbar = false;
    std::string barTitle;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        RectData *d = constructData<RectData>(cls, object, msg);
        if (!d) return 0;
        const TagItem *tags = msgTags(msg);
        d->hbar = tagData(tags, kHBar, 0) != 0;
        d->vbar = tagData(tags, kVBar, 0) != 0;
        if (const char *t = reinterpret_cast<const char *>(tagData(tags, kBarTitle, 0))) d->barTitle = t;
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<RectData>(cls, object, msg);
    case method::Get: {
        RectData *d = instance<RectData>(cls, object);
        switch (msgGetAttr(msg)) {
        case kHBar: return answer(msg, d->hbar);
        case kVBar: return answer(msg, d->vbar);
        case kBarTitle: return answer(msg, textWord(d->barTitle));
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kRectangleClass = {"Rectangle.mui", "Area.mui", sizeof(RectData), dispatch, false};

} // namespace tk
