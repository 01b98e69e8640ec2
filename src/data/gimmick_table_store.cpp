// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_table_store.h"

#include "data/gimmick_loader.h"
#include "data/table_location.h"

#include <utility>

GimmickTableStore::GimmickTableStore()
    : GimmickTableStore([] {
        return loadGimmickTable(table_location::userTablePath(), gimmickDataDirectory());
      }) {}

GimmickTableStore::GimmickTableStore(Loader loader) : loader_(std::move(loader)) {}

void GimmickTableStore::loadOnce() {
  if (loaded_) return;
  loaded_ = true;  // before loading: a failed load is not retried either
  table_ = loader_();
}
