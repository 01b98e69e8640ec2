// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/shared_random.h"

#include <deque>
#include <initializer_list>

// Queues the values the shared random sequence's next draws return, for as
// long as it lives; when the queue runs out, the draws go on with the
// sequence itself.
class ScopedRandomSource {
 public:
  ScopedRandomSource() {
    shared_random::setSource([this]() -> std::optional<float> {
      if (values_.empty()) return std::nullopt;
      const float value = values_.front();
      values_.pop_front();
      return value;
    });
  }
  ~ScopedRandomSource() { shared_random::setSource({}); }
  ScopedRandomSource(const ScopedRandomSource&) = delete;
  ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

  void queue(float value) { values_.push_back(value); }
  void queue(std::initializer_list<float> values) { values_.insert(values_.end(), values); }
  // How many queued values no draw has taken yet.
  int left() const { return static_cast<int>(values_.size()); }

  // The largest float below 1, the top of the sequence's range.
  static constexpr float kLargestBelowOne = 1.0f - 0x1p-24f;

 private:
  std::deque<float> values_;
};
