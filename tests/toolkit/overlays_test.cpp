// Requesters and opened menus drawn over the windows: where they stand, what
// they show, and when they leave the screen.
#include "fixture.h"

#include <algorithm>

namespace tk::test {
namespace {

using Overlays = World;

bool pictureHas(const BitMap *picture, const Rect &area, uint32_t rgb)
{
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (readRgb(picture, x, y) == rgb) return true;
    return false;
}

// A window "Main" whose strip has Project (Open, a separator, a disabled
// Print, a ticked check item) and Help.
struct MenuApp {
    Object *app, *window, *open, *bar, *print, *check;
};
MenuApp makeMenuApp()
{
    MenuApp m;
    m.open = make("Menuitem.mui", {{attr::ItemTitle, w("Open")}, {attr::ItemShortcut, w("O")}});
    m.bar = make("Menuitem.mui", {{attr::ItemTitle, attr::kMenuBarLabel}});
    m.print = make("Menuitem.mui", {{attr::ItemTitle, w("Print")}, {attr::ItemEnabled, 0}});
    m.check = make("Menuitem.mui", {{attr::ItemTitle, w("Backup")}, {attr::ItemCheckit, 1}, {attr::ItemChecked, 1}});
    Object *project = make("Menu.mui", {{attr::MenuTitle, w("Project")}, {attr::FamilyChild, w(m.open)},
                                        {attr::FamilyChild, w(m.bar)}, {attr::FamilyChild, w(m.print)},
                                        {attr::FamilyChild, w(m.check)}});
    Object *help = make("Menu.mui", {{attr::MenuTitle, w("Help")},
                                     {attr::FamilyChild, w(make("Menuitem.mui", {{attr::ItemTitle, w("About")}}))}});
    Object *strip = make("Menustrip.mui", {{attr::FamilyChild, w(project)}, {attr::FamilyChild, w(help)}});
    Object *root = make("Group.mui", {{attr::GroupChild, w(make("Text.mui", {{attr::TextContents, w("Hello")}}))}});
    m.window = make("Window.mui", {{attr::WinTitle, w("Main")}, {attr::WinRootObject, w(root)},
                                   {attr::WinMenustrip, w(strip)}, {attr::Name, w("main")}});
    m.app = make("Application.mui", {{attr::AppWindow, w(m.window)}});
    set(m.window, attr::WinOpen, 1);
    return m;
}

void openAndRun(const Target &target, const char *path)
{
    openMenu(target, path);
    while (processNextAction()) {
    }
}

TEST_F(Overlays, MessageRequesterStandsOverItsWindowUntilTheNextAction)
{
    App a = makeApp({make("Text.mui", {{attr::TextContents, w("Body")}})});
    queueButton(1);
    EXPECT_EQ(messageRequest(a.app, a.window, "Quit", "_Yes|*_No|Maybe", 2, "Really %s?", nullptr, 0), 1);
    const Screen &s = screen();
    ASSERT_TRUE(s.requester.shown);
    ASSERT_NE(s.lastRequester, nullptr);
    const Rect win = windowBox(a.window), box = s.requester.box;
    EXPECT_NEAR(box.x + box.width / 2, win.x + win.width / 2, 1);
    EXPECT_NEAR(box.y + box.height / 2, win.y + win.height / 2, 1);
    ASSERT_EQ(s.requester.parts.size(), 3u);
    EXPECT_LT(s.requester.parts[0].x, s.requester.parts[1].x);
    // Only the "*" button is outlined as the default.
    const Rect &no = s.requester.parts[1], &yes = s.requester.parts[0];
    EXPECT_EQ(readRgb(s.lastRequester, no.x - 2, no.y + no.height / 2), kColText);
    EXPECT_NE(readRgb(s.lastRequester, yes.x - 2, yes.y + yes.height / 2), kColText);
    EXPECT_EQ(screenPixel(box.x + box.width / 2, box.y + 2), kColFill) << "its title bar is on the screen";

    click(Target::named("nothing"));
    processNextAction();
    EXPECT_FALSE(s.requester.shown);
    EXPECT_NE(s.lastRequester, nullptr) << "the picture stays readable";
    EXPECT_NE(screenPixel(box.x + box.width / 2, box.y + box.height - 2), readRgb(s.lastRequester, box.width / 2, box.height - 2));
}

TEST_F(Overlays, PopUpRequestersAreDrawnAsWindowsToo)
{
    std::string text;
    uint32_t rgb = 0;
    struct Case {
        const char *what;
        bool (*show)(std::string *, uint32_t *);
    };
    const Case cases[] = {
        {"file", [](std::string *t, uint32_t *) { return textRequest(RequestKind::File, "Load", "/tmp/a.txt", "#?.txt", false, t); }},
        {"font", [](std::string *t, uint32_t *) { return textRequest(RequestKind::Font, "Font", "Sans/12", "", false, t); }},
        {"colour", [](std::string *, uint32_t *c) { return colourRequest("Colour", 0x123456, c); }},
    };
    for (const Case &c : cases) {
        EXPECT_FALSE(c.show(&text, &rgb)) << c.what << ": nothing queued is a cancel";
        const Screen &s = screen();
        EXPECT_TRUE(s.requester.shown) << c.what;
        EXPECT_EQ(s.requester.parts.size(), 2u) << c.what << ": OK and Cancel";
        EXPECT_NEAR(s.requester.box.x + s.requester.box.width / 2, s.width / 2, 1) << c.what << ": centred on the screen";
    }
    const BitMap *colour = screen().lastRequester;
    EXPECT_TRUE(pictureHas(colour, Rect{0, 0, colour->width, colour->height}, 0x123456)) << "a sample of the colour";
}

TEST_F(Overlays, StripMenuOpensBelowItsTitleAndShowsItsItems)
{
    MenuApp m = makeMenuApp();
    openAndRun(Target::windowNamed("main"), "Project");
    const Screen &s = screen();
    ASSERT_TRUE(s.menu.shown) << (inputLog().empty() ? "" : inputLog().back());
    const Rect win = windowBox(m.window);
    EXPECT_EQ(s.menu.box.x, win.x + int(getOr(m.window, attr::WinBorderLeft, 0)));
    EXPECT_EQ(s.menu.box.y, win.y + int(getOr(m.window, attr::WinBorderTop, 0)));
    ASSERT_EQ(s.menu.parts.size(), 4u);
    EXPECT_LT(s.menu.parts[1].height, s.menu.parts[0].height) << "the separator is a thin line";
    const BitMap *p = s.menu.picture;
    const Rect &bar = s.menu.parts[1];
    EXPECT_TRUE(pictureHas(p, bar, kColShadow)) << "separator line";
    EXPECT_TRUE(pictureHas(p, s.menu.parts[0], kColText)) << "enabled text is black";
    EXPECT_FALSE(pictureHas(p, s.menu.parts[2], kColText)) << "disabled text is greyed";
    const Rect checkColumn{s.menu.parts[3].x, s.menu.parts[3].y, 16, s.menu.parts[3].height};
    const Rect uncheckedColumn{s.menu.parts[0].x, s.menu.parts[0].y, 16, s.menu.parts[0].height};
    EXPECT_TRUE(pictureHas(p, checkColumn, kColText)) << "the ticked item has its check mark";
    EXPECT_FALSE(pictureHas(p, uncheckedColumn, kColText)) << "the plain item has none";

    // The second menu opens further right; a pick closes it.
    const int projectX = s.menu.box.x;
    openAndRun(Target::windowNamed("main"), "Help");
    ASSERT_TRUE(s.menu.shown);
    EXPECT_GT(s.menu.box.x, projectX + 30);
    pickMenu(Target::labelled("main", "Help/About"));
    processNextAction();
    EXPECT_FALSE(s.menu.shown);
    EXPECT_EQ(s.menu.picture, nullptr);
}

TEST_F(Overlays, MenusThatCannotOpenAreDroppedWithAReason)
{
    MenuApp m = makeMenuApp();
    struct Case {
        Target target;
        const char *path;
        const char *reason;
    };
    const Case cases[] = {
        {Target::windowNamed("main"), "Nothing", "no such menu"},
        {Target::windowNamed("main"), "Project/Open", "not a menu"},
        {Target::labelled("main", "Hello"), "", "no context menu"},
    };
    for (const Case &c : cases) {
        clearInput();
        openAndRun(c.target, c.path);
        EXPECT_FALSE(screen().menu.shown) << c.path;
        ASSERT_EQ(inputLog().size(), 1u) << c.path;
        EXPECT_NE(inputLog()[0].find(c.reason), std::string::npos) << inputLog()[0];
    }
    (void)m;
}

TEST_F(Overlays, SeparatorIsNeitherPickableNorATextAndTheMenuGoesWithItsWindow)
{
    MenuApp m = makeMenuApp();
    EXPECT_EQ(getOr(m.bar, attr::ItemTitle, 0), attr::kMenuBarLabel);
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(m.bar, attr::Label, 0)), "");
    Recorder picks;
    picks.watch(m.bar, attr::ItemTrigger, kEveryTime);
    clearInput();
    pickMenu(Target::labelled("main", "Project/")); // the empty title after Project is the separator's
    processNextAction();
    EXPECT_TRUE(picks.values.empty());
    EXPECT_NE(inputLog().back().find("a separator cannot be picked"), std::string::npos) << inputLog().back();

    openAndRun(Target::windowNamed("main"), "Project");
    ASSERT_TRUE(screen().menu.shown);
    set(m.window, attr::WinOpen, 0);
    EXPECT_FALSE(screen().menu.shown) << "a closed window takes its menu with it";
}

TEST_F(Overlays, PaletteScreensShowMenusAndRequestersInTheirPens)
{
    ASSERT_EQ(configureScreen(640, 480, 8, kPixLut8), 0);
    MenuApp m = makeMenuApp();
    openAndRun(Target::windowNamed("main"), "Project");
    ASSERT_TRUE(screen().menu.shown);
    EXPECT_EQ(screen().menu.picture->format, kPixLut8);
    const Rect box = screen().menu.box;
    EXPECT_EQ(screenPixel(box.x + box.width / 2, box.y + 4), kColFill) << "theme colours have pens of their own";
    messageRequest(m.app, m.window, "T", "OK", 1, "Body", nullptr, 0);
    EXPECT_EQ(screen().lastRequester->format, kPixLut8);
}

} // namespace
} // namespace tk::test
