// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/startup.h"

#include "data/gimmick_table_store.h"
#include "data/table_location.h"
#include "framework/fonts.h"
#include "framework/input_hint.h"
#include "framework/window.h"
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
#include "windows/tournament/tournament_shelf.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyleFactory>

#include <cstdio>

#include <memory>

namespace {

// One instance of every window of the program: the one place that knows
// every window class. The menu loads `gimmicks` and the gimmick window reads
// it, so it must outlive the windows.
void registerAllWindows(WindowRegistry& windows, GimmickTableStore& gimmicks,
                        TournamentShelf& tournaments) {
  windows.add(std::make_unique<MainMenu>(gimmicks));
  windows.add(std::make_unique<CreditsWindow>());
  windows.add(std::make_unique<EightManBracket>(tournaments));
  windows.add(std::make_unique<SixteenManBracket>(tournaments));
  windows.add(std::make_unique<WrestlerNameGenerator>());
  windows.add(std::make_unique<RandomFinisherGenerator>());
  windows.add(std::make_unique<GimmickFinisherGenerator>(gimmicks.table()));
  windows.add(std::make_unique<MatchWinnerPicker>());
  windows.add(std::make_unique<RandomNumberGenerator>());
  windows.add(std::make_unique<RatingsCalculator>());
  windows.add(std::make_unique<ColourDecoder>());
}

}  // namespace

bool openTournament(WindowRegistry& windows, TournamentShelf& tournaments, const QString& path) {
  const QString fileName = QFileInfo(path).fileName();
  TournamentShelf::Opened opened = tournaments.open(path, QStringLiteral("Open %1").arg(fileName));
  if (opened.problem.isEmpty()) {
    tournaments.setLastFolder(QFileInfo(path).absolutePath());
    tournaments.handOver(opened.window, opened.handed);
    windows.show(opened.window);
    return true;
  }
  // Said where a terminal shows it, and on the menu, where a double-click
  // in a file manager leaves the player.
  const QString why = QStringLiteral("Not opened: %1: %2").arg(fileName, opened.problem);
  std::fprintf(stderr, "torvak-utilities: %s: %s\n", qUtf8Printable(QDir::toNativeSeparators(path)),
               qUtf8Printable(opened.problem));
  windows.show(WindowName("MainMenu"));
  input_hint::say(windows.find(QStringLiteral("MainMenu"))->findControl("Command1"), why);
  return false;
}

void startProgram(WindowRegistry& windows, GimmickTableStore& gimmicks,
                  TournamentShelf& tournaments, const QString& file) {
  // The name also tells QStandardPaths where the user's own gimmick table is,
  // the same folder the table tool writes.
  table_location::nameApplication();
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Between unloading one window and showing the next, no window is open;
  // the program ends only through Quit or a title-bar close.
  QApplication::setQuitOnLastWindowClosed(false);
  fonts::registerBundledFaces(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
  fonts::installFallbacks();

  registerAllWindows(windows, gimmicks, tournaments);
  QObject::connect(&windows, &WindowRegistry::endRequested, &windows, [&windows] {
    windows.unloadAll();
    QCoreApplication::exit(0);
  });
  if (!file.isEmpty()) {
    openTournament(windows, tournaments, file);
    return;
  }
  windows.show(WindowName("MainMenu"));
}
