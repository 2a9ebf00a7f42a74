// Text.mui: a line or lines of text with formatting codes.
#include "class_support.h"

namespace tk {

namespace {

struct TextData {
    std::string contents, preParse;
    Word setMin = 1, setMax = 1, hiChar = 0;
};

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
    case method::Set: applySet(object, instance<TextData>(cls, object), msgTags(msg)); break;
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
