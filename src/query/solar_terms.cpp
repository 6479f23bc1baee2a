#include "query/solar_terms.h"
