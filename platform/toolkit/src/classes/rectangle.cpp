// Rectangle.mui: empty space, optionally a bar with a title.
#include "class_support.h"
#include "draw/parts.h"

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
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        RectData *d = instance<RectData>(cls, object);
        const long bar = d->barTitle.empty() ? 2 : fontHeight(kFontTitle);
        addSize(reinterpret_cast<MinMax *>(msg[1]), d->vbar ? 2 : 0, d->vbar ? 2 : 0, kMaxMax, d->hbar ? bar : 0,
                d->hbar ? bar : 0, kMaxMax);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        RectData *d = instance<RectData>(cls, object);
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object);
        if (d->hbar) {
            const int y = in.y + in.height / 2;
            drawLine(rp, in.x, y - 1, in.x + in.width - 1, y - 1, kColShadow);
            drawLine(rp, in.x, y, in.x + in.width - 1, y, kColShine);
            if (!d->barTitle.empty()) drawFrame(rp, Rect{in.x, in.y, in.width, 2 * (y - in.y)}, 0, d->barTitle.c_str(), false, backgroundOf(object));
        }
        if (d->vbar) {
            const int x = in.x + in.width / 2;
            drawLine(rp, x - 1, in.y, x - 1, in.y + in.height - 1, kColShadow);
            drawLine(rp, x, in.y, x, in.y + in.height - 1, kColShine);
        }
        return 0;
    }
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
