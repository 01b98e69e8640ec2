#include "shell/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace fonts {

void installFallbacks() {
  struct Fallback {
    const char* face;
    const char* substitute;
  };
  static constexpr Fallback kFallbacks[] = {
      {"Showcard Gothic", "Bebas Neue"},         // poster capitals (fonts-bebas-neue)
      {"Snap ITC", "Cherry Bomb"},               // round and playful (fonts-cherrybomb)
      {"Stamford Heavy SF", "League Spartan"},   // heavy geometric sans (fonts-league-spartan)
      {"Arial", "Liberation Sans"},              // same metrics as Arial (fonts-liberation2)
  };
  const QStringList installed = QFontDatabase::families();
  for (const Fallback& f : kFallbacks) {
    const QString face = QString::fromUtf8(f.face);
    if (!installed.contains(face)) QFont::insertSubstitution(face, QString::fromUtf8(f.substitute));
  }

  // The default dialog font of every control that names none.
  QFont dialog(QStringLiteral("Arial"));
  dialog.setPointSizeF(8.25);
  QApplication::setFont(dialog);
}

}  // namespace fonts
