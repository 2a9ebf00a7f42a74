// Popasl.mui: a field whose button shows a file, drawer or font requester;
// the choice becomes the field's contents.
#include "class_support.h"
#include "toolkit/requester.h"

namespace tk {

namespace {

struct AslData {
    Word type = attr::PopaslTypeFile;
    std::string title, pattern;
    bool saveMode = false, drawersOnly = false;
    Word minHeight = 0, maxHeight = 0;
};

void applySet(AslData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        const char *text = reinterpret_cast<const char *>(w.data());
        switch (w.tag()) {
        case attr::PopaslType: d->type = w.data(); break;
        case attr::AslTitle: d->title = text ? text : ""; break;
        case attr::AslPattern: d->pattern = text ? text : ""; break;
        case attr::AslSaveMode: d->saveMode = w.data() != 0; break;
        case attr::AslDrawersOnly: d->drawersOnly = w.data() != 0; break;
        case attr::AslMinHeight: d->minHeight = w.data(); break;
        case attr::AslMaxHeight: d->maxHeight = w.data(); break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        AslData *d = constructData<AslData>(cls, object, msg);
        if (!d) return 0;
        applySet(d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<AslData>(cls, object, msg);
    case method::Set: applySet(instance<AslData>(cls, object), msgTags(msg)); break;
    case method::Get: {
        AslData *d = instance<AslData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::PopaslType: return answer(msg, d->type);
        case attr::PopaslActive: return answer(msg, 0); // requesters answer at once
        case attr::AslTitle: return answer(msg, textWord(d->title));
        case attr::AslPattern: return answer(msg, textWord(d->pattern));
        case attr::AslSaveMode: return answer(msg, d->saveMode);
        case attr::AslDrawersOnly: return answer(msg, d->drawersOnly);
        }
        break;
    }
    case method::PopstringOpen: {
        AslData *d = instance<AslData>(cls, object);
        const RequestKind kind = d->type == attr::PopaslTypeFont ? RequestKind::Font
                                 : d->drawersOnly                ? RequestKind::Path
                                                                 : RequestKind::File;
        std::string result;
        const char *current = reinterpret_cast<const char *>(getOr(object, attr::StringContents, 0));
        if (textRequest(kind, d->title.c_str(), current, d->pattern.c_str(), d->saveMode, &result))
            set(object, attr::StringContents, reinterpret_cast<Word>(result.c_str()));
        return 1;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kPopaslClass = {"Popasl.mui", "Popstring.mui", sizeof(AslData), dispatch, false};

} // namespace tk
