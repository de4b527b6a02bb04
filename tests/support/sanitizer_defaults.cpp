// Sanitizer settings baked into every test program, so they hold however the
// test is started. Leaks inside the system libraries that Qt loads and never
// frees are not ours and are suppressed; anything of ours still reports.
extern "C" {

const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n"
           "leak:libxcb\n"
           "leak:libX11.so\n";
}

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

} // extern "C"
