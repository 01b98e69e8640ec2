// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/output.h"

#include <QDir>

namespace command_line {

bool print(const QByteArray& bytes, FILE* stream) {
  return std::fwrite(bytes.constData(), 1, bytes.size(), stream) ==
             static_cast<size_t>(bytes.size()) &&
         std::fflush(stream) == 0;
}

bool print(const QString& text, FILE* stream) { return print(text.toUtf8(), stream); }

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace command_line
