#pragma once

#include <QString>

// Why a project name cannot become the file name Data/Projects/<name>.rpj, or an empty
// text when it can: path separators, characters a file name cannot hold on the
// platforms the suite runs on, control characters, a name of spaces only. A name
// holding ".." is refused here as well, so nothing can lead out of the project folder.
QString ProjectNameFileProblem(const QString &name);
