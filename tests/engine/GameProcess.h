#pragma once
// The real program for the end-to-end tests: run offscreen as a child
// process in a working folder of the test's own, killed after a time limit.

#include <memory>
#include <string>
#include <vector>

#include "tests/engine/ChildProcess.h"

// The game built beside the tests.
std::string gameProgram();

// Copies the shipped sprites (data/*.tga of the source tree) into folder.
void copyShippedSprites(const std::string& folder);

// Starts the game offscreen in workDir under `timeout`, with its arguments,
// standard output and errors going to outputFile.
std::unique_ptr<ChildProcess> startGame(const std::string& workDir, int timeoutSeconds,
                                        const std::string& outputFile,
                                        const std::vector<std::string>& args = {});

// Runs the game to its end; the exit status (124 when the time limit had to
// end it). Output goes to workDir/output.txt.
int runGame(const std::string& workDir, int timeoutSeconds, const std::vector<std::string>& args = {});

// The lines of a text, without their line breaks.
std::vector<std::string> linesOf(const std::string& text);
