#pragma once

#include <fstream>
#include <string>

// The resident memory of this process in KiB, as the kernel counts it (VmRSS); 0 if unknown.
inline long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}
