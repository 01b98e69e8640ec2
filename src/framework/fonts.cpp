// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/fonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace fonts {

void installFallbacks() {
  struct Fallback {
    const char* face;
    const char* substitute;
  };
  static constexpr Fallback kFallbacks[] = {
      {"Showcard Gothic", "Bebas Neue"},        // poster capitals (fonts-bebas-neue)
      {"Snap ITC", "Cherry Bomb"},              // round and playful (fonts-cherrybomb)
      {"Stamford Heavy SF", "League Spartan"},  // heavy geometric sans (fonts-league-spartan)
      {"Arial", "Liberation Sans"},             // same metrics as Arial (fonts-liberation2)
  };
  // A substitute is only tried when the named face itself is not found, and
  // asking for it here would make Qt scan every installed font at start-up.
  for (const Fallback& f : kFallbacks) {
    QFont::insertSubstitution(QString::fromUtf8(f.face), QString::fromUtf8(f.substitute));
  }

  // The default dialog font of every control that names none.
  QFont dialog(QStringLiteral("Arial"));
  dialog.setPointSizeF(7.5);
  QApplication::setFont(dialog);
}

QStringList registerBundledFaces(const QString& folder) {
  QStringList families;
  const QDir dir(folder);
  const QStringList faces = {QStringLiteral("*.otf"), QStringLiteral("*.ttf")};
  for (const QFileInfo& face : dir.entryInfoList(faces, QDir::Files, QDir::Name)) {
    const int id = QFontDatabase::addApplicationFont(face.absoluteFilePath());
    if (id >= 0) families += QFontDatabase::applicationFontFamilies(id);
  }
  families.removeDuplicates();
  return families;
}

}  // namespace fonts
