#include "all_windows.h"

#include "generators/fini_gimm.h"
#include "generators/finisher.h"
#include "generators/name_gen.h"
#include "shell/credits.h"
#include "shell/main_menu.h"
#include "shell/windows.h"

#include <memory>

void registerAllWindows() {
  windows::add(std::make_unique<MainMenu>());
  windows::add(std::make_unique<Credits>());
  windows::add(std::make_unique<NameGen>());
  windows::add(std::make_unique<Finisher>());
  windows::add(std::make_unique<FiniGimm>());
}
