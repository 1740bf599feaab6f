#include "forms/portable/Stream.h"

#include <gtest/gtest.h>

#include "TestPictures.h"

using forms::FileMode;
using forms::FileStream;
using forms::MemoryStream;
using forms::SeekOrigin;
using formstest::Bytes;

TEST(MemoryStream, LendsBytesInPlaceOnlyWhenItHoldsThemAll) {
    MemoryStream s(Bytes{1, 2, 3, 4, 5});
    s.Seek(1, SeekOrigin::Begin);
    const uint8_t* lent = s.Borrow(3);
    ASSERT_NE(lent, nullptr);
    EXPECT_EQ(lent[2], 4);
    EXPECT_EQ(s.Position(), 4);
    EXPECT_EQ(s.Borrow(2), nullptr);
    EXPECT_EQ(s.Position(), 4);
    s.Seek(9, SeekOrigin::Begin);
    EXPECT_EQ(s.Borrow(0), nullptr);
}

TEST(MemoryStream, ReadsSeeksAndGrows) {
    MemoryStream s(Bytes{1, 2, 3, 4, 5});
    uint8_t buf[8] = {};
    EXPECT_EQ(s.Read(buf, 3), 3u);
    EXPECT_EQ(s.Remaining(), 2);
    EXPECT_EQ(s.Read(buf, 8), 2u);  // short read at the end
    EXPECT_EQ(buf[1], 5);
    EXPECT_EQ(s.Read(buf, 8), 0u);
    EXPECT_FALSE(s.ReadExact(buf, 1));

    EXPECT_EQ(s.Seek(-2, SeekOrigin::End), 3);
    EXPECT_EQ(s.Seek(1, SeekOrigin::Current), 4);
    EXPECT_EQ(s.Seek(-1, SeekOrigin::Begin), -1);
    EXPECT_EQ(s.Position(), 4);

    // Beyond the end: reads give nothing, writing fills the gap with zeros.
    EXPECT_EQ(s.Seek(8, SeekOrigin::Begin), 8);
    EXPECT_EQ(s.Remaining(), 0);
    EXPECT_EQ(s.Read(buf, 1), 0u);
    const uint8_t nine = 9;
    EXPECT_EQ(s.Write(&nine, 1), 1u);
    EXPECT_EQ(s.Bytes(), (Bytes{1, 2, 3, 4, 5, 0, 0, 0, 9}));

    // Overwriting in the middle keeps the size.
    s.Seek(1, SeekOrigin::Begin);
    EXPECT_EQ(s.Write("\x07\x07", 2), 2u);
    EXPECT_EQ(s.Size(), 9);
    EXPECT_EQ(s.Bytes()[2], 7);
}

TEST(FileStream, SwitchesBetweenReadingAndWriting) {
    const std::string path = formstest::TempFolder() + "/f.bin";
    EXPECT_EQ(FileStream::Open(path, FileMode::OpenRead), nullptr);
    EXPECT_EQ(FileStream::Open(path, FileMode::OpenReadWrite), nullptr);

    auto f = FileStream::Open(path, FileMode::Create);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Write("abcdef", 6), 6u);
    EXPECT_EQ(f->Size(), 6);
    EXPECT_EQ(f->Position(), 6);
    EXPECT_EQ(f->Seek(2, SeekOrigin::Begin), 2);
    char c[4] = {};
    EXPECT_EQ(f->Read(c, 2), 2u);
    EXPECT_EQ(std::string(c, 2), "cd");
    EXPECT_EQ(f->Write("XY", 2), 2u);  // write straight after a read
    EXPECT_EQ(f->Read(c, 4), 0u);      // read straight after a write, at the end
    EXPECT_EQ(f->Seek(8, SeekOrigin::Begin), 8);
    EXPECT_EQ(f->Write("Z", 1), 1u);
    EXPECT_EQ(f->Remaining(), 0);
    EXPECT_TRUE(f->Close());

    Bytes all;
    ASSERT_TRUE(forms::ReadWholeFile(path, all));
    EXPECT_EQ(std::string(all.begin(), all.end()), std::string("abcdXY\0\0Z", 9));

    f = FileStream::Open(path, FileMode::OpenReadWrite);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Remaining(), 9);
    EXPECT_EQ(f->Write("Q", 1), 1u);
    EXPECT_EQ(f->Read(c, 1), 1u);
    EXPECT_EQ(c[0], 'b');
    f.reset();
    ASSERT_TRUE(forms::ReadWholeFile(path, all));
    EXPECT_EQ(all[0], 'Q');
    EXPECT_EQ(all.size(), 9u);
}

TEST(FileStream, OpenFilesStayReadableByOthers) {
    const std::string path = formstest::TempFolder() + "/shared.bin";
    ASSERT_TRUE(forms::WriteWholeFile(path, "12345", 5));
    auto writer = FileStream::Open(path, FileMode::OpenReadWrite);
    ASSERT_NE(writer, nullptr);
    auto reader = FileStream::Open(path, FileMode::OpenRead);
    ASSERT_NE(reader, nullptr);
    Bytes all;
    EXPECT_TRUE(forms::ReadWholeFile(path, all));
    EXPECT_EQ(all.size(), 5u);
}

TEST(Stream, CopyFromStopsAtTheSourceEnd) {
    Bytes big(200000);
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i % 251);
    MemoryStream source(big);
    source.Seek(10, SeekOrigin::Begin);
    const std::string path = formstest::TempFolder() + "/copy.bin";
    auto f = FileStream::Open(path, FileMode::Create);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CopyFrom(source, 150000), 150000);
    EXPECT_EQ(f->CopyFrom(source, 1000000), 200000 - 150010);
    EXPECT_EQ(f->CopyFrom(source, 5), 0);
    f.reset();
    Bytes back;
    ASSERT_TRUE(forms::ReadWholeFile(path, back));
    EXPECT_TRUE(back == Bytes(big.begin() + 10, big.end()));
    EXPECT_FALSE(forms::ReadWholeFile(path + ".none", back));
    EXPECT_FALSE(forms::ReadWholeFile(formstest::TempFolder(), back));  // a folder
}
