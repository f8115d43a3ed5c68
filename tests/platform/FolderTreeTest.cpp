// Walking folders for the program's own choosers: the same rules on every system, written
// against the system's first root ("/" or "C:/").
#include <gtest/gtest.h>

#include "platform/FolderTree.h"

namespace {

TEST(FolderTree, ParentsJoinsAndFullPaths) {
    const std::vector<std::string> roots = platform::FolderRoots();
    ASSERT_FALSE(roots.empty());
    const std::string root = roots.front();
    ASSERT_EQ(root.back(), '/');

    struct Case {
        std::string folder, parent;
    };
    for (const Case& c : {Case{root + "a/b", root + "a"}, Case{root + "a/b/", root + "a"}, Case{root + "a", root},
                          Case{root + "Åsa", root}, Case{root, ""}, Case{"", ""}})
        EXPECT_EQ(platform::ParentFolder(c.folder), c.parent) << c.folder;

    EXPECT_EQ(platform::JoinFolder(root, "Zoë"), root + "Zoë");
    EXPECT_EQ(platform::JoinFolder(root + "a", "b.png"), root + "a/b.png");
    // A full path typed as the name stands; above the roots a root's name is its path.
    EXPECT_EQ(platform::JoinFolder(root + "a", root + "x.png"), root + "x.png");
    EXPECT_EQ(platform::JoinFolder("", root), root);

    EXPECT_TRUE(platform::IsFullPath(root + "a"));
    EXPECT_FALSE(platform::IsFullPath("a/b"));
    EXPECT_FALSE(platform::IsFullPath(""));
    EXPECT_TRUE(platform::IsFolder(root));
    EXPECT_FALSE(platform::IsFolder(""));
}

}  // namespace
