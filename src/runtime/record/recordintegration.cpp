#include "recordintegration.h"

#include "encodedxml.h"
#include "randform.h"
#include "recordcontroller.h"
#include "suiteerror.h"

#include <QMenu>

RecordController *AttachRecordTools(TRandForm &form)
{
    QWidget *box = form.RecordBox();
    if (!box)
        return nullptr;
    auto *record = new RecordController(box, &form);
    record->SetSeparator(form.ResultSeparator());
    record->SetFrequencyChartDefaults(form.Settings().frequencyStyle, form.Settings().show3D);
    try {
        record->SetSettings(ReadRecordSettings(LoadEncodedDocument(form.ProjectPath())));
    } catch (const SuiteError &) {
        // The window has just loaded this file; should it have gone meanwhile, the
        // defaults stand and the write-back at close reports the problem.
    }

    // The number format comes from the engine, which prepares in the background; it is
    // asked for when it is needed.
    QObject::connect(record->RandMenu(), &QMenu::aboutToShow, record,
                     [record, &form] { record->SetNumberFormat(form.NumberFormat()); });
    QObject::connect(&form, &TRandForm::BatchAppended, record, [record, &form] {
        record->SetNumberFormat(form.NumberFormat());
        record->AfterBatchAppended();
    });
    QObject::connect(&form, &TRandForm::Closing, record,
                     [record, &form] { record->WriteBackSettings(form.ProjectPath()); });
    return record;
}
