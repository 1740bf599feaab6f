// The header and the typed fields: exact layouts, reading back, and what the
// readers do with wrong types, bad lengths and missing data.
#include "tests/native/shared_format/TestFiles.h"

using namespace qvtest;

namespace {

class FieldsTest : public MenuFileTest {};

TEST_F(FieldsTest, FieldsHaveTheirExactLayouts) {
    forms::MemoryStream* s = UseMemory();
    mnu.WriteMnuField(mftByte, 0x1FE, "");
    mnu.WriteMnuField(mftInt, -2, "");
    mnu.WriteMnuField(mftLong, 0x01020304, "");
    mnu.WriteMnuField(mftString, 0, "");
    mnu.WriteMnuField(mftString, 0, "ab");
    mnu.WriteMnuField(mftBitmap, 0, "");
    mnu.WriteMnuField(mftPNG, 0, "P");
    mnu.WriteMnuField(9, 5, "ignored");
    const Bytes expected = {
        1, 1, 0, 0, 0, 0xFE,                // byte: length 1, low byte of the value
        2, 2, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF,  // int: length says 2, four bytes follow
        3, 4, 0, 0, 0, 4, 3, 2, 1,          // long
        4, 0, 0, 0, 0,                      // empty text
        4, 2, 0, 0, 0, 'a', 'b',            // text
        5, 0, 0, 0, 0,                      // empty bitmap field
        6, 1, 0, 0, 0, 'P',                 // PNG field laid out like text
        9,                                  // unknown type: the type byte alone
    };
    EXPECT_EQ(s->Bytes(), expected);
    EXPECT_EQ(mnu.MnuError(), 0);
}

TEST_F(FieldsTest, FieldsReadBackInOrder) {
    forms::MemoryStream* s = UseMemory();
    mnu.WriteMnuField(mftInt, -123456, "");
    mnu.WriteMnuField(mftLong, 77, "");
    mnu.WriteMnuField(mftString, 0, "Menu title");
    mnu.WriteMnuField(mftPNG, 0, std::string("\x89PNG\0x", 6));
    mnu.WriteMnuField(mftByte, 200, "");
    mnu.WriteMnuField(mftBitmap, 0, "");
    mnu.WriteMnuField(mftString, 0, "");
    s->Seek(0, forms::SeekOrigin::Begin);
    EXPECT_EQ(mnu.ReadMnuInt(), -123456);
    EXPECT_EQ(mnu.ReadMnuLong(), 77);
    EXPECT_EQ(mnu.ReadMnuString(), "Menu title");
    EXPECT_EQ(mnu.ReadMnuString(), std::string("\x89PNG\0x", 6));  // a PNG field passes as text
    EXPECT_EQ(mnu.ReadMnuByte(), 200);
    EXPECT_EQ(mnu.ReadMnuBlock(), "");
    EXPECT_EQ(mnu.ReadMnuString(), "");
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(s->Position(), s->Size());
}

TEST_F(FieldsTest, WrongTypeSetsTheFlagAndConsumesOnlyTheTypeByte) {
    forms::MemoryStream* s = UseMemory(Cat({{4, 1, 0, 0, 0, 'x'}, {2, 2, 0, 0, 0}, Le32(9)}));
    EXPECT_EQ(mnu.ReadMnuInt(), 0);
    EXPECT_EQ(mnu.MnuError(), 1);
    EXPECT_EQ(s->Position(), 1);
    mnu.ClearMnuError();
    s->Seek(6, forms::SeekOrigin::Begin);
    EXPECT_EQ(mnu.ReadMnuString(), "");  // an int field is not text
    EXPECT_EQ(mnu.MnuError(), 1);
    // The flag stays set until a caller clears it.
    s->Seek(6, forms::SeekOrigin::Begin);
    EXPECT_EQ(mnu.ReadMnuInt(), 9);
    EXPECT_EQ(mnu.MnuError(), 1);
}

TEST_F(FieldsTest, BadTextLengthsGiveEmptyTextWithoutReadingOn) {
    // A negative length gives empty text and reads nothing more.
    UseMemory(Cat({{4}, Le32(-5), {2, 2, 0, 0, 0}, Le32(3)}));
    EXPECT_EQ(mnu.ReadMnuString(), "");
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_EQ(mnu.ReadMnuInt(), 3);

    // A length beyond the end is refused without allocating it.
    UseMemory(Cat({{4}, Le32(0x7FFFFFFF), {'a', 'b'}}));
    EXPECT_EQ(mnu.ReadMnuString(), "");
    EXPECT_EQ(mnu.MnuError(), 1);
    mnu.ClearMnuError();
    UseMemory(Cat({{5}, Le32(3), {'a', 'b'}}));
    EXPECT_EQ(mnu.ReadMnuBlock(), "");
    EXPECT_EQ(mnu.MnuError(), 1);
}

TEST_F(FieldsTest, ReadingPastTheEndGivesEmptyValuesAndTheFlag) {
    UseMemory({2, 2, 0});
    EXPECT_EQ(mnu.ReadMnuInt(), 0);
    EXPECT_EQ(mnu.MnuError(), 1);
    mnu.ClearMnuError();
    EXPECT_EQ(mnu.ReadMnuString(), "");
    EXPECT_EQ(mnu.MnuError(), 1);

    // Without any stream, writers fail the same way.
    mnu.CloseMnuFile();
    mnu.ClearMnuError();
    mnu.WriteMnuField(mftInt, 1, "");
    EXPECT_EQ(mnu.MnuError(), 1);
}

TEST_F(FieldsTest, HeaderCarriesTheProgramVersion) {
    forms::MemoryStream* s = UseMemory();
    mnu.WriteMnuHeader(12, -1);
    EXPECT_EQ(s->Bytes(), Bytes({'M', 'E', 'N', 'U', 1, 8, 1, 0, 12, 0xFF, 0xFF}));
    qvfake::SetFakeFileVersion(9, 3, 2);
    s = UseMemory();
    mnu.WriteMnuHeader(200, 300);
    EXPECT_EQ(s->Bytes(), Bytes({'M', 'E', 'N', 'U', 1, 9, 3, 2, 200, 0x2C, 0x01}));

    s->Seek(0, forms::SeekOrigin::Begin);
    ASSERT_TRUE(mnu.ReadMnuHeader());
    const MenuFileHeader& h = mnu.MnuHeader();
    EXPECT_EQ(std::vector<int>({h.HdrMajor, h.HdrMinor, h.HdrRelease, h.HdrObjects, h.HdrImages}),
              std::vector<int>({9, 3, 2, 200, 300}));
}

TEST_F(FieldsTest, HeaderIsJudgedByKindAndVersionNotByMagic) {
    UseMemory({'X', 'Y', 'Z', 'W', 1, 6, 0, 0, 3, 0xFF, 0xFF});
    ASSERT_TRUE(mnu.ReadMnuHeader());
    EXPECT_EQ(mnu.MnuHeader().HdrMajor, 6);
    EXPECT_EQ(mnu.MnuHeader().HdrImages, -1);
    EXPECT_EQ(mnu.MnuError(), 0);
    EXPECT_TRUE(qvfake::DialogCalls().empty());

    for (const Bytes& refused : {Bytes{'M', 'E', 'N', 'U', 2, 8, 1, 0, 0, 0, 0},
                                 Bytes{'M', 'E', 'N', 'U', 1, 5, 1, 0, 0, 0, 0}, Bytes{}}) {
        UseMemory({'M', 'E', 'N', 'U', 1, 6, 0, 0, 3, 0xFF, 0xFF});
        ASSERT_TRUE(mnu.ReadMnuHeader());
        qvfake::ResetDialogs();
        mnu.ClearMnuError();
        UseMemory(refused);
        EXPECT_FALSE(mnu.ReadMnuHeader());
        EXPECT_EQ(mnu.MnuError(), 1);
        // Nothing of the header read before survives (its version would
        // still steer the picture readers).
        EXPECT_NE(mnu.MnuHeader().HdrMajor, 6);
        EXPECT_EQ(mnu.MnuHeader().HdrObjects, 0);
        EXPECT_EQ(mnu.MnuHeader().HdrImages, 0);
        ASSERT_EQ(qvfake::DialogCalls().size(), 1u);
        const qvfake::DialogCall& call = qvfake::DialogCalls()[0];
        EXPECT_EQ(call.text.rfind("This is not an Autorun Quorvel Version 6 or above file.", 0), 0u);
        EXPECT_EQ(call.type, TMsgDlgType::mtInformation);
        EXPECT_EQ(call.buttons, TMsgDlgButtons::mbOK);
        EXPECT_EQ(call.caption, "Autorun Quorvel Menu Editor");
    }

    // Acceptable kind and version but cut short after them.
    mnu.ClearMnuError();
    UseMemory({'M', 'E', 'N', 'U', 1, 8, 1});
    EXPECT_FALSE(mnu.ReadMnuHeader());
    EXPECT_EQ(mnu.MnuError(), 1);
}

}  // namespace
