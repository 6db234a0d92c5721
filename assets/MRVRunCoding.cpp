// MRVRunCoding.cpp: the texts of the run-list faults.
#include "assets/MRVRunCoding.h"

namespace MRVRunCoding
{

const char* RunFaultText(RunFault fault)
{
    switch (fault)
    {
    case RUNFAULT_NONE:
        return "a valid run list";
    case RUNFAULT_NO_END:
        return "run list ends without an end record";
    case RUNFAULT_RECORD_CUT_SHORT:
        return "run record cut short";
    case RUNFAULT_UNKNOWN_TYPE:
        return "unknown run type";
    case RUNFAULT_PIXELS_CUT_SHORT:
        return "opaque run's pixels cut short";
    case RUNFAULT_EMPTY_RUN:
        return "run of 0 positions";
    case RUNFAULT_PAST_PICTURE:
        return "run reaches past the picture's last position";
    case RUNFAULT_TOO_FEW_POSITIONS:
        return "runs end before the picture's last position";
    }
    return "unknown fault";
}

} // namespace MRVRunCoding
