// The game program's entry point.
#include <cstdlib>

#include "menu/myapp.h"

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv)
{
    // The game draws and reads its windows as an X client: on a Wayland
    // session it runs through XWayland, unless the user chose a backend.
    setenv("GDK_BACKEND", "x11", 0);
    return wxEntry(argc, argv);
}
