// The settings program's start-up, stopped at its first idle moment after
// the main window's first paint. Prints the CLOCK_MONOTONIC time then.

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/main_form.h"
#include "toolkit/application.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    RegisterProgramClasses();
    application.CreateForm(MainForm, MainFormDefinition);
    application.OnIdle = [](TObject*, bool&) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first_paint_ns=%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        std::_Exit(0);
    };
    return application.Run();
}
