// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/generators/random_finisher_generator.h"

#include "rules/shared_random.h"

#include <QStringList>

namespace {

using namespace design;

constexpr const char* kStyles[] = {
    "Move",
    "Moniker + Move",
    "Adjective + Move",
    "Moniker + Adjective + Move",
    "Adjective + Moniker + Move",
    "Two Moves",
};

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind           text                         left   top  width height font                          tab
  {"Label1",   Kind::Label,   "Torvak Utilities",            720,    0, 6855, 615, {kShowcard, 26.25, Bold},     0, {.fore = kNavy}},
  {"Label2",   Kind::Label,   "Random Finisher Generator",  1680,  600, 5055, 375, {kShowcard, 15.75, Bold},     1, {.fore = kNavy}},
  {"Command1", Kind::Button,  "GENERATE",                   3000, 1920, 2535, 375, {kShowcard, 14.25, Regular},  2, {.accessible = "Generate a finisher name"}},
  {"Text1",    Kind::TextBox, "<Finisher Name>",            1680, 1080, 5055, 375, kDefaultFont,                 3, {.align = Align::Centre, .accessible = "Finisher name"}},
  {"Command2", Kind::Button,  "Back",                       3720, 2400, 1095, 255, kDefaultFont,                 4, {.accessible = "Back to the menu"}},
  {"Combo1",   Kind::Combo,   "Finisher Style",             2880, 1560, 2775, 315, kDefaultFont,                 5, {.items = kStyles, .accessible = "Finisher style"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign RandomFinisherGenerator::kDesign{
    "Finisher", "Random Finisher Generator", 8430, 2715, kControls};

namespace {

// clang-format off
constexpr const char* kAdjectives[100] = {
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

constexpr const char* kMonikers[100] = {
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

constexpr const char* kMoves[100] = {
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

// The words of each style, in the order they are drawn and joined.
enum class Word { Adjective, Moniker, Move };
struct Style {
  const char* name;
  std::array<Word, 3> words;
  int count;
};

constexpr Style kStyleWords[] = {
    {"Move", {Word::Move}, 1},
    {"Moniker + Move", {Word::Moniker, Word::Move}, 2},
    {"Adjective + Move", {Word::Adjective, Word::Move}, 2},
    {"Moniker + Adjective + Move", {Word::Moniker, Word::Adjective, Word::Move}, 3},
    {"Adjective + Moniker + Move", {Word::Adjective, Word::Moniker, Word::Move}, 3},
    {"Two Moves", {Word::Move, Word::Move}, 2},
};

void fill(std::array<QString, 101>& table, const char* const (&words)[100]) {
  for (int slot = 1; slot <= 100; ++slot) table[slot] = QString::fromUtf8(words[slot - 1]);
}

}  // namespace

void RandomFinisherGenerator::connectHandlers() {
  onClick("Command1", &RandomFinisherGenerator::Command1_Click);
  onClick("Command2", &RandomFinisherGenerator::Command2_Click);
}

void RandomFinisherGenerator::Form_Load() {
  fill(adjectives_, kAdjectives);
  fill(moves_, kMoves);
  fill(monikers_, kMonikers);
}

// A style is an exact, case-sensitive match of the whole text of the style
// box; any other text builds nothing and empties the result.
void RandomFinisherGenerator::Command1_Click() {
  const auto tableOf = [this](Word kind) -> const WordTable& {
    switch (kind) {
      case Word::Adjective:
        return adjectives_;
      case Word::Moniker:
        return monikers_;
      case Word::Move:
        break;
    }
    return moves_;
  };
  const QString style = text("Combo1");
  QStringList words;
  for (const Style& candidate : kStyleWords) {
    if (style != QLatin1String(candidate.name)) continue;
    // One draw per word, so the two moves of "Two Moves" may be the same word.
    for (int w = 0; w < candidate.count; ++w) {
      words << tableOf(candidate.words[w])[shared_random::wholeDraw(100)];
    }
  }
  setText("Text1", words.join(u' '));
}

void RandomFinisherGenerator::Command2_Click() { switchTo("MainMenu"); }
