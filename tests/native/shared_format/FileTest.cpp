// Opening and closing menu files: the overwrite and read-only questions, and
// saves that fail without harming the file they would have replaced.
#include <sys/stat.h>

#include <functional>

#include "forms/portable/FileSystem.h"
#include "shared/MenuBody.h"

// This file holds the test program's replacement operator new.
#define QV_REPLACE_OPERATOR_NEW
#include "tests/native/shared_format/AllocationProbe.h"
#include "tests/native/shared_format/TestFiles.h"

using namespace qvtest;

namespace {

class FileTest : public MenuFileTest {
protected:
    std::string Path() const { return folder_ + "menu.mnu"; }
    void WriteOld() { WriteAll(Path(), Bytes{'o', 'l', 'd'}); }
    void MakeReadOnly() { ASSERT_EQ(::chmod(Path().c_str(), 0444), 0); }
    // One complete save sequence writing one int field.
    bool Save(int confirm) {
        if (!mnu.OpenMnuFile("menu.mnu", folder_, 1, confirm)) {
            mnu.CloseMnuFile();
            return false;
        }
        mnu.WriteMnuField(mftInt, 5, "");
        mnu.CloseMnuFile();
        return true;
    }
    static Bytes Saved() { return Cat({{2, 2, 0, 0, 0}, Le32(5)}); }
    static Bytes Old() { return {'o', 'l', 'd'}; }
};

// A stream that takes only the first few bytes written to it.
class ShortStream : public forms::Stream {
public:
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void*, size_t count) override {
        const size_t n = std::min(count, room_);
        room_ -= n;
        return n;
    }
    int64_t Seek(int64_t, forms::SeekOrigin) override { return 0; }
    int64_t Size() override { return 0; }

private:
    size_t room_ = 3;
};

TEST_F(FileTest, NewFileIsWrittenWithoutQuestions) {
    ASSERT_TRUE(Save(1));
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_TRUE(qvfake::DialogCalls().empty());
    EXPECT_EQ(ReadAll(Path()), Saved());
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"menu.mnu"});

    ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 0, 0));
    EXPECT_EQ(mnu.ReadMnuInt(), 5);
    mnu.CloseMnuFile();
    EXPECT_EQ(mnu.MnuError(), 0);
}

TEST_F(FileTest, OverwriteQuestion) {
    WriteOld();
    qvfake::QueueDialogAnswer(mrNo);
    EXPECT_FALSE(Save(1));
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(ReadAll(Path()), Bytes({'o', 'l', 'd'}));
    ASSERT_EQ(qvfake::DialogCalls().size(), 1u);
    const qvfake::DialogCall& call = qvfake::DialogCalls()[0];
    EXPECT_EQ(call.text, "File exists, do you wish to overwrite it?");
    EXPECT_EQ(call.type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(call.buttons, TMsgDlgButtons::mbYesNoCancel);
    EXPECT_EQ(call.caption, "Autorun Quorvel Menu Editor");

    qvfake::QueueDialogAnswer(mrCancel);
    EXPECT_FALSE(Save(1));
    EXPECT_EQ(ReadAll(Path()), Bytes({'o', 'l', 'd'}));

    mnu.ClearMnuError();
    qvfake::QueueDialogAnswer(mrYes);
    EXPECT_TRUE(Save(1));
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(ReadAll(Path()), Saved());

    // Without confirmation nothing is asked.
    qvfake::ResetDialogs();
    WriteOld();
    EXPECT_TRUE(Save(0));
    EXPECT_TRUE(qvfake::DialogCalls().empty());
    EXPECT_EQ(ReadAll(Path()), Saved());
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"menu.mnu"});
}

TEST_F(FileTest, ReadOnlyQuestion) {
    WriteOld();
    MakeReadOnly();
    qvfake::QueueDialogAnswer(mrYes);  // overwrite
    qvfake::QueueDialogAnswer(mrNo);   // read-only
    EXPECT_FALSE(Save(1));
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(ReadAll(Path()), Bytes({'o', 'l', 'd'}));
    ASSERT_EQ(qvfake::DialogCalls().size(), 2u);
    EXPECT_EQ(qvfake::DialogCalls()[1].text,
              "The menu file is marked as Read Only, would you like to save to it anyway?");
    EXPECT_EQ(qvfake::DialogCalls()[1].buttons, TMsgDlgButtons::mbYesNoCancel);
    EXPECT_TRUE(forms::IsReadOnly(Path()));

    // Asked even without the overwrite question; Yes replaces the file.
    mnu.ClearMnuError();
    qvfake::ResetDialogs();
    EXPECT_TRUE(Save(0));
    EXPECT_EQ(qvfake::DialogCalls().size(), 1u);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(ReadAll(Path()), Saved());
    EXPECT_FALSE(forms::IsReadOnly(Path()));
}

TEST_F(FileTest, FailedSaveKeepsTheOldFile) {
    WriteOld();
    ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 1, 0));
    mnu.WriteMnuField(mftInt, 5, "");
    EXPECT_EQ(ReadAll(Path()), Bytes({'o', 'l', 'd'}));  // nothing replaced while writing
    mnu.ReadMnuInt();  // a failure during the sequence
    mnu.ClearMnuError();  // even when a caller clears the flag again
    mnu.CloseMnuFile();
    EXPECT_EQ(ReadAll(Path()), Bytes({'o', 'l', 'd'}));
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"menu.mnu"});

    // A failure of an earlier sequence does not block the next save.
    mnu.SetMnuError();
    ASSERT_TRUE(Save(0));
    EXPECT_EQ(ReadAll(Path()), Saved());

    // A target that became read-only meanwhile (no one agreed to replace it)
    // is kept, and the save fails.
    mnu.ClearMnuError();
    ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 1, 0));
    mnu.WriteMnuField(mftInt, 6, "");
    MakeReadOnly();
    mnu.CloseMnuFile();
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(ReadAll(Path()), Saved());
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"menu.mnu"});
}

// Only the close that ends a write may let it replace its target: a new
// sequence started meanwhile abandons the write, which is discarded and
// reported through the flag.
TEST_F(FileTest, AbandonedWriteIsDiscarded) {
    const std::vector<std::function<void()>> newSequences = {
        [this] { mnu.OpenMnuFile("menu.mnu", folder_, 0, 0); },
        [this] { mnu.OpenMnuFile("other.mnu", folder_, 1, 0); },
        [this] { mnu.SetMnuStream(std::make_unique<forms::MemoryStream>()); },
    };
    for (size_t k = 0; k < newSequences.size(); ++k) {
        SCOPED_TRACE(k);
        WriteOld();
        mnu.ClearMnuError();
        ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 1, 0));
        mnu.WriteMnuField(mftInt, 5, "");
        newSequences[k]();
        EXPECT_EQ(mnu.MnuError(), 1);
        EXPECT_NE(mnu.MnuStream(), nullptr);  // the new sequence goes on
        mnu.CloseMnuFile();
        EXPECT_EQ(ReadAll(Path()), Old());
        forms::RemoveFile(folder_ + "other.mnu");
        EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"menu.mnu"});
    }
}

// Memory running out anywhere in a save: the writer reports it instead of
// throwing, and the close keeps the old file unless the new one is complete.
TEST_F(FileTest, SaveThatRunsOutOfMemoryKeepsTheOldFile) {
    auto menu = std::make_unique<TAQMenu>();
    menu->Buttons[0].Pics[Up][0] = std::make_shared<forms::Bitmap>(3, 2, 0x00FFFFFF);
    menu->TransColor = 15;
    menu->BtnCount = 1;
    menu->Buttons[1].ObjectKind = TextButton;
    menu->Buttons[1].Caption = std::string(100, 'c');
    ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 1, 0));
    ASSERT_TRUE(WriteMenuFile(mnu, *menu, {}));
    mnu.CloseMnuFile();
    const Bytes complete = ReadAll(Path());

    for (long failAt = 0;; ++failAt) {
        SCOPED_TRACE(failAt);
        WriteOld();
        mnu.ClearMnuError();
        ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 1, 0));
        bool written = false, failed = false;
        {
            AllocationProbe probe(failAt);
            written = WriteMenuFile(mnu, *menu, {});
            failed = probe.Failed();
        }
        mnu.CloseMnuFile();
        ASSERT_EQ(FilesIn(folder_), std::vector<std::string>{"menu.mnu"});
        ASSERT_EQ(mnu.MnuError(), written ? 0 : 1);
        ASSERT_EQ(ReadAll(Path()), written ? complete : Old());
        if (!failed) break;  // every allocation of the save has had its turn
    }
}

TEST_F(FileTest, ShortWritesSetTheFlag) {
    mnu.SetMnuStream(std::make_unique<ShortStream>());
    mnu.WriteMnuField(mftInt, 1, "");
    EXPECT_EQ(mnu.MnuError(), 1);
}

TEST_F(FileTest, OpeningWhatCannotBeOpenedFailsWithTheFlag) {
    EXPECT_FALSE(mnu.OpenMnuFile("missing.mnu", folder_, 0, 0));
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(mnu.MnuStream(), nullptr);
    mnu.ClearMnuError();
    EXPECT_FALSE(mnu.OpenMnuFile("menu.mnu", folder_ + "no-such-folder/", 1, 0));
    EXPECT_EQ(mnu.MnuError(), 1);
}

}  // namespace

// Another menu file used in the middle of a save (an undo snapshot written
// during a drag, say) has its own stream, flag and header: neither sequence
// disturbs the other.
TEST_F(FileTest, FilesOpenAtOnceKeepTheirOwnStreamFlagAndHeader) {
    WriteOld();
    ASSERT_TRUE(mnu.OpenMnuFile("menu.mnu", folder_, 1, 0));
    mnu.WriteMnuField(mftInt, 5, "");

    TMenuFile snapshot(qvfake::Host());
    ASSERT_TRUE(snapshot.OpenMnuFile("snapshot.und", folder_, 1, 0));
    snapshot.WriteMnuHeader(3, -1);
    snapshot.CloseMnuFile();
    EXPECT_EQ(snapshot.MnuError(), 0);

    TMenuFile reader(qvfake::Host());
    ASSERT_TRUE(reader.OpenMnuFile("snapshot.und", folder_, 0, 0));
    ASSERT_TRUE(reader.ReadMnuHeader());
    EXPECT_EQ(reader.ReadMnuInt(), 0);  // past the end: this file's flag only
    EXPECT_EQ(reader.MnuError(), 1);
    EXPECT_EQ(reader.MnuHeader().HdrObjects, 3);

    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(mnu.MnuHeader().HdrObjects, 0);
    mnu.CloseMnuFile();
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(ReadAll(Path()), Saved());
    EXPECT_EQ(qvfake::DialogCalls().size(), 0u);
}

// A file abandoned by its owner (destroyed mid-write) leaves the old menu
// and no temporary file behind.
TEST_F(FileTest, FileDestroyedWhileWritingKeepsTheOldMenu) {
    WriteOld();
    {
        TMenuFile file(qvfake::Host());
        ASSERT_TRUE(file.OpenMnuFile("menu.mnu", folder_, 1, 0));
        file.WriteMnuField(mftInt, 5, "");
    }
    EXPECT_EQ(ReadAll(Path()), Old());
    EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"menu.mnu"});
}
