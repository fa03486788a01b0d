// Options the sanitizer runtimes read at start-up, built into every test
// program of the sanitizer build so no environment is needed.
#include <sanitizer/common_interface_defs.h>

extern "C" {

// Libraries stay loaded until the process ends. The GL driver, unloaded at
// exit, would leave the memory it still holds unreachable, reported as a
// leak of an unknown module that no suppression can name; kept loaded, its
// globals still point to that memory. Test programs only.
int dlclose(void*) { return 0; }

const char* __asan_default_options() { return "check_initialization_order=1:detect_stack_use_after_return=1"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// libX11 and xcb keep per-connection memory that nothing frees before the
// process ends; the program's own allocations are never suppressed.
const char* __lsan_default_suppressions() { return "leak:libX11.so\nleak:libxcb.so\n"; }

}  // extern "C"
