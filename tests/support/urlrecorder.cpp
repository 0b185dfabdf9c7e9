#include "tests/support/urlrecorder.h"
