#pragma once

// The drawing window lives in the library DellamyWindow beside the program, so that a
// command-line draw loads no GUI library at all. The library exports one C function,
// which creates the application and runs the window (see RunDrawingWindow).
inline constexpr char kWindowLibraryName[] = "DellamyWindow";
inline constexpr char kWindowEntryName[] = "DellamyRunWindow";
using WindowEntry = int (*)(int argc, char **argv);
