// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/finisher_names.h"

#include <QStringList>

#include <array>
#include <iterator>
#include <span>

namespace finisher_names {
namespace {

// clang-format off
constexpr const char* kAdjectives[] = {
  "Twisting", "Top-Rope", "Second-Rope", "Flying", "Corkscrew", "Inverted", "Giant", "Slingshot", "Springboard", "Split-Legged",
  "Spike", "German", "Overhead", "Diving", "Reverse", "540", "360", "180", "720", "High",
  "Head", "Spinning", "Super", "Standing", "Double", "Sit-Out", "Triple", "Dangerous", "Hotshot", "Stepover",
  "Horizontal", "Vertical", "Textbook", "Judo", "Latin", "Latino", "Leaping", "Rolling", "Running", "Crouching",
  "Rising", "Spiked", "Jumping", "Hanging", "Somersault", "Cartwheel", "Pumphandle", "Rear", "Sky", "Boston",
  "Japanese", "Oriental", "Orange", "Vice", "Hangtime", "Underhook", "Double Underhook", "Half", "Back", "Crossed",
  "Forward", "Bridging", "Falling", "Senton", "Power", "Tilt-A-Whirl", "Backflip", "Frontflip", "Turnbuckle", "Handspring",
  "Base", "Burning", "Face-First", "Rotating", "Driving", "Gut", "Vicious", "Sweeping", "Hard", "Sliding",
  "Implant", "Frontal", "Surprise", "Shock", "Aerial", "Backwards", "Head-First", "Swinging", "Tornado", "Whiplash",
  "Busted", "Killing", "Firebird", "Holding", "Broken", "Floatover", "Black", "Mexican", "Stretch", "Calling",
};

constexpr const char* kMonikers[] = {
  "Bonecrushing", "Massive", "Insane", "Sick", "Madness", "Straight-Edge", "Devastating", "Colombian", "Indian", "Texas",
  "Powerclaw", "Ripsaw", "Sawtooth", "Jaguar", "100mph", "Bullet", "Speeding Bullet", "Freight", "Drastic", "Satanic",
  "Satan's", "Evil", "Kindred", "Cleaver", "Deadly", "Master", "Future", "Ripcurl", "Waverider", "Demonic",
  "Spawn", "Caesar", "Emporer", "Royal", "Backlash", "Minion", "Beserk", "Beserker", "Wildfire", "Stormforce",
  "Galeforce", "Tiger", "Turbine", "Generator", "Torvak", "Chaotic", "Mystery", "Sidewinder", "Missile", "Dragon",
  "Gustav", "Russian", "Terror", "Horror", "Fear", "Doom", "Last", "Momentous", "Chimera", "Wyvern",
  "Wicked", "Warped", "Sick", "Lukewarm", "Tarantula", "Spider", "Snake", "Whiplash", "Spike", "Studded",
  "Force 9", "10.0", "Five Star", "Harlem", "Chick", "RIP", "KO", "Knockout", "TKO", "Flopper",
  "Oxen", "Axe", "Sabre", "Knife Edge", "Knife", "Blade", "Bladerunner", "Icepick", "Ice", "Fire",
  "Inferno", "Flame", "Nuclear", "Bomber", "A-Class", "Spinemelter", "Pure", "Extreme", "Xtreme", "Donkey",
};

constexpr const char* kMoves[] = {
  "Piledriver", "Crush", "Clothesline", "Lariat", "Superkick", "Hurracanrana", "Backbreaker", "Neckbreaker", "Backdrop", "Powerbomb",
  "Whip", "Dropkick", "Sideslam", "Slam", "Bodyslam", "Punch", "Suplex", "Dive", "Belly-to-Belly", "Plancha",
  "Moonsault", "Slingshot", "Bodyslam", "Press Slam", "Frankensteiner", "Leg Drop", "Knee Drop", "Elbow Drop", "Splash", "Crucifix",
  "Powerslam", "Spear", "Splash Mountain Bomb", "DDT", "Piledriver", "Driver", "Drop", "Sambo Suplex", "Sidewalk Slam", "Rana",
  "Senton Bomb", "Frog Splash", "Bulldog", "Facebuster", "Right Hand", "Punch", "Jawbreaker", "Gourdbuster", "Headbutt", "Tornado DDT",
  "Atomic Drop", "Leglock", "Figure 4", "Banzai Drop", "Arm Drag", "Backdrop", "Backslide", "Cannonball", "Crossbody", "Chokeslam",
  "Tombstone", "Flapjack", "Headscissors", "Sleeper", "Fireman's Carry", "Crab", "Press", "Hip Toss", "Spike", "Hammer",
  "Plancha", "Kick", "Salto", "Hold", "Superplex", "Flip", "Buster", "Tackle", "Uppercut", "Armbar",
  "Smash", "Bash", "Blaster", "Breaker", "Clothesline", "Fist Drop", "Nelson", "Gutbuster", "Peak", "Senton",
  "Toe-Hold", "Northern Lights Suplex", "Trifecta", "Swandive", "Knee", "Chop", "Clasp", "Blast", "Suite", "Crusher",
};
// clang-format on

enum class Word { Adjective, Moniker, Move };

// The words of a style, in the order they are drawn and joined.
struct Style {
  const char* name;
  std::array<Word, 3> words;
  int count;
};

constexpr Style kStyleWords[] = {
    {kStyles[0], {Word::Move}, 1},
    {kStyles[1], {Word::Moniker, Word::Move}, 2},
    {kStyles[2], {Word::Adjective, Word::Move}, 2},
    {kStyles[3], {Word::Moniker, Word::Adjective, Word::Move}, 3},
    {kStyles[4], {Word::Adjective, Word::Moniker, Word::Move}, 3},
    {kStyles[5], {Word::Move, Word::Move}, 2},
};
static_assert(std::size(kStyleWords) == std::size(kStyles));

std::span<const char* const> tableOf(Word word) {
  switch (word) {
    case Word::Adjective:
      return kAdjectives;
    case Word::Moniker:
      return kMonikers;
    case Word::Move:
      break;
  }
  return kMoves;
}

}  // namespace

QString compose(const QString& style, const Draw& draw) {
  QStringList words;
  for (const Style& candidate : kStyleWords) {
    if (style != QLatin1String(candidate.name)) continue;
    for (int w = 0; w < candidate.count; ++w) {
      const std::span<const char* const> table = tableOf(candidate.words[w]);
      words << QString::fromUtf8(table[draw(static_cast<int>(table.size())) - 1]);
    }
  }
  return words.join(u' ');
}

}  // namespace finisher_names
