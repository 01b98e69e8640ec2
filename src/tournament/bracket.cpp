#include "tournament/bracket.h"

void Bracket::advance(const char* from, const char* into) { setText(into, text(from)); }

void Bracket::settleFinal(const char* champion, const char* other, const char* winnerBox,
                          const char* runnerUpBox) {
  // Both texts are read first, so the order of the two writes never matters.
  const QString winner = text(champion);
  const QString runnerUp = text(other);
  setText(winnerBox, winner);
  setText(runnerUpBox, runnerUp);
}

void Bracket::emptySlots(int count) {
  for (int slot = 1; slot <= count; ++slot) setText(QStringLiteral("Text%1").arg(slot), QString());
}
