// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The data file's text is Windows-1252, one byte a character. Qt decodes it
// only where it was built with ICU, so the program carries its own table.
namespace windows1252 {

QString decode(QByteArrayView bytes);

// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> encode(const QString& text);

}  // namespace windows1252
