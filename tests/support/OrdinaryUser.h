#pragma once

#include <functional>

// Runs body in a forked child that, when the tests run as root, first becomes the ordinary user
// "nobody", so that file permissions apply as they do for a person. Returns the child's exit
// status, or -1 when it did not exit normally or could not drop its rights.
int runAsOrdinaryUser(const std::function<int()>& body);
