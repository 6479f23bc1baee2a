#include "lunar/gregorian.h"
