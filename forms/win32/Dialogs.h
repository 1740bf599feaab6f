// Small modal dialogs built from the layer's own forms.
#pragma once
#include <string>

namespace forms {

// Asks for one line of text: a modal form with the caption, the prompt, an
// edit box holding value and OK / Cancel. OK stores the text in value and
// returns true; Cancel (or closing) returns false and leaves value unchanged.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The same, returning the typed text, or defaultValue on Cancel.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

}  // namespace forms
