#include "query/query_driver.h"
