// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The windows name faces a Linux desktop rarely has. Each is mapped to a face
// that keeps its look and that the set-up installs from Debian's packages;
// where the named face is installed, it is used as it is.
namespace fonts {

void installFallbacks();

// Registers with the application every face in `folder`: the Windows package
// carries the free fallback faces in a fonts folder beside the program, since
// Windows has none of them. Returns the families registered; a missing
// folder registers nothing.
QStringList registerBundledFaces(const QString& folder);

}  // namespace fonts
