#ifndef CONFIG_H
#define CONFIG_H
#include "platform.h"
#endif
