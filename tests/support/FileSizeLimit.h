#pragma once

#include <functional>

// Runs body in a child process whose files may not grow past limitBytes (writes beyond fail
// with "File too large"), so a failing disk can be simulated without special rights.
// Returns the child's exit status, or -1 when it did not exit normally.
int runWithFileSizeLimit(long limitBytes, const std::function<int()>& body);
