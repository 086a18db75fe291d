#include "entry.h"
#include "lofi.h"

ZU_PLUGIN_ENTRY(LoFi)
