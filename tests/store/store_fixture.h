// Each storage test runs in a fresh empty folder over the platform's real file
// code (the files are named relative to it), with a fake clock, screen and box.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "store/platform.h"

struct FakePlatform {
    LocalDate today;
    int screenWidth, screenHeight, answer; // the answer to every message box
    int messages;                          // boxes shown; the last one's texts and flags:
    std::string caption, text;
    unsigned flags;
};
extern FakePlatform Fake;
// Faults in the file code: reads return at most ReadStep bytes (0: no limit);
// the flush to the disk fails.
extern int ReadStep, FailCommit;

std::string ReadBytes(const char* name); // "" when missing
void WriteBytes(const char* name, const std::string& bytes);
bool FileExists(const char* name);

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::string folder_;
};
