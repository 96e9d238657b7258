// Program entry: build the main window from its definition and run.

#include <cstdio>
#include <exception>

#include "app/main_form.h"
#include "toolkit/application.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    RegisterProgramClasses();
    try {
        application.CreateForm(MainForm, MainFormDefinition);
    } catch (const std::exception& e) {
        // Without its window the program has nothing to show: say why and stop.
        std::fprintf(stderr, "zk-wave-410-settings: cannot build the main window: %s\n", e.what());
        application.MessageBox(String("The main window cannot be built:\n") + e.what(), "Settings", MB_OK | MB_ICONERROR);
        return 1;
    }
    return application.Run();
}
