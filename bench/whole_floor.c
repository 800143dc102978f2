/* The floor of the whole-process benchmarks: a plain C program that holds
 * the RTF of a document in its memory and writes it to a file, nothing more.
 * It reads the bytes from REF into fresh memory first (as a generator fills
 * fresh memory with them), then writes them with one write. --durable takes
 * the steps a durable save takes: a temporary file beside OUT, flushed to
 * stable storage, renamed over OUT, the folder flushed. --mapped writes
 * straight from a mapping of REF instead, so that no fresh memory is touched
 * at all: the least a process can do to write these bytes. --peak prints the
 * peak resident size ("peak_kb N"). Usage:
 *   velrtf_whole_floor [--durable] [--mapped] [--peak] REF OUT */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "peak.h"

static int WriteAll(int fd, const char* data, size_t length)
{
    while (length > 0) {
        ssize_t n = write(fd, data, length);
        if (n <= 0) return 0;
        data += n;
        length -= (size_t)n;
    }
    return 1;
}

static int SyncFolderOf(const char* path)
{
    char folder[4096];
    const char* slash = strrchr(path, '/');
    if (!slash) strcpy(folder, ".");
    else snprintf(folder, sizeof folder, "%.*s", (int)(slash - path + 1), path);
    int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    int ok = fsync(fd) == 0;
    close(fd);
    return ok;
}

int main(int argc, char** argv)
{
    int durable = 0, mapped = 0, peak = 0, arg = 1;
    for (; arg < argc && argv[arg][0] == '-'; ++arg) {
        if (strcmp(argv[arg], "--durable") == 0) durable = 1;
        else if (strcmp(argv[arg], "--mapped") == 0) mapped = 1;
        else if (strcmp(argv[arg], "--peak") == 0) peak = 1;
        else break;
    }
    if (argc - arg != 2) {
        fprintf(stderr, "usage: %s [--durable] [--mapped] [--peak] REF OUT\n", argv[0]);
        return 2;
    }
    const char* ref = argv[arg];
    const char* out = argv[arg + 1];

    int in = open(ref, O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (in < 0 || fstat(in, &info) != 0) return 1;
    size_t size = (size_t)info.st_size;
    char* bytes;
    if (mapped) {
        bytes = size ? mmap(NULL, size, PROT_READ, MAP_PRIVATE, in, 0) : NULL;
        if (bytes == MAP_FAILED) return 1;
    } else {
        bytes = malloc(size ? size : 1);
        if (!bytes) return 1;
        for (size_t got = 0; got < size;) {
            ssize_t n = read(in, bytes + got, size - got);
            if (n <= 0) return 1;
            got += (size_t)n;
        }
    }
    close(in);

    char temp[4096];
    snprintf(temp, sizeof temp, "%s.floor-%ld.tmp", out, (long)getpid());
    const char* target = durable ? temp : out;
    int fd = open(target, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || !WriteAll(fd, bytes, size)) return 1;
    if (durable && fsync(fd) != 0) return 1;
    if (close(fd) != 0) return 1;
    if (durable && (rename(temp, out) != 0 || !SyncFolderOf(out))) return 1;
    if (!mapped) free(bytes);
    if (peak) PrintPeak();
    return 0;
}
