#pragma once

#include <string_view>

// The drawing window lives in the library DellamyWindow beside the program, so that a
// command-line draw loads no GUI library at all. The library exports one C function,
// which creates the application and runs the window (see RunDrawingWindow).
inline constexpr char kWindowLibraryName[] = "DellamyWindow";
inline constexpr char kWindowEntryName[] = "DellamyRunWindow";
using WindowEntry = int (*)(int argc, char **argv);

// "--float" anywhere among the arguments starts the quick-draw bar, which lives in the
// window library too.
inline bool AsksForQuickDrawBar(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--float")
            return true;
    }
    return false;
}

// Arguments that open a window rather than draw on the command line: the phone remote
// (`--remote`) needs the window to draw in; `--float` is the quick-draw bar.
inline bool ArgumentsOpenWindow(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--remote")
            return true;
    }
    return argc <= 1 || AsksForQuickDrawBar(argc, argv);
}
