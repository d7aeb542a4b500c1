#pragma once
// Whether the current GL context accepts BGR/BGRA pixel data. The answer is
// worked out once per process, from the first context that can answer.

namespace gxbase {

// Needs a current GL context the first time. Without one the answer is
// "no" for that call only; the next call asks again.
bool BgraSupported();

// For tests: 1 forces support, 0 forces no support, -1 forgets the answer so
// the next call asks the current context again.
void OverrideBgraSupport(int answer);

}  // namespace gxbase
