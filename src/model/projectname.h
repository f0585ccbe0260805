#pragma once

#include <QString>
#include <QStringList>

// A project's name is also the stem of its file Data/Projects/<name>.rpj. The wizard
// checks a new name, the menu a renamed one and the manager an imported one with the
// same rules and messages.

// Why a name cannot become the file name Data/Projects/<name>.rpj, or an empty text when
// it can: a name of spaces only, a space at either end, control characters (U+0000–U+001F,
// U+007F–U+009F), path separators and characters a file name cannot hold on the platforms
// the suite runs on, more than 100 characters, "..". Imported names are held to this
// alone, since an older installation allowed points in names.
QString ProjectNameFileProblem(const QString &name);

// Every reason a name typed by the user cannot be used, in the order the user is told
// them: empty, taken by another project (`otherNames`, compared exactly), holding a
// point, then the file-name problem. Empty when the name can be used.
QStringList ProjectNameProblems(const QString &name, const QStringList &otherNames);
