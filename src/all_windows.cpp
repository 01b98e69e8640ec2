// SPDX-License-Identifier: GPL-3.0-or-later
#include "all_windows.h"

#include "data/gimmick_table_store.h"
#include "framework/window_registry.h"
#include "windows/credits/credits_window.h"
#include "windows/generators/gimmick_finisher_generator.h"
#include "windows/generators/random_finisher_generator.h"
#include "windows/generators/wrestler_name_generator.h"
#include "windows/match/match_winner_picker.h"
#include "windows/menu/main_menu.h"
#include "windows/tools/colour_decoder.h"
#include "windows/tools/random_number_generator.h"
#include "windows/tools/ratings_calculator.h"
#include "windows/tournament/eight_man_bracket.h"
#include "windows/tournament/sixteen_man_bracket.h"

#include <memory>

void registerAllWindows(GimmickTableStore& gimmicks) {
  WindowRegistry::add(std::make_unique<MainMenu>(gimmicks));
  WindowRegistry::add(std::make_unique<CreditsWindow>());
  WindowRegistry::add(std::make_unique<EightManBracket>());
  WindowRegistry::add(std::make_unique<SixteenManBracket>());
  WindowRegistry::add(std::make_unique<WrestlerNameGenerator>());
  WindowRegistry::add(std::make_unique<RandomFinisherGenerator>());
  WindowRegistry::add(std::make_unique<GimmickFinisherGenerator>(gimmicks.table()));
  WindowRegistry::add(std::make_unique<MatchWinnerPicker>());
  WindowRegistry::add(std::make_unique<RandomNumberGenerator>());
  WindowRegistry::add(std::make_unique<RatingsCalculator>());
  WindowRegistry::add(std::make_unique<ColourDecoder>());
}
