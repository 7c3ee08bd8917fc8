// The menu's CSV import: asks for a file, reads it, says what it would add
// and imports it on Yes. Message boxes go through Platform.messageBox.
#pragma once
#include <stddef.h>

#include "store/import_file.h"

extern const char kImportCaption[];

// Asks the user for a file: 1 with its path (UTF-8) in path, 0 when cancelled.
typedef int (*ChooseImportFileFn)(OwnerWindow owner, char* path, int size);

// Refused while ModalOpen is set; holds a ModalScope while it runs.
int RunImportCommand(OwnerWindow owner, ChooseImportFileFn choose,
                     void (*repaint)(OwnerWindow owner));

// The confirmation box's text for a file that is ready to import, and the
// text of the box that tells why a file is not imported.
void FormatImportQuestion(const ImportSummary& summary, char* text, size_t size);
void FormatImportRefusal(const ImportSummary& summary, char* text, size_t size);
