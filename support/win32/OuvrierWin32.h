// Work on a thread of its own (CreateThread), awaited for a bounded time.
#pragma once

#include "Existence.h"

class OuvrierWin32 final : public Ouvrier {
  public:
    bool ExécuteDansLeDélai(std::function<void()> travail,
                            std::chrono::milliseconds délai) override;
};
