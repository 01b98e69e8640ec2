#include "all_windows.h"

#include "generators/fini_gimm.h"
#include "generators/finisher.h"
#include "generators/name_gen.h"
#include "match/match.h"
#include "shell/credits.h"
#include "shell/main_menu.h"
#include "shell/windows.h"
#include "tools/calc.h"
#include "tools/hex_rgb.h"
#include "tools/rando.h"
#include "tournament/tourn16.h"
#include "tournament/tourn8.h"

#include <memory>

void registerAllWindows() {
  windows::add(std::make_unique<MainMenu>());
  windows::add(std::make_unique<Credits>());
  windows::add(std::make_unique<Tourn8>());
  windows::add(std::make_unique<Tourn16>());
  windows::add(std::make_unique<NameGen>());
  windows::add(std::make_unique<Finisher>());
  windows::add(std::make_unique<FiniGimm>());
  windows::add(std::make_unique<Match>());
  windows::add(std::make_unique<Rando>());
  windows::add(std::make_unique<calc>());
  windows::add(std::make_unique<HexRGB>());
}
