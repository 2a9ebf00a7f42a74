// Floattext.mui: a longer text shown as lines, read only.
#include "class_support.h"
#include "draw/parts.h"

namespace tk {

namespace {

struct FloatData {
    std::string text;
    bool justify = false;
    Word tabSize = 8;
};

void applySet(Object *object, FloatData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        switch (w.tag()) {
        case attr::FloattextText: setText(object, d->text, attr::FloattextText, w.data(), w.quiet()); break;
        case attr::FloattextJustify: d->justify = w.data() != 0; break;
        case attr::FloattextTabSize: d->tabSize = w.data(); break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        FloatData *d = constructData<FloatData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<FloatData>(cls, object, msg);
    case method::Set: {
        FloatData *d = instance<FloatData>(cls, object);
        const std::string before = d->text;
        applySet(object, d, msgTags(msg));
        if (before != d->text) redraw(object, kDrawUpdate);
        break;
    }
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        const long line = fontHeight(kFontNormal);
        addSize(reinterpret_cast<MinMax *>(msg[1]), 40, 200, kMaxMax, line * 2, line * 6, kMaxMax);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        FloatData *d = instance<FloatData>(cls, object);
        if (msg[1] & kDrawUpdate) clearInner(object, innerColour(object));
        TextOptions o = textOptionsOf(object);
        o.fromTop = true;
        drawText(rastPortOf(object), innerBox(object), d->text.c_str(), o);
        return 0;
    }
    case method::Get: {
        FloatData *d = instance<FloatData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::FloattextText: return answer(msg, textWord(d->text));
        case attr::FloattextJustify: return answer(msg, d->justify);
        case attr::FloattextTabSize: return answer(msg, d->tabSize);
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kFloattextClass = {"Floattext.mui", "Area.mui", sizeof(FloatData), dispatch, false};

} // namespace tk
