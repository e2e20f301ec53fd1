#include "util/ScreenUpdates.h"

#include "util/Canvas.h"
#include "util/Seam.h"

ScreenUpdates::ScreenUpdates(std::function<void(SDL_Surface*)> show) : show(std::move(show)) {
    if (!this->show) this->show = [](SDL_Surface* screen) { SDL_Flip(screen); };
}

void ScreenUpdates::setRefreshRate(int rate) { hertz = rate > 0 ? rate : kDefaultRefreshRate; }

bool ScreenUpdates::due() const {
    const uint32_t now = seam::ticks();
    return !everChecked || static_cast<uint64_t>(now - lastCheck) * static_cast<uint64_t>(hertz) >= 1000;
}

void ScreenUpdates::send(SDL_Surface* screen, uint32_t now) {
    show(screen);
    lastCheck = now;
    everChecked = true;
}

void ScreenUpdates::composePass(SDL_Surface* screen, const std::function<void()>& pass) {
    // The last pass drew something new, or the scene was moving then.
    const bool changing = !known || lastPrint != shownPrint || lastPrint != printBefore;
    const bool paint = screen && due() && changing;
    canvas::Pass canvasPass(paint);
    pass();
    printBefore = lastPrint;
    lastPrint = canvas::fingerprint();
    if (!paint) return;
    const uint32_t now = seam::ticks();
    waiting = false;
    if (known && lastPrint == shownPrint) {
        lastCheck = now;
        return;
    }
    send(screen, now);
    known = true;
    shownPrint = lastPrint;
}

void ScreenUpdates::present(SDL_Surface* screen) {
    known = false;
    waiting = true;
    flushDue(screen);
}

void ScreenUpdates::flushDue(SDL_Surface* screen) {
    if (!waiting || !screen || !due()) return;
    waiting = false;
    send(screen, seam::ticks());
}

void ScreenUpdates::idle() const { seam::delay(static_cast<uint32_t>(1000 / hertz)); }

ScreenUpdates& screenUpdates() {
    static ScreenUpdates updates;
    return updates;
}
