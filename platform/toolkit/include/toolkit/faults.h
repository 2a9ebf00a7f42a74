// Fault injection for tests: make the next class or object creations fail so
// the error paths above the layer can be exercised.
#pragma once

namespace tk {

// The custom class creation after `successes` more successful ones fails
// (0: the next one fails). -1 switches it off.
void failCustomClassAfter(long successes);
// Creating an object of the named class (a public name, or the name of its
// nearest public superclass) fails after `successes` more successful ones.
// -1 switches it off.
void failNewObjectAfter(const char *className, long successes);

} // namespace tk
