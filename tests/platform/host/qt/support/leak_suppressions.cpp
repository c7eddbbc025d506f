// The desktop's own libraries keep a few allocations for the life of the process (the session bus
// connection, fontconfig's caches); they are not ours to free, so the leak checker skips them.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n"
           "leak:libxcb.so\n";
}
