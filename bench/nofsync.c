/* For the whole-process benchmark only: preloaded into a host, it turns
 * fsync into a no-op, so that the host's time without the flush to stable
 * storage can be set beside the plain floor's. Never part of a product. */
#include <unistd.h>

int fsync(int fd)
{
    (void)fd;
    return 0;
}
