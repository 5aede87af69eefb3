// The current local time as an OLE Automation date.
#include "HorlogeWin32.h"

#include <windows.h>
#include <oleauto.h>

double HorlogeWin32::Maintenant() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    st.wMilliseconds = 0;
    double date = 0;
    SystemTimeToVariantTime(&st, &date);
    return date;
}
