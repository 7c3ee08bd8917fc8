// The name of the kernel object that keeps one board per data folder.
#pragma once
#include <stddef.h>
#include <stdint.h>

// "Local\weighminder-board-" and 16 hex digits of a 64-bit FNV-1a hash of
// the folder's UTF-16 units, as Windows spells the folder once it has
// resolved it (full path, long names, upper case). Object names may not
// hold every character a path may, nor be as long: the hash is.
void BoardLockName(const uint16_t* folder, int length, char* out, size_t size);
