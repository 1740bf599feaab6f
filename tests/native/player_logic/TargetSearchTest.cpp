#include <gtest/gtest.h>

#include "FakeHost.h"
#include "player/logic/ProgramLookup.h"
#include "player/logic/TargetSearch.h"
#include "player/logic/ViewerCheck.h"

using namespace player;

TEST(TargetSearch, CandidateFoldersThenTheSourceTreeThenTheDrive) {
    EXPECT_EQ(TargetCandidates("D:\\docs\\sub\\a.pdf", "E:\\menu\\"),
              (std::vector<std::string>{"E:\\menu\\", "E:\\docs\\sub\\", "E:\\sub\\", "E:\\", "D:\\docs\\sub\\",
                                        "D:\\docs\\", "D:\\"}));
    FakeHost host;
    host.AddFile("E:\\docs\\a.pdf");
    host.AddFile("E:\\cd\\x\\y\\z.txt");
    host.AddFile("E:\\cd\\.hidden\\t.txt");
    host.AddFile("E:\\other\\t.txt");
    EXPECT_EQ(FindTarget("D:\\docs\\A.pdf", "E:\\cd\\", host), "E:\\docs\\a.pdf");  // a moved medium
    EXPECT_EQ(host.searches, 0);
    EXPECT_EQ(FindTarget("Q:\\nowhere\\Z.TXT", "E:\\cd\\", host), "E:\\cd\\x\\y\\z.txt");
    EXPECT_EQ(host.searches, 1);
    EXPECT_EQ(FindTarget("Q:\\t.txt", "E:\\cd\\", host), "E:\\other\\t.txt");  // dot folders are skipped
    EXPECT_EQ(host.searches, 3);
    EXPECT_EQ(FindTarget("Q:\\gone.txt", "E:\\cd\\", host), "Q:\\gone.txt");
}

TEST(TargetSearch, WindowFromThe21stFolderAndCancel) {
    FakeHost host;
    for (int i = 0; i < 30; ++i) host.AddFile("E:\\f" + std::to_string(100 + i) + "\\x.dat");
    EXPECT_EQ(SearchTree("missing.txt", false, "E:\\", host), "-1");
    EXPECT_EQ(host.windowFolders, 0);
    EXPECT_EQ(SearchTree("missing.txt", true, "E:\\", host), "-1");
    EXPECT_EQ(host.windowFolders, 31 - 20);
    host.cancelAfter = 5;
    EXPECT_EQ(SearchTree("missing.txt", true, "E:\\", host), "missing.txt");
}

TEST(ViewerCheck, NamesVersionsAndPrograms) {
    EXPECT_EQ(NormaliseViewerName("Super Image Viewer Version 2"), "Super Image");
    const ViewerRequirement atLeast5{1, "adobe acrobat", "5", 1};
    EXPECT_TRUE(ViewerMatches("Adobe Acrobat", "7,05", atLeast5));  // either decimal sign
    EXPECT_FALSE(ViewerMatches("Adobe Acrobat", "4.9", atLeast5));
    EXPECT_FALSE(ViewerMatches("Adobe Acrobat", "abc", atLeast5));
    EXPECT_FALSE(ViewerMatches("Adobe Acrobat", "5.1", {1, "Adobe Acrobat", "5.0", 0}));

    FakeHost host;
    host.associations[".pdf"] = "C:\\AR\\acrord32.exe";
    host.products["C:\\AR\\acrord32.exe"] = "Acrobat Reader";
    host.versions["C:\\AR\\acrord32.exe"] = "6.0";
    EXPECT_TRUE(CheckViewer("E:\\docs\\a.pdf", atLeast5, "E:\\", host));
    EXPECT_FALSE(CheckViewer("E:\\docs\\a.doc", atLeast5, "E:\\", host));
    EXPECT_TRUE(CheckViewer("", {1, "N/A", "0", 0}, "E:\\", host));
    EXPECT_FALSE(CheckViewer("", atLeast5, "E:\\", host));

    host.AddFile("C:\\Windows\\web\\page.htm");
    host.executables[".htm"] = "C:\\Web\\browser.exe";
    host.products["C:\\Web\\browser.exe"] = "Browser";
    host.versions["C:\\Web\\browser.exe"] = "8.0";
    EXPECT_TRUE(CheckViewer("http://www.example.com/a.html", {1, "browser", "8", 1}, "E:\\", host));
}

TEST(ProgramLookup, BrowserProbeFileFallsBackToTheTemporaryFolder) {
    FakeHost host;
    host.executables[".htm"] = "C:\\Web\\browser.exe";
    EXPECT_EQ(FindBrowser("www.x.com", "E:\\", host), "C:\\Web\\browser.exe");
    EXPECT_EQ(host.written, (std::vector<std::string>{"C:\\autquobk.htm"}));
    EXPECT_EQ(host.removed, host.written);

    FakeHost locked;
    locked.executables[".htm"] = "C:\\Web\\browser.exe";
    locked.unwritable.insert("c:\\autquobk.htm");
    EXPECT_EQ(FindBrowser("www.x.com", "E:\\", locked), "C:\\Web\\browser.exe");
    EXPECT_EQ(locked.written, (std::vector<std::string>{"C:\\Temp\\autquobk.htm"}));
    EXPECT_EQ(locked.removed, locked.written);
}
