/* Starts the game and reports, once its first transient window (the intro,
 * opened over the table) is mapped: the milliseconds since launch and the
 * game's peak resident memory so far. Then ends the game.
 * Usage: attend_intro <game> */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double maintenant_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long pic_memoire_ko(pid_t pid) {
    char chemin[64], ligne[256];
    snprintf(chemin, sizeof chemin, "/proc/%d/status", (int)pid);
    FILE* f = fopen(chemin, "r");
    long ko = -1;
    if (!f) return ko;
    while (fgets(ligne, sizeof ligne, f))
        if (strncmp(ligne, "VmHWM:", 6) == 0) ko = strtol(ligne + 6, NULL, 10);
    fclose(f);
    return ko;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s <game>\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "no display\n");
        return 2;
    }
    Window racine = DefaultRootWindow(d);
    XSelectInput(d, racine, SubstructureNotifyMask);
    XSync(d, False);

    const double debut = maintenant_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }

    int code = 1;
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != MapNotify) continue;
        Window parent = None;
        if (XGetTransientForHint(d, e.xmap.window, &parent) && parent != None) {
            const double ms = maintenant_ms() - debut;
            usleep(200 * 1000); /* let it paint, then read the peak */
            printf("%.1f %ld\n", ms, pic_memoire_ko(pid));
            code = 0;
            break;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(d);
    return code;
}
