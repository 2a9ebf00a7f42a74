// Version knobs: the toolkit version the layer reports, and which add-on
// classes are installed at which version. Tests and the robot set them to
// drive the branches that depend on versions.
#pragma once

#include <string>

namespace tk {

struct AddOnClass;

// The toolkit's version and revision (21.1 unless set).
void setVersion(int version, int revision);
int version();
int revision();
// The fourth generation of the toolkit: newer than 20.5500.
bool isVersion4();

// An add-on class ("TheBar.mcc", "TextEditor.mcc", "HTMLview.mcc",
// "Listtree.mcc", "Busy.mcc"): present or not, and its version. A class
// that is not present cannot be found or instantiated.
void setAddOn(const char *name, bool present, int version, int revision);
// The add-on's record, or null for a name that is no add-on class.
const AddOnClass *addOn(const char *name);
// The version string the add-on carries, "$VER: TheBar.mcc 26.22 (17.03.2020)",
// or an empty text when it is not installed.
std::string addOnVersionString(const char *name);

} // namespace tk
