// Finding objects as a person or a test refers to them: by the name their
// owner gave them, windows by name or title, widgets by the text they show.
#pragma once

#include <string>

namespace tk {

struct Object;

// Gives an object a name (the GUI plugin gives each object its id).
void setName(Object *object, const char *name);
// The oldest live object with that name, or null.
Object *findByName(const char *name);
// A window by name, else by title; null when none.
Object *findWindow(const char *nameOrTitle);
// The first object, parents first, under `root` whose visible label is
// `label` (formatting codes and shortcut underscores ignored).
Object *findByLabel(Object *root, const char *label);
// The visible text of a label, title or content: escape codes and the first
// shortcut underscore removed.
std::string visibleText(const char *text);

} // namespace tk
