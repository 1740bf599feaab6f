#include <gtest/gtest.h>

#include "forms/portable/Stream.h"
#include "player/logic/CommandLine.h"
#include "player/logic/PackReader.h"
#include "tests/native/player_logic/TestPacks.h"

using namespace player;
using packtest::BuildPack;
using packtest::PutInt;

namespace {

PackError Read(const std::vector<uint8_t>& bytes, PackDirectory& dir) {
    forms::MemoryStream stream(bytes);
    return ReadPack(stream, dir);
}

}  // namespace

TEST(PackReader, ReadsNamesAndFindsPackedMenus) {
    forms::MemoryStream stream(BuildPack({{"Main.MNU", "MENU-main"}, {"intro.mnu", "MENU-intro"}}));
    PackDirectory dir;
    ASSERT_EQ(ReadPack(stream, dir), PackError::None);
    ASSERT_EQ(dir.entries.size(), 2u);
    EXPECT_EQ(dir.entries[0].name, "main.mnu");

    std::string name = "INTRO.mnu";
    ASSERT_TRUE(SeekPacked(dir, name, stream));
    EXPECT_EQ(name, "intro.mnu");
    char data[10];
    ASSERT_TRUE(stream.ReadExact(data, 10));
    EXPECT_EQ(std::string(data, 10), "MENU-intro");
    std::string missing = "other.mnu";
    EXPECT_FALSE(SeekPacked(dir, missing, stream));

    EXPECT_EQ(ChooseStartMenu("", dir), "main.mnu");
    for (const char* arg : {"E:\\Main.mnu", "E:Main.mnu", "D:\\menus\\Main.mnu"}) {
        std::string chosen = ChooseStartMenu(arg, dir);
        EXPECT_TRUE(chosen == "Main.mnu" && IsPacked(dir, chosen)) << arg;
    }
}

TEST(PackReader, EmptyPackOffersNoMenu) {
    PackDirectory dir;
    ASSERT_EQ(Read(BuildPack({}), dir), PackError::None);
    std::string start = ChooseStartMenu("", dir);
    EXPECT_EQ(start, "");
    EXPECT_FALSE(IsPacked(dir, start));  // an empty name never matches an unused slot
}

TEST(PackReader, RefusesBadTrailersAndForeignData) {
    PackDirectory dir;
    auto bytes = BuildPack({{"a.mnu", "x"}});
    const size_t end = bytes.size() - 4;
    for (int32_t trailer : {0, 1, -5, INT32_MIN, static_cast<int32_t>(end) + 2, INT32_MAX}) {
        PutInt(bytes, end, trailer);
        EXPECT_EQ(Read(bytes, dir), PackError::InvalidAddress) << trailer;
    }
    EXPECT_EQ(Read({1, 2, 3}, dir), PackError::InvalidAddress);

    for (size_t at : {100u, 107u, 112u}) {  // "FPAK", the type-5 field, the type-1 field
        auto damaged = BuildPack({{"a.mnu", "x"}});
        damaged[at] = 'X';
        EXPECT_EQ(Read(damaged, dir), PackError::Unreadable) << at;
    }
    auto hugeBlock = BuildPack({{"a.mnu", "x"}});
    PutInt(hugeBlock, 108, 0x7FFFFFFF);
    EXPECT_EQ(Read(hugeBlock, dir), PackError::Unreadable);
}

TEST(PackReader, RefusesCountsBeyondTheFile) {
    PackDirectory dir;
    std::vector<std::pair<std::string, std::string>> many;
    for (int i = 0; i < 101; ++i) many.push_back({"m" + std::to_string(i) + ".mnu", "x"});
    EXPECT_EQ(Read(BuildPack(many), dir), PackError::Unreadable);  // more than the table holds
    many.pop_back();
    EXPECT_EQ(Read(BuildPack(many), dir), PackError::None);
    EXPECT_EQ(Read(BuildPack({{"a.mnu", "x"}}, 255), dir), PackError::Unreadable);

    // Cut anywhere before the end of its directory, a pack is refused.
    const auto good = BuildPack({{"a.mnu", "abc"}, {"b.mnu", "def"}});
    for (size_t cut = 0; cut < 119 + 2 * 260; ++cut) {
        std::vector<uint8_t> cutBytes(good.begin(), good.begin() + cut);
        PutInt(cutBytes, cut, 101);
        EXPECT_NE(Read(cutBytes, dir), PackError::None) << cut;
    }
}

TEST(PackReader, EntryOutsideTheFileFailsAloneWhenAskedFor) {
    auto bytes = BuildPack({{"main.mnu", "MENU-main"}, {"second.mnu", "MENU-second"}, {"third.mnu", "MENU-third"}});
    for (int32_t stored : {static_cast<int32_t>(bytes.size() + 10), 0, -7, INT32_MAX}) {
        PutInt(bytes, 119 + 260 + 256, stored);
        forms::MemoryStream stream(bytes);
        PackDirectory dir;
        ASSERT_EQ(ReadPack(stream, dir), PackError::None) << stored;
        ASSERT_EQ(dir.entries.size(), 3u);
        EXPECT_EQ(dir.entries[1].offset, static_cast<int64_t>(stored) - 1);  // kept as stored
        EXPECT_FALSE(dir.entries[1].inFile);

        std::string second = "Second.mnu";
        EXPECT_TRUE(IsPacked(dir, second));  // packed, but it cannot be read
        EXPECT_FALSE(SeekPacked(dir, second, stream));
        EXPECT_EQ(second, "second.mnu");
        for (const char* usable : {"main.mnu", "third.mnu"}) {
            std::string name = usable;
            EXPECT_TRUE(IsPacked(dir, name)) << usable;
            ASSERT_TRUE(SeekPacked(dir, name, stream)) << usable;
            char magic[5];
            ASSERT_TRUE(stream.ReadExact(magic, 5));
            EXPECT_EQ(std::string(magic, 5), "MENU-");
        }
        EXPECT_EQ(ChooseStartMenu("", dir), "main.mnu");
    }
}
