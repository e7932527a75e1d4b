// The game program's entry point.
#include "menu/myapp.h"

wxIMPLEMENT_APP(MyApp);
