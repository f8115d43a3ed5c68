// fontconfig keeps its font caches behind encoded offsets that the leak checker cannot follow,
// so its long-lived cache entries look lost at exit. Anything else still counts as a leak.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
