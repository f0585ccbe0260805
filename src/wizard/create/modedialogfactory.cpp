#include "modedialogfactory.h"

#include "tcalsetform.h"
#include "tequationsetform.h"
#include "tgroupsetform.h"
#include "tlistsetform.h"
#include "tpicsetform.h"
#include "tpwdsetform.h"
#include "trangenumsetform.h"

ModeDialog *CreateModeDialog(int pmode, QWidget *parent)
{
    switch (pmode) {
    case 0:
    case 4:
    case 8:
    case 10:
        return new TGroupSetForm(parent);
    case 1:
        return new TRangeNumSetForm(parent);
    case 2:
    case 3:
    case 7:
    case 9:
        return new TListSetForm(parent);
    case 5:
        return new TPicSetForm(parent);
    case 6:
        return new TPwdSetForm(parent);
    case 12:
        return new TEquationSetForm(parent);
    case 11:
    case 13:
    case 14:
        return new TCalSetForm(parent);
    default:
        return nullptr;
    }
}
