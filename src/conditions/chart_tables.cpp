#include "conditions/chart_tables.h"
