// The Pageview rows that follow the toolkit's generation. The replacement is
// made at plugin start and never undone, so this program holds this test only.
#include "../../ferrolin/attributes/vocabulary.h"
#include "../../ferrolin/frame/plugin.h"
#include "fake_host.h"

#include "toolkit/versions.h"
#include "toolkit/world.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The tags of the three nameless Pageview rows that hold the placeholders at first.
const uint32_t *pageviewTags()
{
    static uint32_t tags[3];
    const AttributeRow *rows = fl_class_attributes(12);
    for (int i = 0; i < 3; i++) tags[i] = rows[3 + i].tag; // the three rows after the first three
    return tags;
}

TEST(Pageview, PlaceholdersFollowTheToolkitVersion)
{
    tk::resetWorld();
    FakeHost host;
    fake = &host;
    const uint32_t placeholders[3] = {0x80000080, 0x80000081, 0x80000082};
    const uint32_t version4[3] = {0x8042545B, 0x8042AC64, 0x80421A5F};
    tk::setVersion(20, 5500);
    ASSERT_EQ(host.init(10, 0), 1);
    EXPECT_EQ(fl.version4, 0);
    EXPECT_TRUE(std::equal(placeholders, placeholders + 3, pageviewTags()));
    tk::setVersion(20, 5501);
    ASSERT_EQ(host.init(10, 0), 1);
    EXPECT_EQ(fl.version4, 1);
    EXPECT_TRUE(std::equal(version4, version4 + 3, pageviewTags()));
    tk::setVersion(21, 0);
    ASSERT_EQ(host.init(10, 0), 1);
    EXPECT_EQ(fl.version4, 1);
    EXPECT_TRUE(std::equal(version4, version4 + 3, pageviewTags()));
    fake = nullptr;
}

} // namespace
