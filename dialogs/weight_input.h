// Input rules of the weight entry dialog: the box's text and the 0.1 kg
// arrow steps. What an OK may append is the store's to say (CheckWeighing).
#pragma once
#include <stddef.h>

#include "store/records.h"

enum {
    kWeightTextRead = 6, // the box is read up to its first five characters
    kWeightTextSize = 32,
};

// CurrentWeight as the box shows it: "%3.1f".
void FormatWeight(double kg, char* out, size_t size);
// The box's text as CurrentWeight: the first five characters, atof rules.
double ParseWeightText(const char* text);
// kg plus 0.1 for the up arrow, minus 0.1 for the down arrow, else kg.
double SteppedWeight(double kg, int controlId);

// Writes kg into text as the box shows it and returns what that text reads
// back as. CurrentWeight always takes this value after an arrow step, so
// repeated steps never gather floating-point error.
double ShownWeight(double kg, char* text, size_t size);

// A date as yyyymmdd.
int EntryDate(const LocalDate& date);
// The date a new entry carries: today's, read from the clock as OK is
// pressed, so a board left running past midnight dates it right.
int NewEntryDate();
// What Cancel puts back: the newest entry's weight, 0.0 for an empty log.
double NewestLoggedWeight();
