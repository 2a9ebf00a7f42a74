#include "toolkit/find.h"

#include "toolkit/attributes.h"
#include "toolkit/object.h"
#include "toolkit/world.h"

#include <cstring>

namespace tk {

void setName(Object *object, const char *name)
{
    if (!isAlive(object)) return;
    object->name = name ? name : "";
}

Object *findByName(const char *name)
{
    if (!name || !*name) return nullptr;
    Object *found = nullptr;
    for (Object *o : world().live)
        if (!o->dead && o->name == name && (!found || o->serial < found->serial)) found = o;
    return found;
}

namespace {

bool isWindow(Object *o) { return windowOf(o) == o; }

} // namespace

Object *findWindow(const char *nameOrTitle)
{
    if (!nameOrTitle || !*nameOrTitle) return nullptr;
    Object *named = findByName(nameOrTitle);
    if (named && isWindow(named)) return named;
    Object *found = nullptr;
    for (Object *o : world().live) {
        if (o->dead || !isWindow(o)) continue;
        const char *title = reinterpret_cast<const char *>(getOr(o, attr::WinTitle, 0));
        if (title && visibleText(title) == visibleText(nameOrTitle) && (!found || o->serial < found->serial)) found = o;
    }
    return found;
}

std::string visibleText(const char *text)
{
    std::string out;
    if (!text) return out;
    bool underscoreSeen = false;
    for (const char *p = text; *p; ++p) {
        if (*p == 27) {
            // An escape code: the letter, and a bracketed argument when one follows.
            if (!p[1]) break;
            ++p;
            if (p[1] == '[') {
                const char *end = strchr(p, ']');
                if (!end) break;
                p = end;
            }
            continue;
        }
        if (*p == '_' && !underscoreSeen) {
            underscoreSeen = true;
            continue;
        }
        out += *p;
    }
    // Leading and trailing blanks are not what a person reads as the label.
    size_t b = out.find_first_not_of(' ');
    size_t e = out.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : out.substr(b, e - b + 1);
}

Object *findByLabel(Object *root, const char *label)
{
    if (!isAlive(root) || !label) return nullptr;
    const std::string wanted = visibleText(label);
    const char *own = reinterpret_cast<const char *>(getOr(root, attr::Label, 0));
    if (own && visibleText(own) == wanted) return root;
    for (size_t i = 0; i < root->children.size(); ++i)
        if (Object *found = findByLabel(root->children[i], label)) return found;
    return nullptr;
}

} // namespace tk
