// Autorun: the program that runs first from the CD.
#include "common/win32/ComPtr.h"
#include "launcher/FrmInstall/FrmInstall.h"
#include "launcher/app/Application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        win32::ComApartment com;  // the background photograph is read through OLE
        launcher::Application app(instance);
        if (!launcher::FrmInstall::open(app)) return 1;
        return app.run();
    } catch (...) {
        return 1;
    }
}
