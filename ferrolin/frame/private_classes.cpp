// The 22 private toolkit classes: each a subclass of a public class with
// instance data of its own. Until a widget gives its class behaviour, the
// class's dispatcher hands every method on to its superclass.
#include "toolkit_link.h"

#include "toolkit/object.h"
#include "toolkit/versions.h"
#include "toolkit/world.h"

#include <cstddef>

namespace {

tk::Word pass_on(tk::Class *cls, tk::Object *object, const tk::Word *message)
{
    return tk::doSuperMethodA(cls, object, message);
}

// Classes 12 to 22 share one dispatcher.
tk::Word shared_dispatcher(tk::Class *cls, tk::Object *object, const tk::Word *message)
{
    return tk::doSuperMethodA(cls, object, message);
}

struct PrivateClassRow {
    const char *superName;
    size_t dataSize;
    tk::Dispatcher dispatcher;
};

const PrivateClassRow kPrivateClasses[] = {
    {"List.mui", 192, pass_on},            // 1
    {"Area.mui", 1168, pass_on},           // 2
    {"Area.mui", 20, pass_on},             // 3
    {"Group.mui", 100, pass_on},           // 4
    {"Group.mui", 8, pass_on},             // 5
    {"Slider.mui", 40, pass_on},           // 6
    {"Scrollbar.mui", 140, pass_on},       // 7
    {"Area.mui", 40, pass_on},             // 8
    {"Group.mui", 16, pass_on},            // 9
    {"Group.mui", 20, pass_on},            // 10
    {"Listtree.mcc", 192, pass_on},        // 11
    {"Listview.mui", 24, shared_dispatcher},    // 12
    {"Gauge.mui", 24, shared_dispatcher},       // 13
    {"Text.mui", 24, shared_dispatcher},        // 14
    {"Cycle.mui", 24, shared_dispatcher},       // 15
    {"Rectangle.mui", 24, shared_dispatcher},   // 16
    {"Poppen.mui", 24, shared_dispatcher},      // 17
    {"Popasl.mui", 24, shared_dispatcher},      // 18
    {"Popobject.mui", 24, shared_dispatcher},   // 19
    {"Scrollgroup.mui", 24, shared_dispatcher}, // 20
    {"String.mui", 24, shared_dispatcher},      // 21
    {"Busy.mcc", 24, shared_dispatcher},        // 22
};
constexpr int kCount = int(sizeof kPrivateClasses / sizeof kPrivateClasses[0]);
static_assert(kCount == 22);

tk::Class *g_classes[kCount];

// The widget layer knows the tree add-on class by its version before it has
// the class itself; while the class is missing, an installed tree add-on is
// built on the plain list class.
const char *superclass_name(const char *name)
{
    const tk::AddOnClass *addOn = tk::addOn(name);
    if (addOn && addOn->present && !tk::findClass(name) && __builtin_strcmp(name, "Listtree.mcc") == 0)
        return "List.mui";
    return name;
}

} // namespace

bool fl_create_private_classes()
{
    for (int i = 0; i < kCount; i++) {
        const PrivateClassRow &row = kPrivateClasses[i];
        g_classes[i] = tk::createCustomClass(superclass_name(row.superName), nullptr, row.dataSize, row.dispatcher);
        if (!g_classes[i]) {
            for (int j = i - 1; j >= 0; j--) {
                tk::deleteCustomClass(g_classes[j]);
                g_classes[j] = nullptr;
            }
            return false;
        }
    }
    return true;
}

void fl_delete_private_classes()
{
    for (tk::Class *&cls : g_classes) {
        if (cls) tk::deleteCustomClass(cls);
        cls = nullptr;
    }
}

tk::Class *fl_private_class(int number) { return number >= 1 && number <= kCount ? g_classes[number - 1] : nullptr; }

void fl_toolkit_version(int *version, int *revision)
{
    *version = tk::version();
    *revision = tk::revision();
}
