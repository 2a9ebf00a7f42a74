// The built-in classes, superclasses before their subclasses. Adding a class
// is one file under classes/ and one row here.
#include "class_support.h"

namespace tk {

extern const ClassDef kNotifyClass, kAreaClass, kApplicationClass, kWindowClass, kGroupClass, kVirtgroupClass,
    kScrollgroupClass, kRegisterClass, kRectangleClass, kTextClass, kFloattextClass, kStringClass, kCycleClass,
    kRadioClass, kGaugeClass, kSliderClass, kScrollbarClass, kImageClass, kMenustripClass, kMenuClass,
    kMenuitemClass, kPopstringClass, kPopaslClass, kPoppenClass, kPopobjectClass, kBusyClass, kListClass,
    kListviewClass;

const ClassDef *const kClassTable[] = {
    &kNotifyClass,
    &kAreaClass,
    &kApplicationClass,
    &kWindowClass,
    &kGroupClass,
    &kVirtgroupClass,
    &kScrollgroupClass,
    &kRegisterClass,
    &kRectangleClass,
    &kTextClass,
    &kFloattextClass,
    &kStringClass,
    &kCycleClass,
    &kRadioClass,
    &kGaugeClass,
    &kSliderClass,
    &kScrollbarClass,
    &kImageClass,
    &kMenustripClass,
    &kMenuClass,
    &kMenuitemClass,
    &kPopstringClass,
    &kPopaslClass,
    &kPoppenClass,
    &kPopobjectClass,
    &kBusyClass,
    &kListClass,
    &kListviewClass,
    nullptr,
};

} // namespace tk
