#include "all_windows.h"

#include "match/match.h"
#include "shell/credits.h"
#include "shell/main_menu.h"
#include "shell/windows.h"
#include "tools/calc.h"
#include "tools/hex_rgb.h"
#include "tools/rando.h"

#include <memory>

void registerAllWindows() {
  windows::add(std::make_unique<MainMenu>());
  windows::add(std::make_unique<Credits>());
  windows::add(std::make_unique<Match>());
  windows::add(std::make_unique<Rando>());
  windows::add(std::make_unique<calc>());
  windows::add(std::make_unique<HexRGB>());
}
