// Leak-checker settings for the whole test program. These libraries keep long-lived memory the
// checker cannot follow, which looks lost at exit:
// - fontconfig keeps its font caches behind encoded offsets;
// - SDL keeps a per-thread error message buffer (made when, say, a sound file fails to
//   decode) until the thread ends;
// - D-Bus, which SDL's video start opens, keeps a message buffer for the process's life;
// - the print library keeps its per-thread settings (server, destinations) the same way.
// Anything else still counts as a leak.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libSDL2-2.0.so\n"
           "leak:libcups.so\n"
           "leak:libdbus-1.so\n";
}
