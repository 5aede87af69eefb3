// The clock port over the system's local time.
#pragma once

#include "Ports.h"

class HorlogeWin32 : public Horloge {
  public:
    // GetLocalTime as an OLE Automation date, to the second.
    double Maintenant() override;
};
