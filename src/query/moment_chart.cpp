#include "query/moment_chart.h"
