// Text.mui: a line or lines of text with formatting codes.
#include "class_support.h"
#include "draw/parts.h"

namespace tk {

namespace {

struct TextData {
    std::string contents, preParse;
    Word setMin = 1, setMax = 0, hiChar = 0;
};

// Buttons and labels with a shortcut key show it underlined.
TextOptions options(Object *object, const TextData *d)
{
    TextOptions o = textOptionsOf(object);
    o.markShortcut = d->hiChar != 0 || getOr(object, attr::ControlChar, 0) != 0;
    return o;
}

void applySet(Object *object, TextData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        switch (w.tag()) {
        case attr::TextContents: setText(object, d->contents, attr::TextContents, w.data(), w.quiet()); break;
        case attr::TextPreParse: setText(object, d->preParse, attr::TextPreParse, w.data(), w.quiet()); break;
        case attr::TextSetMin: d->setMin = w.data(); break;
        case attr::TextSetMax: d->setMax = w.data(); break;
        case attr::TextHiChar: d->hiChar = w.data(); break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        TextData *d = constructData<TextData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<TextData>(cls, object, msg);
    case method::Set: {
        TextData *d = instance<TextData>(cls, object);
        const std::string before = d->preParse + d->contents;
        applySet(object, d, msgTags(msg));
        if (before != d->preParse + d->contents) contentChanged(object);
        break;
    }
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        TextData *d = instance<TextData>(cls, object);
        const TextExtent e = measureText((d->preParse + d->contents).c_str(), options(object, d));
        addSize(reinterpret_cast<MinMax *>(msg[1]), d->setMin ? e.width : 0, e.width, d->setMax ? e.width : kMaxMax,
                e.height, e.height, e.height);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        TextData *d = instance<TextData>(cls, object);
        if (msg[1] & kDrawUpdate) clearInner(object, innerColour(object));
        drawText(rastPortOf(object), innerBox(object), (d->preParse + d->contents).c_str(), options(object, d));
        return 0;
    }
    case method::Get: {
        TextData *d = instance<TextData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::TextContents:
        case attr::Label: return answer(msg, textWord(d->contents));
        case attr::TextPreParse: return answer(msg, textWord(d->preParse));
        case attr::TextSetMin: return answer(msg, d->setMin);
        case attr::TextSetMax: return answer(msg, d->setMax);
        case attr::TextHiChar: return answer(msg, d->hiChar);
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kTextClass = {"Text.mui", "Area.mui", sizeof(TextData), dispatch, false};

} // namespace tk
