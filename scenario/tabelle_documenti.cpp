#include "scenario/tabelle_documenti.h"
