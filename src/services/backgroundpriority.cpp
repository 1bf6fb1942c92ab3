#include "services/backgroundpriority.h"

#include <sys/resource.h>
#include <unistd.h>

void lowerThreadPriority()
{
    // The nice value belongs to each thread on Linux. A thread that cannot lower it (it is
    // already lower) just goes on as it is.
    constexpr int BackgroundNice = 10;
    const int current = getpriority(PRIO_PROCESS, gettid());
    if (current < BackgroundNice)
        setpriority(PRIO_PROCESS, gettid(), BackgroundNice);
}
