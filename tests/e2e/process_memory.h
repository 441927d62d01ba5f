// How much memory another process holds, as Windows reports it. Under Wine
// only the working set and the pagefile usage come across processes (no
// private bytes); a figure the system does not give reads as 0.
#ifndef TUSCHELPOST_TESTS_E2E_PROCESS_MEMORY_H
#define TUSCHELPOST_TESTS_E2E_PROCESS_MEMORY_H

#include <windows.h>

#include <string>

struct MemoryUse {
    SIZE_T workingSet;
    SIZE_T pagefileUsage;
};

// False when the system gives no figures for the process.
bool ReadMemoryUse(HANDLE process, MemoryUse* use);

// "working set 5120 KiB, pagefile 2048 KiB", for messages and printed figures.
std::string Describe(const MemoryUse& use);

#endif
