// The autorun executable: the player image copied out of the editor's file,
// the pack of menu files and the trailer.
#include <sys/stat.h>

#include "forms/portable/FileSystem.h"
#include "tests/native/shared_format/AllocationProbe.h"
#include "tests/native/shared_format/TestFiles.h"

using namespace qvtest;

namespace {

class PackTest : public MenuFileTest {
protected:
    void SetUp() override {
        MenuFileTest::SetUp();
        const std::string exe = forms::ExecutablePath();
        editor_ = exe.substr(0, exe.find_last_of('/') + 1) + kEditorExeName;
        for (size_t i = 0; i < 1000; ++i) player_.push_back(static_cast<uint8_t>(i * 13));
        for (auto& slot : PackFiles) slot.clear();
    }
    void TearDown() override {
        forms::RemoveFile(editor_);
        for (auto& slot : PackFiles) slot.clear();
        MenuFileTest::TearDown();
    }
    // The editor's file: its own image, "ApEX", the player and the marker's offset.
    void WriteEditor(const Bytes& ownImage = Bytes(300, 0xEE)) {
        WriteAll(editor_, Cat({ownImage, {'A', 'p', 'E', 'X'}, player_,
                               Le32(static_cast<int32_t>(ownImage.size()))}));
    }
    bool Build() {
        const bool ok = mnu.BuildAutorunExe(folder_, "Autorun.exe");
        mnu.CloseMnuFile();
        return ok;
    }
    Bytes Output() const { return ReadAll(folder_ + "Autorun.exe"); }
    std::string LastMessage() const {
        return qvfake::DialogCalls().empty() ? "" : qvfake::DialogCalls().back().text;
    }

    std::string editor_;
    Bytes player_;
};

TEST_F(PackTest, EmptyPack) {
    WriteEditor();
    ASSERT_TRUE(Build());
    EXPECT_EQ(mnu.MnuError(), 0);
    const int32_t p = static_cast<int32_t>(player_.size());
    EXPECT_EQ(Output(), Cat({player_,
                             {'F', 'P', 'A', 'K', 2, 0, 0, 5, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0},
                             Le32(p + 1)}));
    EXPECT_TRUE(qvfake::DialogCalls().empty());
}

TEST_F(PackTest, PackedFilesAndTheirEntries) {
    WriteEditor();
    Bytes first(1000);
    for (size_t i = 0; i < first.size(); ++i) first[i] = static_cast<uint8_t>(i);
    WriteAll(folder_ + "default.mnu", first);
    WriteAll(folder_ + "second.mnu", Bytes{'x', 'y'});
    PackFiles[1] = folder_ + "default.mnu";
    ASSERT_TRUE(Build());

    // One file of 1,000 bytes: data at P + 279, its entry holds P + 280.
    Bytes out = Output();
    const int32_t p = static_cast<int32_t>(player_.size());
    EXPECT_EQ(std::string(out.begin() + p + 19, out.begin() + p + 19 + 256),
              "default.mnu" + std::string(245, ' '));
    EXPECT_EQ(Le32At(out, p + 19 + 256), p + 280);
    EXPECT_EQ(Bytes(out.begin() + p + 279, out.begin() + p + 1279), first);
    EXPECT_EQ(out.size(), static_cast<size_t>(p) + 1279 + 4);
    EXPECT_EQ(Le32At(out, out.size() - 4), p + 1);

    // The list ends at the first empty slot.
    PackFiles[2] = folder_ + "second.mnu";
    PackFiles[4] = folder_ + "after-the-gap.mnu";
    ASSERT_TRUE(Build());
    out = Output();
    const int32_t data1 = p + 19 + 2 * 260;
    EXPECT_EQ(out[p + 18], 2);
    EXPECT_EQ(Le32At(out, p + 19 + 256), data1 + 1);
    EXPECT_EQ(Le32At(out, p + 19 + 260 + 256), data1 + 1000 + 1);
    EXPECT_EQ(Bytes(out.begin() + data1 + 1000, out.end() - 4), Bytes({'x', 'y'}));
    EXPECT_EQ(mnu.MnuError(), 0);
}

TEST_F(PackTest, FailuresAreReportedAndCreateNothing) {
    // No editor file.
    EXPECT_FALSE(Build());
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(LastMessage(),
              "The wizard cannot locate the Menu Editor (Autorun Quorvel Menu Editor.exe) which is "
              "required to create the autorun application.");
    EXPECT_EQ(qvfake::DialogCalls().back().type, TMsgDlgType::mtError);

    // A wrong marker, an offset beyond the file, a file too short for a trailer.
    const std::vector<Bytes> broken = {
        Cat({Bytes(10, 0), {'A', 'p', 'E', 'Y'}, player_, Le32(10)}),
        Cat({Bytes(10, 0), {'A', 'p', 'E', 'X'}, player_, Le32(0x7FFFFFF0)}),
        Cat({Bytes(10, 0), {'A', 'p', 'E', 'X'}, player_, Le32(-1)}),
        Bytes{'A', 'p', 'E'},
    };
    for (const Bytes& editor : broken) {
        mnu.ClearMnuError();
        WriteAll(editor_, editor);
        EXPECT_FALSE(Build());
        EXPECT_EQ(mnu.MnuError(), 1);
        EXPECT_EQ(LastMessage(), "Could not retrieve menu executable");
    }

    // A listed file that is missing.
    mnu.ClearMnuError();
    WriteEditor();
    PackFiles[1] = folder_ + "missing.mnu";
    EXPECT_FALSE(Build());
    EXPECT_EQ(LastMessage(), "Could not find all files.");

    // More files than a pack holds.
    mnu.ClearMnuError();
    WriteAll(folder_ + "m.mnu", Bytes(3, 1));
    for (int k = 1; k <= 100; ++k) PackFiles[k] = folder_ + "m.mnu";
    EXPECT_FALSE(Build());
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"m.mnu"});

    // 99 files are fine.
    mnu.ClearMnuError();
    PackFiles[100].clear();
    EXPECT_TRUE(Build());
    EXPECT_EQ(Output()[player_.size() + 18], 99);
}

TEST_F(PackTest, ExistingOutputIsReplacedOnlyByACompleteNewOne) {
    WriteEditor();
    WriteAll(folder_ + "Autorun.exe", Bytes{'o', 'l', 'd'});
    qvfake::QueueDialogAnswer(mrNo);
    EXPECT_FALSE(Build());
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(LastMessage(), "File exists, do you wish to overwrite it?");
    EXPECT_EQ(Output(), Bytes({'o', 'l', 'd'}));

    // The caller closes the stream: a sequence that failed meanwhile keeps the old file.
    mnu.ClearMnuError();
    ASSERT_TRUE(mnu.BuildAutorunExe(folder_, "Autorun.exe"));
    mnu.SetMnuError();
    mnu.CloseMnuFile();
    EXPECT_EQ(Output(), Bytes({'o', 'l', 'd'}));
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"Autorun.exe"});

    mnu.ClearMnuError();
    EXPECT_TRUE(Build());
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(Output().size(), player_.size() + 19 + 4);

    // A read-only output: Yes to the one question replaces it.
    const std::string output = folder_ + "Autorun.exe";
    WriteAll(output, Bytes{'o', 'l', 'd'});
    ASSERT_EQ(::chmod(output.c_str(), 0444), 0);
    qvfake::ResetDialogs();
    EXPECT_TRUE(Build());
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(qvfake::DialogCalls().size(), 1u);
    EXPECT_EQ(Output().size(), player_.size() + 19 + 4);
    EXPECT_FALSE(forms::IsReadOnly(output));

    // Memory running out at any point: reported, never thrown, and the old
    // output stays unless the new one is complete.
    WriteAll(folder_ + "a.mnu", Bytes(5000, 'a'));
    PackFiles[1] = folder_ + "a.mnu";
    ASSERT_TRUE(Build());
    const Bytes complete = Output();
    for (long failAt = 0;; ++failAt) {
        SCOPED_TRACE(failAt);
        WriteAll(output, Bytes{'o', 'l', 'd'});
        mnu.ClearMnuError();
        bool built = false, failed = false;
        {
            AllocationProbe probe(failAt);
            built = mnu.BuildAutorunExe(folder_, "Autorun.exe");
            failed = probe.Failed();
        }
        mnu.CloseMnuFile();
        ASSERT_EQ(FilesIn(folder_), std::vector<std::string>({"Autorun.exe", "a.mnu"}));
        ASSERT_EQ(mnu.MnuError(), built ? 0 : 1);
        ASSERT_EQ(Output(), built ? complete : Bytes({'o', 'l', 'd'}));
        if (!failed) break;
    }
}

// A menu file's new version is flushed to the disk before it takes the old
// one's place (the executable's build ends the same way); a scratch write
// (an undo snapshot) only replaces.
TEST_F(PackTest, ANewFileIsFlushedToTheDiskBeforeItReplacesTheOld) {
    std::vector<std::string> steps;
    forms::FileStepObserver = [&steps](const std::string& step, const std::string& path) {
        steps.push_back(step + " " + path.substr(path.find_last_of('/') + 1));
    };
    const auto temp = [](const std::string& name) { return name + ".~tmp0000"; };

    ASSERT_TRUE(mnu.OpenMnuFile("m.mnu", folder_, 1, 0));
    mnu.WriteMnuHeader(0, 0);
    mnu.CloseMnuFile();
    EXPECT_EQ(steps, (std::vector<std::string>{"flush " + temp("m.mnu"), "replace m.mnu"}));

    steps.clear();
    mnu.SetScratchWrites(true);
    ASSERT_TRUE(mnu.OpenMnuFile("UD001001.und", folder_, 1, 0));
    mnu.WriteMnuHeader(0, 0);
    mnu.CloseMnuFile();
    mnu.SetScratchWrites(false);
    forms::FileStepObserver = nullptr;
    EXPECT_EQ(steps, std::vector<std::string>{"replace UD001001.und"});
}

}  // namespace
