#include "lunar/lunar_date_text.h"
