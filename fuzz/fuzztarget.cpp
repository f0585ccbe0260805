// One libFuzzer target: FUZZ_TARGET names the entry (see fuzzentries.h).
#include "fuzzentries.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Qt SQL finds its driver through the application object.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const fuzz::Entry entry = fuzz::EntryNamed(QStringLiteral(FUZZ_TARGET));
    entry(data, size);
    return 0;
}
