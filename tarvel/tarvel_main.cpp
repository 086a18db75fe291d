#include "entry.h"
#include "tarvel2.h"

ZU_PLUGIN_ENTRY(Tarvel2)
