/* Starts a program and reports how long it takes until its first top-level
 * window is mapped, and its peak resident memory a moment later.
 * Usage: map_wait SETTLE_MS PROGRAM [ARGS...]   (needs $DISPLAY)
 * Prints: "<milliseconds to first map> <peak RSS in KiB>" */
#define _DEFAULT_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static long peak_rss_kib(pid_t pid)
{
    char path[64], line[256];
    long kib = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmHWM:", 6) == 0)
            kib = strtol(line + 6, NULL, 10);
    fclose(f);
    return kib;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settle = atoi(argv[1]);
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "no display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    while (mapped < 0) {
        if (now_ms() - start > 20000)
            break;
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) {
                mapped = now_ms() - start;
                break;
            }
        }
        if (mapped < 0)
            usleep(200);
    }
    usleep(settle * 1000);
    const long rss = peak_rss_kib(child);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    if (mapped < 0) {
        fprintf(stderr, "no window was mapped\n");
        return 1;
    }
    printf("%.1f %ld\n", mapped, rss);
    return 0;
}
