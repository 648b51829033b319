#pragma once

#include <functional>

// Faults a test cannot make in its own process: body runs in a forked child, and the child's
// exit status is returned, or -1 when it did not exit normally or could not be set up.

// The child's files may not grow past limitBytes (writes beyond fail with "File too large"), so
// a failing disk can be simulated without special rights.
int runWithFileSizeLimit(long limitBytes, const std::function<int()>& body);
// When the tests run as root, the child first becomes the ordinary user "nobody", so that file
// permissions apply as they do for a person.
int runAsOrdinaryUser(const std::function<int()>& body);
