// Linked into the test programs that open GL contexts. The GL driver keeps
// allocations it never frees and unloads its modules before the leak check
// runs at exit, so those reports cannot be attributed or suppressed by name;
// leak checking is off for these programs only (address and undefined-
// behaviour checks stay on).
extern "C" const char* __lsan_default_options() { return "detect_leaks=0"; }
