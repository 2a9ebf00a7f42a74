// What the frame asks of the widget layer: its version, the private classes,
// and the depth of the active screen.
#pragma once

namespace tk { struct Class; }

// The widget layer's version and revision.
void fl_toolkit_version(int *version, int *revision);

// Creates the private classes in order; false at the first failure (the
// classes made before it are deleted again).
bool fl_create_private_classes();
// Deletes the private classes in creation order.
void fl_delete_private_classes();
// A private class by its number, 1 to 22; null while the classes do not exist.
tk::Class *fl_private_class(int number);

// The number of bit planes of the screen that is active now.
int fl_screen_depth();
