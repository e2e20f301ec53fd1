/* Preloaded into the game by tools/measure-pace.sh: counts, into a small
 * shared file the script reads while the game runs,
 *  - copies of the 850 by 650 world buffer onto the screen: one a world tick
 *    where every tick is drawn;
 *  - sleeps of the main thread: one a world tick where every tick sleeps out
 *    its period (and, at the title screen, one an idle turn of the menu);
 *  - screen updates (SDL_Flip, SDL_UpdateRect, SDL_UpdateRects).
 * Changes nothing the game does. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <SDL/SDL.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

struct Counts {
    volatile uint64_t drawnTicks;
    volatile uint64_t updates;
    volatile uint64_t sleeps;
};

static struct Counts* counts;
static struct Counts scratch;
static __thread int depth; /* an update the library makes inside another is not counted */

static struct Counts* shared(void) {
    if (counts) return counts;
    counts = &scratch;
    const char* path = getenv("RPG_PROBE_FILE");
    if (!path) return counts;
    int fd = open(path, O_RDWR | O_CREAT, 0644);
    if (fd < 0) return counts;
    if (ftruncate(fd, sizeof(struct Counts)) == 0) {
        void* at = mmap(NULL, sizeof(struct Counts), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (at != MAP_FAILED) counts = at;
    }
    close(fd);
    return counts;
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

int SDL_UpperBlit(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect) {
    static __typeof__(&SDL_UpperBlit) next;
    if (!next) next = NEXT(SDL_UpperBlit);
    if (depth == 0 && src && src->w == 850 && src->h == 650 && dst == SDL_GetVideoSurface()) shared()->drawnTicks++;
    ++depth;
    int result = next(src, srcrect, dst, dstrect);
    --depth;
    return result;
}

void SDL_Delay(Uint32 ms) {
    static __typeof__(&SDL_Delay) next;
    if (!next) next = NEXT(SDL_Delay);
    if (syscall(SYS_gettid) == getpid()) shared()->sleeps++;
    next(ms);
}

int SDL_Flip(SDL_Surface* screen) {
    static __typeof__(&SDL_Flip) next;
    if (!next) next = NEXT(SDL_Flip);
    if (depth == 0) shared()->updates++;
    ++depth;
    int result = next(screen);
    --depth;
    return result;
}

void SDL_UpdateRect(SDL_Surface* screen, Sint32 x, Sint32 y, Uint32 w, Uint32 h) {
    static __typeof__(&SDL_UpdateRect) next;
    if (!next) next = NEXT(SDL_UpdateRect);
    if (depth == 0) shared()->updates++;
    ++depth;
    next(screen, x, y, w, h);
    --depth;
}

void SDL_UpdateRects(SDL_Surface* screen, int n, SDL_Rect* rects) {
    static __typeof__(&SDL_UpdateRects) next;
    if (!next) next = NEXT(SDL_UpdateRects);
    if (depth == 0) shared()->updates++;
    ++depth;
    next(screen, n, rects);
    --depth;
}
