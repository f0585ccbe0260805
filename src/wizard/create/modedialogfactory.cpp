#include "modedialogfactory.h"

#include "describequery.h"
#include "drawcheck.h"
#include "messages.h"
#include "modedialog.h"
#include "suiteerror.h"
#include "tcalsetform.h"
#include "tequationsetform.h"
#include "tgroupsetform.h"
#include "tlistsetform.h"
#include "tpicsetform.h"
#include "tpwdsetform.h"
#include "trangenumsetform.h"

#include <QPlainTextEdit>
#include <QPushButton>

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

void OpenProjectDialog(QPointer<ModeDialog> &open, QWidget *opener, QAbstractButton *commander, int pmode,
                       const QueryParams &params, bool verifiable, const FairSettings &fair,
                       const ItemFairSettings &itemFair)
{
    if (open) {
        open->raise();
        open->activateWindow();
        return;
    }
    ModeDialog *dialog = CreateModeDialog(pmode, opener);
    if (!dialog) {
        ShowError(opener, ModeDialog::tr("参数有误"), ModeDialog::tr("该工程类型的参数设置窗口无法打开！"));
        return;
    }
    dialog->setWindowFlag(Qt::Window);
    dialog->SetRequirer(kRequirerCreatePage);
    dialog->SetCommander(commander);
    dialog->LoadProject(pmode, params);
    dialog->LoadFairness(fair);
    dialog->LoadItemFairness(itemFair);
    if (pmode != 6)
        dialog->ShowVerifiableOption(verifiable);
    open = dialog;
    dialog->show();
}

bool TakeProjectDialogResult(const QPointer<ModeDialog> &open, int pmode, QueryParams &params, bool &verifiable,
                             FairSettings &fair, ItemFairSettings &itemFair)
{
    if (!open)
        return false;
    const QueryParams edited = open->EncodeProject(pmode, params);
    const QString refusal = DrawRefusal(pmode, edited);
    if (!refusal.isEmpty()) {
        // The dialog stays open with what the user typed, so it can be corrected there.
        ShowError(open, ModeDialog::tr("参数有误"), refusal);
        return false;
    }
    params = edited;
    verifiable = open->VerifiableChecked();
    fair = open->EncodeFairness(fair);
    itemFair = open->EncodeItemFairness(itemFair);
    open->close();
    return true;
}

QPlainTextEdit *MakeRandInfo(QWidget *parent)
{
    auto *randInfo = new QPlainTextEdit(parent);
    randInfo->setObjectName(QStringLiteral("RandInfo"));
    randInfo->setReadOnly(true);
    randInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    randInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    randInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return randInfo;
}

QPushButton *MakeRandInfoEdit(QWidget *parent)
{
    auto *link = new QPushButton(ModeDialog::tr("点此编辑参数"), parent);
    link->setObjectName(QStringLiteral("RandInfoEdit"));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("QPushButton { color: #0000c0; text-decoration: underline;"
                                       " border: none; background: transparent; }"));
    return link;
}

void ShowQueryDescription(QPlainTextEdit *randInfo, const QueryParams &params, int pmode)
{
    QStringList lines;
    try {
        DescribeQuery(lines, params, pmode);
    } catch (const SuiteError &error) {
        lines << error.message();
    }
    randInfo->setPlainText(lines.join(QLatin1Char('\n')));
}
