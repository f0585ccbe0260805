#pragma once

// Dellamy --float [--project NAME] [--appdir DIR]: creates the application and runs the
// quick-draw bar for NAME (default: the drawing window's default project, EditProject.ini)
// until its menu's "退出". Bad arguments: a message on stderr and exit status 2.
int RunQuickDrawBar(int argc, char **argv);
