// The configuration store is written inline in config.h, over the platform layer alone.
#include "forms/settings.h"
