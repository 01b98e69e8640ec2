#include "generators/finisher.h"

#include "common/shared_random.h"

namespace {

using namespace layout;

constexpr const char* kStyles[] = {
    "Move",
    "Moniker + Move",
    "Adjective + Move",
    "Moniker + Adjective + Move",
    "Adjective + Moniker + Move",
    "Two Moves",
};

// clang-format off
constexpr Control kControls[] = {
  // name        kind           text                         left   top  width height font                          tab
  {"Label1",   Kind::Label,   "Torvak Utilities",            720,    0, 6855, 615, {kShowcard, 26.25, Bold},     0, {.fore = kNavy}},
  {"Label2",   Kind::Label,   "Random Finisher Generator",  1680,  600, 5055, 375, {kShowcard, 15.75, Bold},     1, {.fore = kNavy}},
  {"Command1", Kind::Button,  "GENERATE",                   3000, 1920, 2535, 375, {kShowcard, 14.25, Regular},  2, {.accessible = "Generate a finisher name"}},
  {"Text1",    Kind::TextBox, "<Finisher Name>",            1680, 1080, 5055, 375, kDefaultFont,                 3, {.align = Align::Centre, .accessible = "Finisher name"}},
  {"Command2", Kind::Button,  "Back",                       3720, 2400, 1095, 255, kDefaultFont,                 4, {.accessible = "Back to the menu"}},
  {"Combo1",   Kind::Combo,   "Finisher Style",             2880, 1560, 2775, 315, kDefaultFont,                 5, {.items = kStyles, .accessible = "Finisher style"}},
};
// clang-format on

constexpr Design kDesign{"Finisher", "Random Finisher Generator", 8430, 2715, kControls};

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

void fill(std::array<QString, 101>& table, const char* const (&words)[100]) {
  for (int slot = 1; slot <= 100; ++slot) table[slot] = QString::fromUtf8(words[slot - 1]);
}

}  // namespace

Finisher::Finisher() : Window(kDesign) {}

void Finisher::connectHandlers() {
  onClick("Command1", &Finisher::Command1_Click);
  onClick("Command2", &Finisher::Command2_Click);
}

void Finisher::Form_Load() {
  fill(Adjectives, kAdjectives);
  fill(Moves, kMoves);
  fill(Monikers, kMonikers);
}

// Each style is its own exact, case-sensitive comparison with the whole text
// of the style box; any other text builds nothing and empties the result.
void Finisher::Command1_Click() {
  FinisherName.clear();
  const QString style = text("Combo1");
  if (style == "Move") {
    AddMove();
  }
  if (style == "Two Moves") {
    AddMove();
    FinisherName += " ";
    AddMove();
  }
  if (style == "Moniker + Move") {
    AddMoniker();
    FinisherName += " ";
    AddMove();
  }
  if (style == "Adjective + Move") {
    AddAdjective();
    FinisherName += " ";
    AddMove();
  }
  if (style == "Moniker + Adjective + Move") {
    AddMoniker();
    FinisherName += " ";
    AddAdjective();
    FinisherName += " ";
    AddMove();
  }
  if (style == "Adjective + Moniker + Move") {
    AddAdjective();
    FinisherName += " ";
    AddMoniker();
    FinisherName += " ";
    AddMove();
  }
  ShowName();
}

void Finisher::Command2_Click() { switchTo("MainMenu"); }

void Finisher::AddAdjective() { addWord(Adjectives); }
void Finisher::AddMoniker() { addWord(Monikers); }
void Finisher::AddMove() { addWord(Moves); }

// One draw per word, so the two moves of "Two Moves" may be the same word.
void Finisher::addWord(const WordTable& table) {
  WordIndex = static_cast<std::int16_t>(shared_random::wholeDraw(100));
  FinisherName += table[WordIndex];
}

void Finisher::ShowName() { setText("Text1", FinisherName); }
