// Names the creature panel cannot hold: it prints the name of the creature
// faced (and of its corpse) in the 11-point font at x 730, and the panel's
// frame leaves the 60 pixels of the health bar below it.
#pragma once

#include "World.h"

constexpr int kPanelNameWidth = 60;

void checkPanelNames(World& world);
