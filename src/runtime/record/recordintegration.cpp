#include "recordintegration.h"

#include "randform.h"
#include "recordcontroller.h"

#include <QAction>
#include <QMenu>

RecordController *AttachRecordTools(TRandForm &form)
{
    QWidget *box = form.RecordBox();
    if (!box)
        return nullptr;
    auto *record = new RecordController(box, &form);
    record->SetSeparator(form.ResultSeparator());
    record->SetFrequencyChartDefaults(form.Settings().frequencyStyle, form.Settings().show3D);
    record->SetSettings(form.LoadedRecordSettings());
    record->AddWindowKeys({form.Menu_Go->shortcut(), form.Menu_Stop->shortcut()});

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
