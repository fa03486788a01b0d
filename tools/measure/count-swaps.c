/* Counts the frames a program shows: preloaded into it, this wraps
 * glXSwapBuffers and writes the running count, as a decimal number, at the
 * start of the file named by SWAP_COUNT_FILE after every swap. Built and
 * used by tools/measure-quiet.sh. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

typedef void (*SwapBuffers)(void* display, unsigned long drawable);

void glXSwapBuffers(void* display, unsigned long drawable) {
    static SwapBuffers real;
    static unsigned long count;
    static int fd = -2;
    if (!real) real = (SwapBuffers)dlsym(RTLD_NEXT, "glXSwapBuffers");
    if (fd == -2) {
        const char* path = getenv("SWAP_COUNT_FILE");
        fd = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    }
    real(display, drawable);
    if (fd < 0) return;
    char text[32];
    const int length = snprintf(text, sizeof text, "%-20lu\n", ++count);
    if (pwrite(fd, text, (size_t)length, 0) != length) return;
}
