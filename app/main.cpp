// Tavlen's entry: the application object, the comparison window and the
// message loop.
#include "gui/Application.h"
#include "gui/Exception.h"
#include "src/Files.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        Application.Initialize();
        Application.Title = "Tavlen";
        FilesForm = new TFilesForm();
        Application.Run();
    } catch (const std::exception& e) {
        Application.ShowException(e);
    }
    delete FilesForm;
    FilesForm = nullptr;
    return 0;
}
