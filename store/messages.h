// The storage code's message boxes, with their exact texts.
#pragma once
#include "store/platform.h"

extern const char kOpenErrorCaption[]; // "OPEN ERROR"
extern const char kSizeErrorCaption[]; // "SIZE ERROR"
extern const char kSettingsOpenErrorText[];
extern const char kSettingsSizeErrorText[];
extern const char kLogOpenErrorText[];
extern const char kLogPartlyReadText[];
extern const char kLogChangedText[];

void ShowStoreError(OwnerWindow owner, const char* text, const char* caption);
