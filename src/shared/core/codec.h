#pragma once

#include <QStringList>

// Binding of the codec library Quillet, loaded at run time from the program's
// directory. One binding per process, made by BindCodec and never released.

// Loads the library from `libraryDir` (default: the program's directory). Returns
// false when the library or one of its exports is missing; CodecBindError() then says
// so in words for the user.
bool BindCodec(const QString &libraryDir = QString());
bool IsCodecBound();
QString CodecBindError();

// Encode / decode a whole document's lines with the given key. Throw SuiteError when
// the codec is not bound or the input is not a sound encoded text.
QStringList EncodeLines(const QStringList &lines, const QString &key);
QStringList DecodeLines(const QStringList &lines, const QString &key);
