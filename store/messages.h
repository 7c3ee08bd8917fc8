// The storage code's message boxes, with their exact texts.
#pragma once
#include "store/platform.h"

extern const char kOpenErrorCaption[];  // "OPEN ERROR"
extern const char kSizeErrorCaption[];  // "SIZE ERROR"
extern const char kInputErrorCaption[]; // "入力エラー"
extern const char kSettingsOpenErrorText[];
extern const char kSettingsSizeErrorText[];
extern const char kLogOpenErrorText[];
extern const char kLogPartlyReadText[];
extern const char kLogChangedText[];
extern const char kLogFullText[];
extern const char kNotStorableText[];

void ShowStoreError(OwnerWindow owner, const char* text, const char* caption);
