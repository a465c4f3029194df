// Quillmap.exe: the database program of the GPS gauge.
#include "QuillmapApp.h"

#include <windows.h>

namespace {
quillmap::QuillmapApp application;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return application.Run();
}
