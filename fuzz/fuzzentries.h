#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The readers of outside input, each run over arbitrary bytes the way a user's file would
// reach it. An entry returns normally whatever the bytes are: a refusal with a message is
// fine, anything else (another exception, a crash, a hang, a differential mismatch, which
// aborts) is a finding. The libFuzzer targets and the replay test call the same entries.
namespace fuzz {

void Workbook(const uint8_t *data, size_t size);
void DelimitedText(const uint8_t *data, size_t size);
void Package(const uint8_t *data, size_t size);
// Differential: the guarded XML reader must give the plain parser's document or refuse.
void GuardedXml(const uint8_t *data, size_t size);
// The bytes as the history database file, opened and read through the store's public API.
void HistoryFile(const uint8_t *data, size_t size);

// The entry of a target name ("workbook", "csv", "package", "xml", "history"), or null.
using Entry = void (*)(const uint8_t *, size_t);
Entry EntryNamed(const QString &target);

} // namespace fuzz
