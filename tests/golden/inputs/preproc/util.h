#include "config.h"
#if defined(WIN32) || LEVEL > 1
int util(void);
#endif
