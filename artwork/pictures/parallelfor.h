#pragma once

#include <functional>

// Runs body(0) .. body(count - 1) on all cores, each index once, and returns
// when every call has returned. The calls must not depend on one another.
void parallelFor(int count, const std::function<void(int)>& body);
