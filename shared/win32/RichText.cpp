#include "shared/win32/RichText.h"

#include "forms/win32/RichTextStream.h"

std::string GetRTF(HWND richEdit)
{
    return forms::StreamOutRtf(richEdit);
}

void SetRTF(HWND richEdit, const std::string& rtf)
{
    forms::StreamInRtf(richEdit, rtf);
}
