// taiju.dat (23-byte records) and its CSV export taiju.csv.
#pragma once
#include "store/platform.h"
#include "store/store_result.h"

// csv = 1 writes taiju.csv. A save of taiju.dat first checks that the file
// is still what this program last read or wrote (its size and last-write
// time); when another program has changed it, the save is refused
// (kStoreLogChanged) and the log is read again from it.
StoreResult WriteLog(int csv);
// WriteLog that shows the box for what it came to: 0, or -1.
int SaveLog(OwnerWindow owner, int csv);
int LoadLog(); // always 0

// A LoadLog that cannot read taiju.dat whole (it exists but cannot be
// opened, or reading stops on an error) while the count is above 0 keeps
// the complete records read and sets LogPartlyRead; SaveLog then refuses
// until a later read takes the file whole or the log is reset.

// 1 when taiju.dat is not what this program last read or wrote.
int LogChangedOnDisk();
// Reads taiju.dat again when another program changed it (then every whole
// record in it, whatever the count said) or when it was read only in part
// (then the count on disk): 1 when it was read, 0 when the log in memory
// is the file's already. Says nothing.
int ReadLogAgain();

// Moves taiju.dat aside as taiju.dat.bak (an older copy is replaced) and
// sets the count to 0; kStoreWriteFailed, with the log as it was, when the
// file is there but cannot be moved.
StoreResult ResetLog();
