#include "entry.h"
#include "overdrive.h"

ZU_PLUGIN_ENTRY(Overdrive)
