// Runs the programs the script names for before and after installing: a
// document through the shell, a program (".exe" or ".bat" in its path) as a
// process of its own.
#pragma once

#include "installer/core/RunAppRecord.h"

#include <string_view>

namespace setup {

// True means go on. A program or document that cannot be started counts as
// success; only a taken exit code other than 0 is a failure.
bool runProgram(const RunAppRecord& program);

// The before-install program, when the script has one (null otherwise).
bool runBeforeInstall(const RunAppRecord* program);

// The after-install command, already expanded; an empty text runs nothing.
// The result is not looked at.
void runAfterInstall(std::string_view command);

}  // namespace setup
