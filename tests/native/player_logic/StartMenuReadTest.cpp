#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "forms/portable/Stream.h"
#include "player/logic/StartMenuRead.h"
#include "tests/native/player_logic/TestPacks.h"
#include "tests/support/FakeDialogs.h"

using player::StartMenuRead;

namespace {

// A menu with a background and one graphical button of two Up frames.
TAQMenu TestMenu(const std::string& title, uint32_t colour) {
    TAQMenu m;
    m.MenuTitle = title;
    m.Buttons[0].Pics[Up][0] = std::make_shared<forms::Bitmap>(40, 30, colour);
    m.BtnCount = 1;
    TAQButton& b = m.Buttons[1];
    b.ObjectKind = GraphicalButton;
    b.ObjWidth = 10;
    b.ObjHeight = 8;
    b.Pics[Up][0] = std::make_shared<forms::Bitmap>(10, 8, 0x00FF0000);
    b.Pics[Up][1] = std::make_shared<forms::Bitmap>(10, 8, 0x0000FF00);
    return m;
}

std::string MenuFileBytes(const TAQMenu& menu) {
    TMenuFile file(qvfake::Host());
    file.SetMnuStream(std::make_unique<forms::MemoryStream>());
    file.ClearMnuError();
    EXPECT_TRUE(WriteMenuFile(file, menu, {}));
    const auto& bytes = static_cast<forms::MemoryStream*>(file.MnuStream())->Bytes();
    return std::string(bytes.begin(), bytes.end());
}

class StartMenuReadTest : public ::testing::Test {
protected:
    // Writes a pack of these files and reads ahead what argument chooses.
    void ReadAhead(const std::vector<std::pair<std::string, std::string>>& files, const std::string& argument = "") {
        const std::vector<uint8_t> exe = packtest::BuildPack(files);
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(exe.data(), 1, exe.size(), f);
        std::fclose(f);
        read_ = std::make_unique<StartMenuRead>();
        read_->Start(path_, argument);
    }
    bool Take(const std::string& name) { return (menu_ = read_->Take(path_, name, later_)) != nullptr; }
    void TearDown() override {
        read_.reset();
        std::remove(path_.c_str());
    }

    std::string path_ = ::testing::TempDir() + "start_menu_read.exe";
    std::unique_ptr<StartMenuRead> read_;
    std::unique_ptr<TAQMenu> menu_;
    std::vector<DeferredPicture> later_;
};

}  // namespace

TEST_F(StartMenuReadTest, TheChosenMenuIsHandedOverOnceWithItsFirstPicturesDecoded) {
    ReadAhead({{"first.mnu", MenuFileBytes(TestMenu("First", 0x00123456))},
               {"second.mnu", MenuFileBytes(TestMenu("Second", 0x00654321))}},
              "E:\\menus\\Second.MNU");
    ASSERT_TRUE(Take("Second.MNU"));
    EXPECT_EQ(menu_->MenuTitle, "Second");
    EXPECT_EQ(menu_->BtnCount, 1);
    ASSERT_TRUE(HasPic(menu_->Buttons[0].Pics[Up][0]));
    EXPECT_EQ(menu_->Buttons[0].Pics[Up][0]->Pixel(5, 5) & 0xFFFFFF, 0x00654321u);
    ASSERT_TRUE(HasPic(menu_->Buttons[1].Pics[Up][0]));
    EXPECT_FALSE(HasPic(menu_->Buttons[1].Pics[Up][1]));
    ASSERT_EQ(later_.size(), 1u);
    std::unique_ptr<forms::FileStream> file = forms::FileStream::Open(path_, forms::FileMode::OpenRead);
    ASSERT_TRUE(file);
    EXPECT_TRUE(DecodeDeferredPictures(*menu_, later_, *file));
    EXPECT_EQ(menu_->Buttons[1].Pics[Up][1]->Pixel(0, 0) & 0xFFFFFF, 0x0000FF00u);

    EXPECT_FALSE(Take("Second.MNU"));  // only once

    // A window asking for another menu (or file) reads it itself.
    ReadAhead({{"first.mnu", MenuFileBytes(TestMenu("First", 0x00123456))}});
    EXPECT_EQ(read_->Take(path_ + "x", "first.mnu", later_), nullptr);
    ReadAhead({{"first.mnu", MenuFileBytes(TestMenu("First", 0x00123456))}});
    EXPECT_FALSE(Take("other.mnu"));
}

TEST_F(StartMenuReadTest, AReadWithAnythingToReportIsNotHandedOver) {
    const std::string good = MenuFileBytes(TestMenu("Good", 0x00808080));
    std::string version7 = good;
    version7[5] = 7;
    std::string damaged = good;
    for (size_t i = damaged.size() / 2; i < damaged.size() - 1; ++i) damaged[i] ^= 0x5A;
    TAQMenu bare = TestMenu("Bare", 0);
    bare.Buttons[0].Pics[Up][0].reset();

    for (const std::string& bytes : {version7, damaged, good.substr(0, good.size() / 2), MenuFileBytes(bare)}) {
        ReadAhead({{"main.mnu", bytes}});
        EXPECT_FALSE(Take("main.mnu"));
    }
    ReadAhead({{"main.mnu", good}}, "missing.mnu");
    EXPECT_FALSE(Take("missing.mnu"));

    // A file that is no pack at all.
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("not a pack", f);
    std::fclose(f);
    read_ = std::make_unique<StartMenuRead>();
    read_->Start(path_, "");
    EXPECT_FALSE(Take(""));
}
