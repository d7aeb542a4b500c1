#pragma once
// Appending one line to a text file so that it lands whole or not at all,
// even on a full disk, with other programs appending to the same file, or
// after a file that was left without a final line break.

#include <string>

#include "game/WriteAll.h"

// Appends line (which ends in a line break) to the file at path, creating
// it. Under an advisory lock: a file not ending in a line break gets one
// first, and a write that falls short is undone by cutting the file back to
// its old size. False when the line is not in the file; reason then says why.
bool appendWholeLine(const char* path, const std::string& line, std::string& reason, WriteCall write);
