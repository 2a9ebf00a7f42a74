// Gauge.mui: a bar showing a level out of a maximum.
#include "class_support.h"

namespace tk {

namespace {

struct GaugeData {
    Word current = 0, max = 100, divide = 0;
    bool horiz = false;
    std::string infoText;
};

void applySet(Object *object, GaugeData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        switch (w.tag()) {
        case attr::GaugeCurrent: setField(object, d->current, attr::GaugeCurrent, w.data(), w.quiet()); break;
        case attr::GaugeMax: setField(object, d->max, attr::GaugeMax, w.data(), w.quiet()); break;
        case attr::GaugeDivide: d->divide = w.data(); break;
        case attr::GaugeHoriz: d->horiz = w.data() != 0; break;
        case attr::GaugeInfoText: setText(object, d->infoText, attr::GaugeInfoText, w.data(), w.quiet()); break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        GaugeData *d = constructData<GaugeData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<GaugeData>(cls, object, msg);
    case method::Set: applySet(object, instance<GaugeData>(cls, object), msgTags(msg)); break;
    case method::Get: {
        GaugeData *d = instance<GaugeData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::GaugeCurrent: return answer(msg, d->current);
        case attr::GaugeMax: return answer(msg, d->max);
        case attr::GaugeDivide: return answer(msg, d->divide);
        case attr::GaugeHoriz: return answer(msg, d->horiz);
        case attr::GaugeInfoText: return answer(msg, textWord(d->infoText));
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kGaugeClass = {"Gauge.mui", "Area.mui", sizeof(GaugeData), dispatch, false};

} // namespace tk
