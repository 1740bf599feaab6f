#include <gtest/gtest.h>

#include <memory>

#include "forms/portable/Stream.h"
#include "shared/MenuBody.h"
#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"
#include "tests/tools/MenuJson.h"

namespace {

PicRef Picture(int w, int h) {
    auto pic = std::make_shared<forms::Bitmap>();
    pic->SetSize(w, h);
    return pic;
}

std::vector<uint8_t> Written(const TAQMenu& menu, const MenuWriteOptions& options) {
    TMenuFile file(qvfake::Host());
    file.SetMnuStream(std::make_unique<forms::MemoryStream>());
    auto* stream = static_cast<forms::MemoryStream*>(file.MnuStream());
    EXPECT_TRUE(WriteMenuFile(file, menu, options));
    std::vector<uint8_t> bytes = stream->Bytes();
    file.SetMnuStream(nullptr);
    return bytes;
}

}  // namespace

TEST(MenuJson, SavedMenuAsWritten) {
    auto menu = std::make_unique<TAQMenu>();
    menu->MenuTitle = "Main \"CD\"\xA9";
    menu->TransColor = 13;
    menu->Buttons[0].Pics[Up][0] = Picture(40, 30);
    menu->BtnCount = 2;
    TAQButton& button = menu->Buttons[1];
    button.ObjectKind = GraphicalButton;
    button.ButtonCommand = "docs\\guide.pdf";
    button.Left = 5;
    button.ObjWidth = 12;
    button.Pics[Up][0] = Picture(12, 8);
    button.Pics[Up][1] = Picture(12, 8);
    button.Pics[Down][0] = Picture(6, 4);
    menu->Buttons[2].ObjectKind = WindowsButton;
    menu->Buttons[2].Caption = "OK";

    const std::string json = MenuFileToJson(Written(*menu, {}), false);
    for (const char* part : {
             "\"header\":{\"ok\":true,\"major\":8,\"minor\":1,\"release\":0,\"objects\":2,\"images\":4}",
             "\"read\":{\"ok\":true,\"bodyOk\":true,\"picturesOk\":true,\"blocksRead\":4",
             "\"messages\":[]",
             "\"title\":\"Main \\\"CD\\\"\\u00a9\"",
             "\"transColor\":13",
             "\"background\":{\"width\":40,\"height\":30}",
             "{\"number\":1,\"kind\":0,\"left\":5,",
             "\"command\":\"docs\\\\guide.pdf\"",
             "\"pictures\":{\"Up\":[{\"frame\":0,\"width\":12,\"height\":8},{\"frame\":1,\"width\":12,\"height\":8}],"
             "\"Active\":[],\"Down\":[{\"frame\":0,\"width\":6,\"height\":4}],\"Accessory\":[]}",
             "{\"number\":2,\"kind\":1,",
             "\"caption\":\"OK\"",
         })
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;

    // A snapshot reads back only as one; a cut file reports the failure.
    const std::vector<uint8_t> quiet = Written(*menu, MenuWriteOptions{true, false});
    EXPECT_NE(MenuFileToJson(quiet, true).find("\"read\":{\"ok\":true"), std::string::npos);
    std::vector<uint8_t> cut = Written(*menu, {});
    cut.resize(cut.size() / 2);
    const std::string broken = MenuFileToJson(cut, false);
    EXPECT_NE(broken.find("\"read\":{\"ok\":false"), std::string::npos) << broken;
    EXPECT_EQ(MenuFileToJson({'X'}, false).find("\"menu\""), std::string::npos);
}
