// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/generators/wrestler_name_generator.h"

#include "rules/shared_random.h"

#include <span>

namespace {

using namespace design;

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind             text                       left   top  width height font                      tab
  {"Label1",   Kind::Label,    "Torvak Utilities",          120,  120, 6855, 615, {kShowcard, 26.25, Bold}, 0, {.fore = kNavy}},
  {"Label2",   Kind::Label,    "Wrestler Name Generator",  1200,  840, 4575, 375, {kShowcard, 14.25, Bold}, 1, {.fore = kNavy}},
  {"Text1",    Kind::TextBox,  "",                         2280, 1320, 2775, 375, kDefaultFont,             2, {.align = Align::Left, .accessible = "Wrestler name"}},
  {"Command1", Kind::Button,   "GENERATE",                 2400, 1800, 2535, 375, kDefaultFont,             3, {.accessible = "Generate a wrestler name"}},
  {"Command2", Kind::Button,   "Back",                     3240, 2280,  855, 255, kDefaultFont,             4, {.accessible = "Back to the menu"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign WrestlerNameGenerator::kDesign{"NameGen", "Wrestler Name Generator",
                                                            6975, 2595, kControls};

namespace {

// clang-format off
constexpr const char* kFirstNames[] = {
  "Adam", "Adrian", "Abe", "Aaron", "Angus", "Barry", "Bill", "Bob", "Bret", "Ben",
  "Brad", "Billy", "Bobby", "Chris", "Charles", "Charlie", "Carl", "Carlos", "Cory", "Dan",
  "Danny", "Dick", "Derek", "Dave", "Davey", "Denzel", "Daniel", "Eddie", "Ed", "Edward",
  "Eric", "Frank", "Frankie", "Garry", "Greg", "Graham", "Gareth", "Harry", "Harold", "Ian",
  "Jim", "Jack", "Joe", "Joey", "Jimmy", "James", "Jamie", "Jay", "Julien", "Jules",
  "Karl", "Kent", "Liam", "Luke", "Larry", "Lenny", "Mark", "Matt", "Matthew", "Mike",
  "Michael", "Martin", "Marty", "Nick", "Nicky", "Oliver", "Paul", "Paolo", "Phil", "Philip",
  "Andrew", "Andy", "Roy", "Roger", "Rob", "Robbie", "Robin", "Rick", "Randy", "Reg",
  "Ricky", "Ray", "Sam", "Sammy", "Samuel", "Sandy", "Sabre", "Sonny", "Tim", "Tom",
  "Timmy", "Tommy", "Ted", "Telfer", "Terry", "Uriah", "Will", "William", "Walter", "Xander",
  "Alan", "Dale", "Ally", "Dirk", "Aidan", "Declan", "Jethro", "Leon", "Niall", "Neil",
  "Zander", "Jacob", "Josh", "Joshua", "Chad", "Page", "Bubba", "Jean", "Shane", "Shaun",
  "Sean", "Shawn", "Steve", "Steven", "Seth", "Scott", "Scotty", "Lance", "Kevin", "Kev",
  "Justin", "Jon", "John", "Jonathon", "Johnny", "Jonny", "Alex", "Anthony", "Antonio", "Bert",
  "Bart", "Brandon", "Brian", "Bryan", "Christian", "Dennis", "Russ", "Russel", "Dylan", "Evan",
};

constexpr const char* kSurnames[] = {
  "Smith", "Chaos", "Stevens", "Stephenson", "Darryl", "Peterson", "Paterson", "Clark", "Clarkson", "Francoise",
  "Rennie", "Yang", "Flair", "Davidson", "Keates", "Benson", "Natt", "Archibald", "Rodman", "Kimo",
  "Cinner", "Keith", "Dex", "Bessel", "Darius", "Young", "Oldman", "Akre", "Houdini", "Marks",
  "Marriot", "Boardman", "Tyler", "Pedrag", "Jones", "Logan", "Jackson", "Armstrong", "Sputnik", "Roller",
  "Dabizaz", "Lucer", "Walters", "Sydal", "Brown", "McMahon", "MacDonald", "Steel", "Daring", "Darling",
  "Rude", "Danger", "Mickelson", "Johnson", "Nathans", "Halle", "Beckham", "Marcus", "Kirkham", "Hallem",
  "Hunter", "Butcher", "Wright", "Wainwright", "Theodore", "Williams", "Death", "Suicide", "Harrison", "Fox",
  "Christian", "Daniels", "Damien", "Fredericks", "Gregory", "Grunge", "Xavier", "Redman", "Knowells", "King",
  "Duke", "Prince", "Hanson", "Branston", "Kirk", "Packwood", "Simpson", "Stimpson", "Gray", "Grey",
  "Black", "White", "Melbourne", "America", "Ricks", "Barewell", "Wells", "Dutch", "Caymen", "Bale",
};
// clang-format on

constexpr WrestlerNameGenerator::Route kRoutes[] = {{"Command2", "MainMenu"}};

// A word drawn from a table: the draw gives 1 to the table's size.
QString drawnFrom(std::span<const char* const> table) {
  const int size = static_cast<int>(table.size());
  return QString::fromUtf8(table[shared_random::wholeDraw(size) - 1]);
}

}  // namespace

void WrestlerNameGenerator::connectHandlers() {
  onClick("Command1", &WrestlerNameGenerator::Command1_Click);
  connectRoutes(kRoutes);
}

// The one place the program seeds its random sequence, at every load.
void WrestlerNameGenerator::Form_Load() {
  shared_random::reseed(shared_random::secondsSinceMidnight());
}

// The first name is always drawn before the surname.
void WrestlerNameGenerator::Command1_Click() {
  const QString first = drawnFrom(kFirstNames);
  const QString surname = drawnFrom(kSurnames);
  setText("Text1", first + " " + surname);
}

QString WrestlerNameGenerator::resultText() const {
  return result_text::labelled("Wrestler name:", text("Text1"));
}
