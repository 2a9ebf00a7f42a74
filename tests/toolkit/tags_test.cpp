#include "fixture.h"

namespace tk::test {
namespace {

TEST(TagWalkerTest, SkipsIgnoredItemsAndStopsAtTheEnd)
{
    const TagItem list[] = {{kTagIgnore, 7}, {0x80001, 1}, {kTagIgnore, 0}, {0x80002, 2}, {kTagDone, 0}, {0x80003, 3}};
    std::vector<Word> seen;
    for (TagWalker walk(list); walk.next();) seen.push_back(walk.tag());
    EXPECT_EQ(seen, (std::vector<Word>{0x80001, 0x80002}));
}

TEST(TagWalkerTest, NoNotifyTakesEffectFromItsPositionOn)
{
    const TagItem list[] = {{0x80001, 1},        {attr::NoNotify, 1}, {0x80002, 2},
                            {attr::NoNotify, 0}, {0x80003, 3},        {kTagDone, 0}};
    std::vector<bool> quiet;
    for (TagWalker walk(list); walk.next();)
        if (walk.tag() != attr::NoNotify) quiet.push_back(walk.quiet());
    EXPECT_EQ(quiet, (std::vector<bool>{false, true, false}));
}

TEST(TagWalkerTest, NullListIsEmpty)
{
    TagWalker walk(nullptr);
    EXPECT_FALSE(walk.next());
    EXPECT_EQ(tagData(nullptr, 5, 9), 9u);
}

using TagSet = World;

TEST_F(TagSet, RepeatedTagsApplyInOrderAndUnknownTagsAreIgnored)
{
    Object *text = make("Text.mui", {{attr::TextContents, w("one")}, {0x8FFFFFF0, 5}, {attr::TextContents, w("two")}});
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(text, attr::TextContents, 0)), "two");
    Word unknown = 77;
    EXPECT_FALSE(get(text, 0x8FFFFFF0, &unknown));
    EXPECT_EQ(unknown, 77u) << "a failed get leaves the storage alone";
    disposeObject(text);
}

TEST_F(TagSet, TextsAreCopied)
{
    char buffer[] = "first";
    Object *text = make("Text.mui", {{attr::TextContents, w(buffer)}});
    buffer[0] = 'X';
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(text, attr::TextContents, 0)), "first");
    disposeObject(text);
}

} // namespace
} // namespace tk::test
