#include "support/TestWorld.h"
#include "util/Image.h"

#include <gtest/gtest.h>

TEST(Image, LoadersKeyOutMagentaOrWhiteAndGiveNullForMissingFiles) {
    SdlSession sdl;
    TempWorld world;
    world.writeBitmap("data/m.bmp", 4, 4, 255, 0, 255);
    world.writeBitmap("data/GUI/w.bmp", 4, 4, 255, 255, 255);

    SurfacePtr magenta(loadImage("data\\m.bmp"));
    ASSERT_TRUE(magenta);
    EXPECT_TRUE(magenta->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(magenta->format->colorkey, SDL_MapRGB(magenta->format, 255, 0, 255));
    EXPECT_EQ(magenta->format->BitsPerPixel, sdl.screen->format->BitsPerPixel);

    SurfacePtr white(loadInterfaceImage("data\\GUI\\w.bmp"));
    ASSERT_TRUE(white);
    EXPECT_EQ(white->format->colorkey, SDL_MapRGB(white->format, 255, 255, 255));

    // Blitting the keyed image leaves the destination untouched.
    SDL_FillRect(sdl.screen, nullptr, SDL_MapRGB(sdl.screen->format, 10, 20, 30));
    SDL_BlitSurface(magenta.get(), nullptr, sdl.screen, nullptr);
    uint8_t r, g, b;
    pixelAt(sdl.screen, 1, 1, r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(b, 30);

    EXPECT_EQ(loadImage("data\\absent.bmp"), nullptr);
    EXPECT_EQ(loadInterfaceImage("data\\GUI\\absent.bmp"), nullptr);
}
