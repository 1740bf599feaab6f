#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/logic/KeystrokeText.h"

using namespace editor;

namespace {

// Records events as "<vk>d" / "<vk>u" (with "x" for extended keys) and
// types characters as a US keyboard does.
class RecordingPort : public KeyboardPort {
public:
    std::vector<std::string> Events;
    std::vector<std::string> Errors;
    int NumLockFlips = 0;

    void SendKeyEvent(uint8_t vk, uint32_t flags) override {
        std::string e = std::to_string(vk) + ((flags & kKeyEventKeyUp) ? "u" : "d");
        if (flags & kKeyEventExtended) e += "x";
        Events.push_back(e);
    }
    uint16_t KeyForChar(char c) override {
        if (c >= 'a' && c <= 'z') return static_cast<uint16_t>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') return static_cast<uint16_t>(kShiftBit | c);
        if (c >= '0' && c <= '9') return static_cast<uint16_t>(c);
        if (c == ' ') return 32;
        return kNoKey;
    }
    void ToggleNumLock() override { ++NumLockFlips; }
    void SendKeysError(const std::string& text) override { Errors.push_back(text); }
};

struct Outcome {
    bool Result;
    std::vector<std::string> Events;
    std::vector<std::string> Errors;
    int NumLockFlips;
};

Outcome Send(const std::string& text) {
    RecordingPort port;
    KeystrokeSender sender(port);
    const bool result = sender.Send(text);
    return {result, port.Events, port.Errors, port.NumLockFlips};
}

using Events = std::vector<std::string>;

}  // namespace

TEST(KeystrokeText, ModifiersAndGroupsHoldUntilTheKeyOrTheParenthesis) {
    EXPECT_EQ(Send("+a").Events, (Events{"16d", "65d", "65u", "16u"}));
    EXPECT_EQ(Send("+(ab)").Events, (Events{"16d", "65d", "65u", "66d", "66u", "16u"}));
    // A name of one character is upper-cased before it is looked up.
    EXPECT_EQ(Send("{a}").Events, (Events{"16d", "65d", "65u", "16u"}));
    EXPECT_EQ(Send("^%b").Events, (Events{"17d", "18d", "66d", "66u", "17u", "18u"}));
    EXPECT_EQ(Send("^~x").Events, (Events{"17d", "13d", "13u", "17u", "88d", "88u"}));
}

TEST(KeystrokeText, NamedKeysCountsAndTheExtendedSet) {
    EXPECT_EQ(Send("{TAB 3}").Events, (Events{"9d", "9u", "9d", "9u", "9d", "9u"}));
    EXPECT_EQ(Send("{tab 0}").Events, Events{});
    EXPECT_EQ(Send("{F16}").Events, (Events{"127d", "127u"}));
    for (const char* bs : {"{BACKSPACE}", "{BKSP}", "{BS}"})
        EXPECT_EQ(Send(bs).Events, (Events{"8d", "8u"})) << bs;
    EXPECT_EQ(Send("{DEL}").Events, (Events{"46dx", "46ux"}));
    EXPECT_EQ(Send("{HOME}{F1}").Events, (Events{"36dx", "36ux", "112d", "112u"}));

    const Outcome numLock = Send("{NUMLOCK}");
    EXPECT_TRUE(numLock.Events.empty());
    EXPECT_EQ(numLock.NumLockFlips, 1);
}

TEST(KeystrokeText, BracesAreTypedWithShiftAndNeverReadPastTheText) {
    EXPECT_EQ(Send("{{}").Events, (Events{"16d", "219d", "219u", "16u"}));
    EXPECT_EQ(Send("{}}").Events, (Events{"16d", "221d", "221u", "16u"}));
    EXPECT_EQ(Send("{{}a").Events.back(), "65u");
    const Outcome shortOpen = Send("{{");
    EXPECT_TRUE(shortOpen.Result);
    EXPECT_EQ(shortOpen.Events, (Events{"16d", "219d", "219u", "16u"}));
}

TEST(KeystrokeText, ProblemsAreReportedAndTheRestIsStillSent) {
    const Outcome badName = Send("{XYZ}a");
    EXPECT_TRUE(badName.Result);
    EXPECT_EQ(badName.Errors, (std::vector<std::string>{"Invalid Key Name"}));
    EXPECT_EQ(badName.Events, (Events{"65d", "65u"}));

    const Outcome badChar = Send("a#b");
    EXPECT_TRUE(badChar.Result);
    EXPECT_EQ(badChar.Errors, (std::vector<std::string>{"Invalid KeyName"}));
    EXPECT_EQ(badChar.Events, (Events{"65d", "65u", "66d", "66u"}));

    // Counts that are no whole number from 0 to 65535 send nothing.
    for (const char* text : {"{TAB x}a", "{TAB -1}a", "{TAB 65536}a", "{TAB }a"}) {
        const Outcome badCount = Send(text);
        EXPECT_TRUE(badCount.Result) << text;
        EXPECT_EQ(badCount.Errors, (std::vector<std::string>{"Invalid Count"})) << text;
        EXPECT_EQ(badCount.Events, (Events{"65d", "65u"})) << text;
    }
}

TEST(KeystrokeText, EmptyTextOrUnclosedBraceFailsWithoutLeavingKeysDown) {
    const Outcome empty = Send("");
    EXPECT_FALSE(empty.Result);
    EXPECT_TRUE(empty.Events.empty());

    const Outcome noClose = Send("+{TAB");
    EXPECT_FALSE(noClose.Result);
    EXPECT_EQ(noClose.Errors, (std::vector<std::string>{"No Close"}));
    EXPECT_EQ(noClose.Events, (Events{"16d", "16u"}));

    // A group that is never closed releases its modifiers at the end.
    EXPECT_EQ(Send("^(ab").Events, (Events{"17d", "65d", "65u", "66d", "66u", "17u"}));
}

TEST(KeystrokeText, KeyNameTableIsSearchedExactly) {
    EXPECT_EQ(KeyNameToVirtualKey("BACKSPACE"), 8);
    EXPECT_EQ(KeyNameToVirtualKey("UP"), 38);
    EXPECT_EQ(KeyNameToVirtualKey("SCROLLLOCK"), 145);
    EXPECT_EQ(KeyNameToVirtualKey("F9"), 120);
    EXPECT_EQ(KeyNameToVirtualKey("PRTSC"), 42);
    EXPECT_EQ(KeyNameToVirtualKey("ESCAPE"), 27);
    EXPECT_EQ(KeyNameToVirtualKey("DE"), kNoKey);
    EXPECT_EQ(KeyNameToVirtualKey("del"), kNoKey);
    EXPECT_EQ(KeyNameToVirtualKey(""), kNoKey);
    EXPECT_EQ(KeyNameToVirtualKey("ZZZ"), kNoKey);
}
