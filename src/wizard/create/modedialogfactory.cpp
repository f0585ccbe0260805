#include "modedialogfactory.h"

#include "trangenumsetform.h"

ModeDialog *CreateModeDialog(int pmode, QWidget *parent)
{
    switch (pmode) {
    case 1:
        return new TRangeNumSetForm(parent);
    default:
        return nullptr;
    }
}
