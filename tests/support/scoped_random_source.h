#pragma once

// The tests' door into the shared random sequence: the values queued here are
// what its next draws return, before it goes back to its own sequence. Only
// the test build of the sequence has these.
namespace shared_random {

void scriptNext(float value);
void clearScript();
int scriptedLeft();

// The largest float below 1, the top of the sequence's range.
inline constexpr float kLargestBelowOne = 1.0f - 0x1p-24f;

}  // namespace shared_random
