#pragma once

#include "shell/gimmick_file.h"

#include <QString>

#include <cstdint>

// What the whole program shares: the gimmick table read from data.dat.
namespace Module1 {

// Rows 1 to 156, fields 1 to 7; row 0 and field 0 are always empty.
extern gimmick_file::Table gim;
// 0 until the loader first runs; nothing resets it, so data.dat is read once.
extern std::int16_t loaded;

// Reads data.dat beside the executable, the first time only.
void LoadGimmicks();

// The loader itself, reading `directory`/data.dat the first time only.
void LoadGimmicksFrom(const QString& directory);

}  // namespace Module1
