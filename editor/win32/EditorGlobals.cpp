#include "editor/win32/EditorGlobals.h"

int32_t MenuCounter = 0;
std::string EditorFolder;
std::string EditorDrive;
std::string MenuFolder;
uint8_t WizardMode = 0;
