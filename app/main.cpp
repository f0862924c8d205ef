// The game's entry: one application, its main loop, then an orderly shutdown. The arguments are
// ignored; the exit status is 1 when the window could not be opened, else 0.
#include "app/Application.h"

#include <SDL.h> // where SDL brings its own start-up code, it renames main for it

int main(int, char**)
{
    Application* application = Application::instance();
    const bool hasWindow = application->hasWindow();
    if (hasWindow)
        application->run();
    Application::destroyInstance();
    return hasWindow ? 0 : 1;
}
