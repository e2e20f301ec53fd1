#include "characters/Corpse.h"

#include "util/Image.h"

Corpse::Corpse(const std::string& name, const std::string& id, const Characters& creature)
    : name(name), items(creature.inventory) {
    for (const ItemRef* worn : {&creature.armor, &creature.leftHand, &creature.rightHand, &creature.helmet,
                                &creature.necklace, &creature.ring1, &creature.ring2, &creature.boots}) {
        if (!*worn) continue;
        // A two-handed weapon or rune fills both hands but is one item.
        if (worn == &creature.rightHand && creature.rightHand == creature.leftHand) continue;
        items.push_back(*worn);
    }
    image = loadImage("data\\characters\\" + id + "\\dead.bmp");
}

Corpse::~Corpse() {
    if (image) SDL_FreeSurface(image);
}
