#include "query/sexagenary.h"
