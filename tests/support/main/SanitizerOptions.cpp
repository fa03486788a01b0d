// Options the sanitizer runtimes read at start-up, built into every test
// program of the sanitizer build so no environment is needed.
#include <sanitizer/common_interface_defs.h>

extern "C" {

const char* __asan_default_options() { return "check_initialization_order=1:detect_stack_use_after_return=1"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// The X, xcb and OpenGL libraries and the Mesa driver keep per-connection
// and per-context memory until the process ends; the program's own
// allocations are never suppressed.
const char* __lsan_default_suppressions() {
    return "leak:libX11.so\n"
           "leak:libxcb.so\n"
           "leak:libGLX\n"
           "leak:libGL.so\n"
           "leak:libGLdispatch\n"
           "leak:_dri.so\n"
           "leak:libLLVM\n";
}

}  // extern "C"
