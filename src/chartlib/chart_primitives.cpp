#include "chartlib/chart_primitives.h"
