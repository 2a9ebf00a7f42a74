#include "fixture.h"

namespace tk::test {
namespace {

using Versions = World;

TEST_F(Versions, TheFourthGenerationStartsAfter20Point5500)
{
    struct Case {
        int version, revision;
        bool four;
    };
    const Case cases[] = {{19, 9999, false}, {20, 5500, false}, {20, 5501, true}, {21, 0, true}};
    for (const Case &c : cases) {
        setVersion(c.version, c.revision);
        EXPECT_EQ(isVersion4(), c.four) << c.version << "." << c.revision;
        Object *o = make("Text.mui");
        EXPECT_EQ(getOr(o, attr::Version, 0), Word(c.version));
        EXPECT_EQ(getOr(o, attr::Revision, 0), Word(c.revision));
        disposeObject(o);
    }
}

TEST_F(Versions, AddOnClassesCanBeRemovedAndVersioned)
{
    ASSERT_NE(findClass("Busy.mcc"), nullptr);
    setAddOn("Busy.mcc", false, 0, 0);
    EXPECT_EQ(findClass("Busy.mcc"), nullptr);
    EXPECT_EQ(make("Busy.mcc"), nullptr);
    EXPECT_EQ(addOnVersionString("Busy.mcc"), "");
    setAddOn("TheBar.mcc", true, 26, 9);
    EXPECT_EQ(addOnVersionString("TheBar.mcc"), "$VER: TheBar.mcc 26.9 (01.06.2021)");
    setAddOn("TextEditor.mcc", true, 15, 48);
    EXPECT_EQ(addOn("TextEditor.mcc")->revision, 48);
    EXPECT_EQ(addOn("Nothing.mcc"), nullptr);
    resetWorld();
    EXPECT_NE(findClass("Busy.mcc"), nullptr) << "a reset restores the defaults";
}

TEST_F(Versions, EveryClassTheGuiUsesExists)
{
    for (const char *name : {"Application.mui", "Window.mui", "Group.mui", "Virtgroup.mui", "Scrollgroup.mui",
                             "Register.mui", "Rectangle.mui", "Text.mui", "Floattext.mui", "String.mui", "Cycle.mui",
                             "Radio.mui", "Gauge.mui", "Slider.mui", "Scrollbar.mui", "Image.mui", "Menustrip.mui",
                             "Menu.mui", "Menuitem.mui", "Popasl.mui", "Poppen.mui", "Popobject.mui", "Busy.mcc",
                             "List.mui", "Listview.mui", "Area.mui"}) {
        Object *o = make(name);
        ASSERT_NE(o, nullptr) << name;
        EXPECT_STREQ(reinterpret_cast<const char *>(getOr(o, attr::ClassName, 0)), name);
        disposeObject(o);
    }
}

} // namespace
} // namespace tk::test
