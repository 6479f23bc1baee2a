#include "lunar/lunar_calendar.h"
