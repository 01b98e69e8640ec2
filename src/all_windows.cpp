#include "all_windows.h"

#include "generators/fini_gimm.h"
#include "generators/finisher.h"
#include "generators/name_gen.h"
#include "shell/credits.h"
#include "shell/main_menu.h"
#include "shell/windows.h"
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
}
