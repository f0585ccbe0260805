#pragma once

#include <QString>
#include <QStringList>

// The desktop's autostart entry of the quick-draw bar (the XDG autostart folder, by
// default ~/.config/autostart/).
QString AutostartEntryPath();
bool AutostartEntryExists();
// Writes the entry that starts `program` with `arguments` at login (atomically); throws
// SuiteError when it cannot be written.
void WriteAutostartEntry(const QString &program, const QStringList &arguments);
// Removes the entry; throws SuiteError when it exists and cannot be removed.
void RemoveAutostartEntry();
