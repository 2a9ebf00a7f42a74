// Asking a window to lay itself out again.
#include "toolkit/layout.h"

#include "class_support.h"

namespace tk {

void requestLayout(Object *object)
{
    Object *window = windowOf(object);
    if (window && getOr(window, attr::WinOpen, 0)) doMethod(window, kMethodWindowRelayout, SWord(-1), SWord(-1));
}

int resizeWindow(Object *window, long innerWidth, long innerHeight)
{
    if (!isAlive(window) || windowOf(window) != window || !getOr(window, attr::WinOpen, 0)) return kErrNotOpen;
    doMethod(window, kMethodWindowRelayout, SWord(innerWidth), SWord(innerHeight));
    return 0;
}

} // namespace tk
