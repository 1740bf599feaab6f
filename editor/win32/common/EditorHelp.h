// The editor's help pages and web pages. Help pages are topics of the help
// file beside the editor, shown by HTML Help (hhctrl.ocx, loaded when first
// needed) with the desktop window as owner. Web pages open in the user's
// browser through the shell, owned by the given window.
//
// Test seam: when the environment variable QV_HELP_LOG names a file, each
// help request's "file::page" text is appended to it as one line.
#pragma once
#include <windows.h>

#include <string>

// The help file: EditorFolder + "Autorun Quorvel Help.chm".
std::string EditorHelpFile();
// Shows a page of the help file; page is a name such as "quor2bjj" (shown
// as "::html/quor2bjj.htm"). False when HTML Help is missing or refused.
bool ShowHelpPage(const std::string& page);

// The pages of the Help Topics drop-down, in menu order.
struct HelpTopic {
    const char* Caption;
    const char* Page;
};
constexpr int kHelpTopicCount = 7;
extern const HelpTopic kHelpTopics[kHelpTopicCount];

// The three web pages of the Help menu.
enum class WebPage { Product, Feedback, Troubleshooter };
// Opens the page with the verb "open"; false when the shell refused.
bool OpenWebPage(HWND owner, WebPage page);
