/* Prints the peak resident size of this process, as "peak_kb N" on standard
 * output, for the whole-process benchmark. It reads VmHWM, the peak of this
 * program's own memory: the rusage of a child also counts the memory of the
 * process that started it, as it was before the program was loaded. */
#ifndef VELRTF_BENCH_PEAK_H
#define VELRTF_BENCH_PEAK_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static inline void PrintPeak(void)
{
    FILE* status = fopen("/proc/self/status", "r");
    char line[256];
    long kb = 0;
    while (status && fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmHWM:", 6) == 0) {
            kb = strtol(line + 6, NULL, 10);
            break;
        }
    }
    if (status) fclose(status);
    printf("peak_kb %ld\n", kb);
}

#endif
