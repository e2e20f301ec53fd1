#include "PanelNames.h"

#include "Files.h"

#include "ui/TextWrap.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"

namespace {

// The panel's small font.
constexpr int kSmallFontPoints = 11;

}  // namespace

void checkPanelNames(World& world) {
    TTF_Font* font = fs::openFont("data\\comic.ttf", kSmallFontPoints);
    if (!font) return;  // the font check says why
    for (const std::string& id : foldersIn("data\\characters")) {
        const std::string file = "data\\characters\\" + id + "\\data.ini";
        std::vector<std::string> lines;
        if (id == "Gracz" || !readLines(file, lines)) continue;
        // The loader keeps the last name line before the pack.
        int line = 0;
        std::string name;
        for (size_t i = 0; i < lines.size() && lines[i] != "[Inventory]"; ++i) {
            const dataline::KeyValue kv = dataline::split(lines[i]);
            if (kv.key != "name") continue;
            line = static_cast<int>(i) + 1;
            name = kv.value;
        }
        const int width = textWidth(font, name);
        if (width > kPanelNameWidth)
            world.report.warn(file, line,
                             "the name " + quote(name) + " is " + str(width) + " pixels wide; the creature panel shows " +
                                 str(kPanelNameWidth) + " and cuts it off");
    }
    TTF_CloseFont(font);
}
