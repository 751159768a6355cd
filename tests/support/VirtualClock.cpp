#include "support/VirtualClock.h"
