#include "support/RecordingDialogs.h"
