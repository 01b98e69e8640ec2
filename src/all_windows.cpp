#include "all_windows.h"

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
}
