#include "query/four_pillars.h"
