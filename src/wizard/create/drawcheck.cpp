#include "drawcheck.h"

#include "randengine.h"
#include "suiteerror.h"

QString DrawRefusal(int pmode, const QueryParams &params)
{
    // A trial preparation only: nothing is drawn and no file is touched.
    RandEngine engine(RandomSources::Seeded(0));
    try {
        engine.Prepare(pmode, params);
    } catch (const SuiteError &error) {
        return error.message();
    }
    return {};
}
