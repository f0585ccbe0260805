#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QHash>
#include <QString>

#include <memory>

#include "codec.h"
#include "textfile.h"

// The encoded document store: project files on disk are the XML text passed through
// the codec with one fixed key, written as UTF-16 LE with a byte-order mark.

// The codec is bound once per process with BindCodec (codec.h).

// Reads, decodes and parses a stored project file in memory. Throws SuiteError with a
// message naming the file and what is wrong (missing, unreadable, damaged or foreign,
// not XML, codec missing).
QDomDocument LoadEncodedDocument(const QString &path);

// Encodes the document and replaces the file atomically: plain XML never stands on
// disk and a failed save leaves the old file byte for byte. Throws SuiteError.
void SaveEncodedDocument(const QDomDocument &document, const QString &path);

// The one XML parser of the suite: refuses, before parsing, nesting and attribute counts
// no document of ours comes near (the XML reader would take minutes over them), then
// parses. Throws SuiteError naming `what` (a file name).
QDomDocument ParseXmlText(const QString &text, const QString &what);

// Reads a plain XML file (the catalogue) through ParseXmlText: regular files only, none
// larger than `maxBytes`. Throws SuiteError naming the file.
QDomDocument LoadXmlFile(const QString &path, qint64 maxBytes);

// Loads a project document that may be stored encoded or as plain XML (exchange files,
// the command line's --file); binds the codec if encoded text needs it. Throws SuiteError.
QDomDocument LoadProjectDocumentAnyForm(const QString &path);

// Attribute values kept as the UTF-8 bytes they were read as, by attribute name.
struct KeptAttributeBytes : QHash<QString, QByteArray>
{
    // The file the values' bytes lie in when it was mapped (see WholeFileBytes): the
    // values are valid while it lives.
    std::shared_ptr<const WholeFileBytes> file;
};

// Reads a project document as LoadProjectDocumentAnyForm does, except in a plain UTF-8
// file whose long attribute values stand as they are (no references, no line breaks):
// there the long values of the attributes of the element at `keptPath` (tag names below
// the document element, each the first of its name) are not decoded. They read as empty
// in the document and go to `kept`, sharing the file's bytes: a list of a million names
// then costs its size on disk once. Throws SuiteError as LoadProjectDocumentAnyForm does.
QDomDocument LoadProjectDocumentKeepingBytes(const QString &path, const QStringList &keptPath,
                                             KeptAttributeBytes *kept);
