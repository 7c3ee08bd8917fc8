// The popup menu's commands that need no window of their own: the reset of
// the weight log, the trend switch and the CSV export, and the text of the
// menu's error box.
// Message boxes go through Platform.messageBox.
#pragma once
#include <stddef.h>

#include "store/platform.h"

extern const char kResetQuestion[];
extern const char kResetQuestionCaption[];
extern const char kResetDone[];
extern const char kResetDoneCaption[];
extern const char kMenuErrorCaption[];

enum { kMenuErrorTextSize = 52 };

// Asks before emptying the log; on Yes empties it (count 0, current weight
// 0.0, no scrolling), saves the settings, calls repaint and says it is done.
int RunResetCommand(OwnerWindow owner, void (*repaint)(OwnerWindow owner));

// Switches the trend on or off, saves the settings and calls repaint.
int RunTrendCommand(OwnerWindow owner, void (*repaint)(OwnerWindow owner));

// Writes taiju.csv from the log.
int RunCsvCommand(OwnerWindow owner);

// "ポップアップメニューエラー<code>", cut to fit the buffer.
void FormatMenuError(char* text, size_t size, int code);
