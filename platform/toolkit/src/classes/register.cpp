// Register.mui: a page group with a tab per page. The titles are copied; the
// active tab is the group's active page.
#include "class_support.h"
#include "draw/parts.h"

#include <algorithm>

namespace tk {

namespace {

struct RegisterData {
    TextArray titles;
    Word frame = 0;
};

long tabHeight() { return fontHeight(kFontNormal) + 8; }

long tabWidth(const std::string &title)
{
    TextOptions o;
    o.markShortcut = true;
    return measureText(title.c_str(), o).width + 20;
}

void drawTabs(Object *object, RegisterData *d)
{
    RastPort *rp = rastPortOf(object);
    const Rect in = innerBox(object);
    const long active = long(getOr(object, attr::GroupActivePage, 0));
    const int h = int(tabHeight()), y = in.y - h - 2;
    int x = in.x;
    for (long i = 0; i < d->titles.size(); ++i) {
        const int w = int(tabWidth(d->titles.texts[size_t(i)]));
        const Rect tab{x, y + (i == active ? 0 : 2), w, h - (i == active ? 0 : 2)};
        rectFill(rp, tab.x, tab.y, tab.x + tab.width - 1, tab.y + tab.height - 1, i == active ? kColBackground : kColPressed);
        drawBevel(rp, Rect{tab.x, tab.y, tab.width, tab.height + 2}, kBevelRaised, false);
        TextOptions o;
        o.markShortcut = true;
        o.align = kAlignCentre;
        drawText(rp, tab, d->titles.texts[size_t(i)].c_str(), o);
        x += w;
    }
    drawLine(rp, x, y + h, in.x + in.width - 1, y + h, kColShine);
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        // The pages: always in page mode, whatever the list says.
        std::vector<TagItem> tags;
        tags.push_back(TagItem{attr::GroupPageMode, 1});
        for (const TagItem *t = msgTags(msg); t && t->tag != kTagDone; ++t)
            if (t->tag != attr::GroupPageMode) tags.push_back(*t);
        tags.push_back(TagItem{kTagDone, 0});
        const Word message[] = {method::New, reinterpret_cast<Word>(tags.data())};
        RegisterData *d = constructData<RegisterData>(cls, object, message);
        if (!d) return 0;
        d->titles.assign(tagData(msgTags(msg), attr::RegisterTitles, 0));
        d->frame = tagData(msgTags(msg), attr::RegisterFrame, 0);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<RegisterData>(cls, object, msg);
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        RegisterData *d = instance<RegisterData>(cls, object);
        MinMax *mm = reinterpret_cast<MinMax *>(msg[1]);
        // The tabs sit above the pages.
        const long band = tabHeight();
        object->inset[2] += int(band);
        long tabs = 0;
        for (const std::string &t : d->titles.texts) tabs += tabWidth(t);
        const long width = tabs + object->inset[0] + object->inset[1];
        addSize(mm, 0, 0, 0, band, band, band);
        mm->minWidth = std::max(mm->minWidth, width);
        mm->defWidth = std::max(mm->defWidth, width);
        mm->maxWidth = std::max(mm->maxWidth, width);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        if (msg[1] & kDrawObject) drawTabs(object, instance<RegisterData>(cls, object));
        return 0;
    }
    case method::Set:
        for (TagWalker w(msgTags(msg)); w.next();)
            if (w.tag() == attr::RegisterTitles) instance<RegisterData>(cls, object)->titles.assign(w.data());
        break;
    case method::Get: {
        RegisterData *d = instance<RegisterData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::RegisterTitles: return answer(msg, d->titles.word());
        case attr::RegisterFrame: return answer(msg, d->frame);
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kRegisterClass = {"Register.mui", "Group.mui", sizeof(RegisterData), dispatch, false};

} // namespace tk
