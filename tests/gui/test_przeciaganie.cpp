#include "tests/gui/okno_gry.h"
