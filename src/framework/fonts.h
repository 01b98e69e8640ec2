#pragma once

// The windows name faces a Linux desktop rarely has. Each is mapped to a face
// that keeps its look and that the set-up installs from Debian's packages;
// where the named face is installed, it is used as it is.
namespace fonts {

void installFallbacks();

}  // namespace fonts
