#pragma once

#include "automation/AutoString.h"

#include <cstdint>

// Whether two test files were recorded with the same settings. Each pair is
// the first file's and the second file's value of one setting; the files
// match when every pair is equal. Strings compare case-sensitively, and a
// missing (null) setting equals only another missing one, never an empty
// one. Flags compare by value.

// Partial stroke comparison: s1 with s2, s3 with s4, s5 with s6, s7 with s8.
bool SameSettings(AutoString s1, AutoString s2, AutoString s3, AutoString s4, AutoString s5, AutoString s6,
    AutoString s7, AutoString s8);

// Step comparison: s1 with s2, s3 with s4, s5 with s6, b1 with b2, b3 with
// b4, s7 with s8.
bool SameSettings(AutoString s1, AutoString s2, AutoString s3, AutoString s4, AutoString s5, AutoString s6, uint8_t b1,
    uint8_t b2, uint8_t b3, uint8_t b4, AutoString s7, AutoString s8);
