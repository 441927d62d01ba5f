#include "tests/e2e/process_memory.h"

// K32GetProcessMemoryInfo in kernel32: no psapi.dll needed.
#include <psapi.h>

bool ReadMemoryUse(HANDLE process, MemoryUse* use)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        return false;
    use->workingSet = counters.WorkingSetSize;
    use->pagefileUsage = counters.PagefileUsage;
    return true;
}

std::string Describe(const MemoryUse& use)
{
    return "working set " + std::to_string(use.workingSet / 1024) + " KiB, pagefile " +
           std::to_string(use.pagefileUsage / 1024) + " KiB";
}
