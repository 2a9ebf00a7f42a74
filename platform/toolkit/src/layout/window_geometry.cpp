// Special window sizes and positions resolved against the screen.
#include "toolkit/layout.h"

#include <algorithm>

namespace tk {

long resolveWindowSize(SWord given, long min, long def, long max, long screenSize, long visibleSize)
{
    long size = def;
    if (given > 0)
        size = long(given);
    else if (given <= -1 && given >= -100)
        size = min + (max - min) * long(-given) / 100;
    else if (given <= -101 && given >= -200)
        size = visibleSize * long(-100 - given) / 100;
    else if (given <= -201 && given >= -300)
        size = screenSize * long(-200 - given) / 100;
    return std::clamp(size, min, std::max(min, max));
}

long resolveWindowPos(SWord given, long size, long screenSize, long mouse, long titleBar, bool vertical)
{
    long pos = 0;
    if (given >= 0)
        pos = long(given);
    else if (given == -1)
        pos = (screenSize - size) / 2;
    else if (given == -2)
        pos = mouse - size / 2;
    else if (vertical && given <= -3 && given > -1000)
        pos = titleBar + long(-3 - given);
    else if (!vertical && given <= -1000)
        pos = screenSize - size - long(-1000 - given);
    // A window stays on the screen as far as it fits.
    return std::max(0L, std::min(pos, screenSize - size));
}

} // namespace tk
