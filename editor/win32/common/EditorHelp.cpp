#include "editor/win32/common/EditorHelp.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "editor/win32/common/EditorGlobals.h"

namespace {

using HtmlHelpAFn = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC

HtmlHelpAFn HtmlHelpEntry() {
    static HMODULE library = LoadLibraryA("hhctrl.ocx");
    static auto entry = library ? reinterpret_cast<HtmlHelpAFn>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA"))) : nullptr;
    return entry;
}

void LogHelpRequest(const std::string& request) {
    const char* log = std::getenv("QV_HELP_LOG");
    if (!log || !*log) return;
    if (FILE* f = std::fopen(log, "ab")) {
        std::fprintf(f, "%s\r\n", request.c_str());
        std::fclose(f);
    }
}

const char* WebAddress(WebPage page) {
    switch (page) {
        case WebPage::Product: return "https://www.quorvel.example/autorun";
        case WebPage::Feedback: return "https://www.quorvel.example/feedback";
        case WebPage::Troubleshooter: return "https://www.quorvel.example/support/troubleshooter";
    }
    return "";
}

}  // namespace

const HelpTopic kHelpTopics[kHelpTopicCount] = {
    {"Step-by-Step Instructions", "quor3b3t"},
    {"Creating Your Autorun Application", "quor4351"},
    {"Using the AutoSeek Feature", "quor9wvf"},
    {"Design Tips", "quor3koj"},
    {"Enhancing Your Menu", "quor4704"},
    {"Creating Menu Transparency", "quor5hpv"},
    {"Implementing Custom Sounds", "quor4jms"},
};

std::string EditorHelpFile() { return EditorFolder + "Autorun Quorvel Help.chm"; }

bool ShowHelpPage(const std::string& page) {
    const std::string request = EditorHelpFile() + "::html/" + page + ".htm";
    LogHelpRequest(request);
    HtmlHelpAFn entry = HtmlHelpEntry();
    if (!entry) return false;
    return entry(GetDesktopWindow(), request.c_str(), kDisplayTopic, 0) != nullptr;
}

bool OpenWebPage(HWND owner, WebPage page) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", WebAddress(page), nullptr, nullptr,
                                                                SW_SHOWNORMAL));
    return result > 32;
}
