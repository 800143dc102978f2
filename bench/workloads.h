/* The two whole documents that the whole-process and warm benchmarks build,
 * through the public API only, as a host builds them. */
#ifndef VELRTF_BENCH_WORKLOADS_H
#define VELRTF_BENCH_WORKLOADS_H

#include "velrtf.h"

#ifdef __cplusplus
extern "C" {
#endif

/* 100,000 short paragraphs in one font; every tenth has a bold word and a
 * word in red or blue (the only two colors). */
void BuildParagraphs(HVELDOC doc);
/* 20,000 rows of 5 cells ruled below, each cell holding a short text. */
void BuildTable(HVELDOC doc);

#ifdef __cplusplus
}
#endif

#endif
