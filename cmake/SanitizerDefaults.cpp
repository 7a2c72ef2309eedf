// Linked into every program of the sanitizer build: leak detection on, and the suppression file
// for the system libraries' own leaks, wherever the program is started from.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1";
}

extern "C" const char* __lsan_default_options() {
    return "suppressions=" KRS_LSAN_SUPPRESSIONS;
}
