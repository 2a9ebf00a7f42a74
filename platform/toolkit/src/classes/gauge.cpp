// Gauge.mui: a bar showing a level out of a maximum.
#include "class_support.h"
#include "draw/parts.h"

#include <algorithm>
#include <cstdio>

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
    case method::Set:
        applySet(object, instance<GaugeData>(cls, object), msgTags(msg));
        redraw(object, kDrawUpdate);
        break;
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        const long h = fontHeight(kFontNormal) + 2;
        if (instance<GaugeData>(cls, object)->horiz)
            addSize(reinterpret_cast<MinMax *>(msg[1]), 40, 120, kMaxMax, h, h, h);
        else
            addSize(reinterpret_cast<MinMax *>(msg[1]), h, h, h, 40, 120, kMaxMax);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        GaugeData *d = instance<GaugeData>(cls, object);
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object);
        clearInner(object, kColField);
        const Word max = d->max ? d->max : 1, level = std::min(d->current, max);
        if (d->horiz) {
            const int w = int(long(in.width) * long(level) / long(max));
            if (w > 0) rectFill(rp, in.x, in.y, in.x + w - 1, in.y + in.height - 1, kColFill);
        } else {
            const int h = int(long(in.height) * long(level) / long(max));
            if (h > 0) rectFill(rp, in.x, in.y + in.height - h, in.x + in.width - 1, in.y + in.height - 1, kColFill);
        }
        if (!d->infoText.empty()) {
            TextOptions o;
            o.align = kAlignCentre;
            char text[256];
            snprintf(text, sizeof text, "%s", d->infoText.c_str());
            const std::string::size_type at = d->infoText.find("%ld");
            if (at != std::string::npos)
                snprintf(text, sizeof text, "%s%ld%s", d->infoText.substr(0, at).c_str(), long(d->current),
                         d->infoText.substr(at + 3).c_str());
            // The info text is a format: "%%" shows one percent sign.
            std::string shown = text;
            for (size_t at = shown.find("%%"); at != std::string::npos; at = shown.find("%%", at + 1)) shown.erase(at, 1);
            drawText(rp, in, shown.c_str(), o);
        }
        return 0;
    }
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
