#pragma once

// Dellamy without command-line arguments: creates the application, binds the codec,
// opens the project named in EditProject.ini in TRandForm and runs the event loop.
// Returns the program's exit code (0 also when the start-up ended the program on
// purpose, e.g. a missing project or a cancelled password).
int RunDrawingWindow(int argc, char **argv);
