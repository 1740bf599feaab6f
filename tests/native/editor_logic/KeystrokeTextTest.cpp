#include <gtest/gtest.h>

#include <string>

#include "editor/logic/KeystrokeText.h"

using namespace editor;

namespace {

// Records "<vk>d" / "<vk>u" (+ "x" when extended), "N" for a NUMLOCK flip and
// "!<text>" for an error; types characters as a US keyboard does.
class RecordingPort : public KeyboardPort {
public:
    std::string Log;
    void SendKeyEvent(uint8_t vk, uint32_t flags) override {
        Log += std::to_string(vk) + ((flags & kKeyEventKeyUp) ? "u" : "d") +
               ((flags & kKeyEventExtended) ? "x " : " ");
    }
    uint16_t KeyForChar(char c) override {
        if (c >= 'a' && c <= 'z') return static_cast<uint16_t>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') return static_cast<uint16_t>(kShiftBit | c);
        return kNoKey;
    }
    void ToggleNumLock() override { Log += "N "; }
    void SendKeysError(const std::string& text) override { Log += "!" + text + " "; }
};

std::string Sent(const std::string& text, bool expectedResult = true) {
    RecordingPort port;
    EXPECT_EQ(KeystrokeSender(port).Send(text), expectedResult) << text;
    return port.Log;
}

}  // namespace

TEST(KeystrokeText, ModifiersGroupsNamesAndCounts) {
    EXPECT_EQ(Sent("+a"), "16d 65d 65u 16u ");
    EXPECT_EQ(Sent("+(ab)"), "16d 65d 65u 66d 66u 16u ");
    EXPECT_EQ(Sent("{a}"), "16d 65d 65u 16u ");  // upper-cased first
    EXPECT_EQ(Sent("^%~b"), "17d 18d 13d 13u 17u 18u 66d 66u ");
    EXPECT_EQ(Sent("{TAB 3}{tab 0}"), "9d 9u 9d 9u 9d 9u ");
    EXPECT_EQ(Sent("{F16}{BACKSPACE}{BKSP}{BS}"), "127d 127u 8d 8u 8d 8u 8d 8u ");
    EXPECT_EQ(Sent("{DEL}{HOME}"), "46dx 46ux 36dx 36ux ");
    EXPECT_EQ(Sent("{NUMLOCK}"), "N ");
    EXPECT_EQ(Sent("{{}{}}"), "16d 219d 219u 16u 16d 221d 221u 16u ");
    EXPECT_EQ(Sent("{{"), "16d 219d 219u 16u ");  // never reads past the text
}

TEST(KeystrokeText, ProblemsAreReportedAndNothingStaysPressed) {
    EXPECT_EQ(Sent("{XYZ}a#"), "!Invalid Key Name 65d 65u !Invalid KeyName ");
    for (const char* count : {"{TAB x}", "{TAB -1}", "{TAB 65536}", "{TAB }"})
        EXPECT_EQ(Sent(count), "!Invalid Count ");
    EXPECT_EQ(Sent("", false), "");
    EXPECT_EQ(Sent("+{TAB", false), "16d !No Close 16u ");
    EXPECT_EQ(Sent("^(ab"), "17d 65d 65u 66d 66u 17u ");
    EXPECT_EQ(KeyNameToVirtualKey("SCROLLLOCK"), 145);
    EXPECT_EQ(KeyNameToVirtualKey("UP"), 38);
    EXPECT_EQ(KeyNameToVirtualKey("del"), kNoKey);
    EXPECT_EQ(KeyNameToVirtualKey("DE"), kNoKey);
}
