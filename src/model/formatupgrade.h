#pragma once

#include <QDomDocument>
#include <QString>

// Brings a project document of an older format up to the current one (2.4), as the
// manager's import does for plain documents from older installations:
//  1. a document without Version/@Value (older than 2.3) gets the 2.3 additions: the
//     picture type's stretch and name flags move from the query to Form/Pic and
//     Form/PicName; other types get the record-box settings and the record-box colour
//     cycle in Animate; the custom type gets a picture box;
//  2. a 2.3 document gets the 2.4 header: empty author, area, times and passwords, both
//     locks off.
// Returns the format version the document had ("" when older than 2.3). Throws
// SuiteError, leaving the document untouched, when its query has no valid project type.
QString UpgradeProjectFormat(QDomDocument &document);
