#include "fixture.h"

namespace tk::test {
namespace {

using Requesters = World;

TEST(ButtonSyntax, NumbersFromTheLeftWithTheRightmostZero)
{
    struct Case {
        const char *buttons;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"Ok|Cancel", {"Ok", "Cancel"}},
        {"_Save|*_Discard|Cancel", {"Save", "Discard", "Cancel"}},
        {"", {"OK"}},
        {nullptr, {"OK"}},
        {"Only", {"Only"}},
    };
    for (const Case &c : cases) EXPECT_EQ(buttonLabels(c.buttons), c.labels) << (c.buttons ? c.buttons : "null");
    EXPECT_EQ(buttonNumber(0, 3), 1);
    EXPECT_EQ(buttonNumber(1, 3), 2);
    EXPECT_EQ(buttonNumber(2, 3), 0);
    EXPECT_EQ(buttonNumber(0, 1), 0);
}

TEST_F(Requesters, AnswerFromTheQueueInOrderAndLogEveryRequest)
{
    queueButton(2);
    queueButtonLabel("cancel");
    queueCancel();
    const char *buttons = "Yes|No|Cancel";
    EXPECT_EQ(messageRequest(nullptr, nullptr, "T1", buttons, 2, "first", nullptr, 0), 2);
    EXPECT_EQ(messageRequest(nullptr, nullptr, "T2", buttons, 3, "second", nullptr, 0), 0);
    EXPECT_EQ(messageRequest(nullptr, nullptr, "T3", buttons, 4, "third", nullptr, 0), 0);
    ASSERT_EQ(requestLog().size(), 3u);
    const RequestRecord &r = *requestLog()[0];
    EXPECT_EQ(r.title, "T1");
    EXPECT_EQ(r.body, "first");
    EXPECT_EQ(r.buttons, buttons);
    EXPECT_EQ(r.icon, 2u);
    EXPECT_TRUE(r.queued);
    EXPECT_EQ(requestLog()[2]->icon, 4u);
}

TEST_F(Requesters, WithNothingQueuedAnswerTheDefaultAtOnce)
{
    struct Case {
        const char *buttons;
        long expected;
    };
    const Case cases[] = {{"Ok|Cancel", 1}, {"Ok|*Cancel", 0}, {"A|*B|C", 2}, {"Alone", 0}};
    for (const Case &c : cases) EXPECT_EQ(messageRequest(nullptr, nullptr, "t", c.buttons, 1, "b", nullptr, 0), c.expected) << c.buttons;
    for (const RequestRecord *r : requestLog()) EXPECT_FALSE(r->queued);
}

TEST_F(Requesters, AnAnswerThatDoesNotFitIsNotedAndTheDefaultUsed)
{
    queueButton(5);
    queueText("/tmp/x");
    queueButtonLabel("Maybe");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(messageRequest(nullptr, nullptr, "t", "Yes|No", 1, "b", nullptr, 0), 1);
    for (const RequestRecord *r : requestLog()) EXPECT_FALSE(r->note.empty());
    EXPECT_EQ(queuedAnswers(), 0u);
}

TEST(BodyFormat, FormatsWordsAndSurvivesMissingArguments)
{
    const Word args[] = {Word(reinterpret_cast<uintptr_t>("disk")), Word(uint32_t(-5)), 255};
    struct Case {
        const char *format;
        size_t count;
        std::string expected;
    };
    const Case cases[] = {
        {"%s is %ld%%", 2, "disk is 4294967291%"},
        {"%s is %d%%", 2, "disk is -5%"},
        {"[%6s] [%-4d|] %lx", 3, "[  disk] [-5  |] ff"},
        {"%s %s %s %d", 1, "disk   0"},
        {"100%% sure, 50% off", 0, "100% sure, 50% off"},
        {"%q and %", 0, "%q and %"},
        {"%.2s", 1, "di"},
    };
    for (const Case &c : cases) EXPECT_EQ(formatBody(c.format, args, c.count), c.expected) << c.format;
    EXPECT_EQ(formatBody("%s", nullptr, 5), "");
}

TEST_F(Requesters, PopaslShowsFileDrawerAndFontRequesters)
{
    Object *file = make("Popasl.mui", {{attr::AslTitle, w("Pick a file")}, {attr::AslPattern, w("#?.pdf")}, {attr::StringContents, w("old.pdf")}, {attr::Name, w("file")}});
    Object *path = make("Popasl.mui", {{attr::AslDrawersOnly, 1}, {attr::Name, w("path")}});
    Object *font = make("Popasl.mui", {{attr::PopaslType, attr::PopaslTypeFont}, {attr::Name, w("font")}});
    App a = makeApp({file, path, font});
    notifyId(file, attr::StringContents, kEveryTime, 1);
    queueText("new.pdf");
    queueCancel();
    queueText("DejaVu Sans/12");
    click(Target::named("file"));
    click(Target::named("path"));
    popup(Target::named("font"));
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1}));
    ASSERT_EQ(requestLog().size(), 3u);
    EXPECT_EQ(requestLog()[0]->kind, RequestKind::File);
    EXPECT_EQ(requestLog()[0]->title, "Pick a file");
    EXPECT_EQ(requestLog()[0]->initial, "old.pdf");
    EXPECT_EQ(requestLog()[0]->pattern, "#?.pdf");
    EXPECT_EQ(requestLog()[1]->kind, RequestKind::Path);
    EXPECT_FALSE(requestLog()[1]->accepted);
    EXPECT_EQ(requestLog()[2]->kind, RequestKind::Font);
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(file, attr::StringContents, 0)), "new.pdf");
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(font, attr::StringContents, 0)), "DejaVu Sans/12");
    disposeObject(a.app);
}

TEST_F(Requesters, PoppenShowsTheColourRequester)
{
    const RgbColor start = rgbFromHex(0x102030);
    Object *pen = make("Poppen.mui", {{attr::PenSpec, w(&start)}, {attr::Name, w("pen")}});
    App a = makeApp({pen});
    notifyId(pen, attr::PenSpec, kEveryTime, 3);
    queueColour(0xFF8000);
    click(Target::named("pen"));
    click(Target::named("pen")); // nothing queued: cancelled, no change
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{3}));
    const RgbColor *now = reinterpret_cast<const RgbColor *>(getOr(pen, attr::PenRgb, 0));
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->red, 0xFFFFFFFFu);
    EXPECT_EQ(now->green, 0x80808080u);
    EXPECT_EQ(now->blue, 0u);
    EXPECT_EQ(requestLog()[0]->initialRgb, 0x102030u);
    EXPECT_FALSE(requestLog()[1]->accepted);
    disposeObject(a.app);
}

} // namespace
} // namespace tk::test
