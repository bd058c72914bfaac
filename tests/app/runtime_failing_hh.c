/* A library whose HH reports a failed initialisation. */
#include <tolvanea/runtime.h>

TOLVANEA_RUNTIME_EXPORT RtBool HH(RuntimeRoot* root) {
    (void)root;
    return 0;
}
