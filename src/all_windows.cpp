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

void registerAllWindows(WindowRegistry& windows, GimmickTableStore& gimmicks) {
  windows.add(std::make_unique<MainMenu>(gimmicks));
  windows.add(std::make_unique<CreditsWindow>());
  windows.add(std::make_unique<EightManBracket>());
  windows.add(std::make_unique<SixteenManBracket>());
  windows.add(std::make_unique<WrestlerNameGenerator>());
  windows.add(std::make_unique<RandomFinisherGenerator>());
  windows.add(std::make_unique<GimmickFinisherGenerator>(gimmicks.table()));
  windows.add(std::make_unique<MatchWinnerPicker>());
  windows.add(std::make_unique<RandomNumberGenerator>());
  windows.add(std::make_unique<RatingsCalculator>());
  windows.add(std::make_unique<ColourDecoder>());
}
