#include "entry.h"
#include "tremolo.h"

ZU_PLUGIN_ENTRY(Tremolo)
