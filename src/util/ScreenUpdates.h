// Sends pictures to the display at most once a display refresh. A pass of the
// world paints its picture (util/Canvas) only when the display is due for one
// and the scene is changing: the last pass drew something other than what the
// display shows, or other than the pass before it. So a still scene costs
// neither painting nor the display anything (with sdl12-compat every update
// is a texture upload and a present). A change is on the display within one
// refresh: it is noted in the pass that makes it, and the first due pass
// after that paints and sends the state of its moment.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <functional>

class ScreenUpdates {
public:
    static constexpr int kDefaultRefreshRate = 60;

    // `show` puts a surface on the display; SDL_Flip by default.
    explicit ScreenUpdates(std::function<void(SDL_Surface*)> show = {});

    // In updates a second; 0 or less (unknown) means the default.
    void setRefreshRate(int hertz);
    int refreshRate() const { return hertz; }

    // Whether a picture composed now may go to the display: a refresh has
    // passed since the last picture was sent or found unchanged.
    bool due() const;
    // One pass of the world: `pass` runs with painting on only when the
    // display is due and the last pass drew another picture than the one
    // shown; a painted picture is sent unless it is the one already shown.
    void composePass(SDL_Surface* screen, const std::function<void()>& pass);

    // For screens that draw only when something happens (the menus): the
    // picture in `screen` is sent now if due, otherwise by flushDue.
    void present(SDL_Surface* screen);
    void flushDue(SDL_Surface* screen);
    // For those screens when nothing happens: nothing can be shown sooner
    // than the next refresh, so sleep until then.
    void idle() const;
    // The display may not hold the last picture any more (uncovered, a new
    // video mode): the next one is sent even if drawn the same.
    void invalidate() { known = false; }

private:
    void send(SDL_Surface* screen, uint32_t now);

    std::function<void(SDL_Surface*)> show;
    int hertz = kDefaultRefreshRate;
    bool everChecked = false;
    uint32_t lastCheck = 0;
    bool waiting = false;
    // The fingerprint of the picture on the display, when it is known, and
    // of what the last two passes drew.
    bool known = false;
    uint64_t shownPrint = 0;
    uint64_t lastPrint = 0;
    uint64_t printBefore = 0;
};

// The process's one display.
ScreenUpdates& screenUpdates();
