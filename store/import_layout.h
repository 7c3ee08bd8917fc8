// Where an imported file keeps its dates and weights, recognised from its
// first line: a header naming a date and a weight column, or a first line
// that is already data (the program's own taiju.dat and taiju.csv, or a
// date and a number).
#pragma once
#include "store/import_fields.h"

struct ImportLayout {
    char separator;
    int dateColumn;
    int timeColumn; // -1 when the date column holds the time, if any
    int weightColumn;
    int unit; // WeightUnit of the column; a unit in a cell wins
};

enum LayoutKind { kLayoutNone, kLayoutHeader, kLayoutData };

// Recognises the first line of a file; `unit` is what a "#Units:" line
// before it gave (kUnitKg without one). The line may still start with the
// '#' of a commented header.
LayoutKind RecogniseImportLayout(const char* line, int length, int unit, ImportLayout* layout);

// The unit a line "#Units: kg" or "#Units: lbs" gives, or -1 for any other line.
int UnitsComment(const char* line, int length);
