#include <gtest/gtest.h>

#include "player/logic/ErrFile.h"
#include "player/logic/RemoteLaunch.h"

using namespace player;

TEST(ErrFile, SwitchesAndConversionErrors) {
    const ErrSwitches s = ReadErrFile("0\r\n1\r\ntrue\r\n");
    EXPECT_FALSE(s.ReportNotFound);
    EXPECT_TRUE(s.ReportNoViewer);
    EXPECT_FALSE(s.conversionError);
    EXPECT_FALSE(ReadErrFile("-1\nFALSE\n0").ReportNoViewer);
    bool value = false;
    EXPECT_TRUE(TryStrToBool(" 2.5 ", value) && value);
    for (const char* bad : {"", "yes", "1x", ".", "-", "1.2.3"}) EXPECT_FALSE(TryStrToBool(bad, value)) << bad;

    // A bad line keeps its default and is reported; the others still count.
    const ErrSwitches bad = ReadErrFile("maybe\n0\n");
    EXPECT_TRUE(bad.conversionError);
    EXPECT_TRUE(bad.ReportNotFound);
    EXPECT_FALSE(bad.ReportNoViewer);
    EXPECT_EQ(ErrFileConversionMessage(bad), "'maybe' is not a valid boolean value");
    // Missing lines keep their defaults silently.
    EXPECT_FALSE(ReadErrFile("0").conversionError);
}

TEST(RemoteLaunch, PromptAndTypedDrive) {
    EXPECT_TRUE(RemoteLaunchAsks(" ? \r\nanything"));
    EXPECT_FALSE(RemoteLaunchAsks("x\n?"));
    const std::string app = "C:\\Player\\";
    EXPECT_EQ(SourcePathAfterPrompt(app, true, "D:"), "D:\\");
    EXPECT_EQ(SourcePathAfterPrompt(app, false, "D:"), app);
    EXPECT_EQ(SourcePathAfterPrompt(app, true, ""), app);
}
