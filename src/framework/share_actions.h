// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// A window with a result to share gives it as plain text for a forum post
// or a chat message. The framework then offers it "Copy as text"
// (Ctrl+Shift+C) and "Copy as picture" (Ctrl+Shift+P), by their keys and in
// its right-click menus (framework/context_menus.h). The clipboard changes
// only when a copy is chosen.
class SharesResult {
 public:
  virtual ~SharesResult() = default;
  virtual QString resultText() const = 0;
};

namespace share_actions {

// Gives the loaded window `frame` the two copies of `source`'s result.
void offer(QWidget* frame, const SharesResult& source);

}  // namespace share_actions
