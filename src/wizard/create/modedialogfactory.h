#pragma once

#include <QPointer>

#include "fairsettings.h"
#include "querysection.h"

class ModeDialog;
class QAbstractButton;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The mode dialog that edits a whole project of the given type (the wizard's second
// step and the query editor): number range, list, group, picture, password,
// calculation or equation dialog. Not yet loaded or shown.
ModeDialog *CreateModeDialog(int pmode, QWidget *parent);

// The opener's side of a whole-project dialog (the wizard's second step, the query
// editor), which keeps at most one of them open in `open`.
//
// OpenProjectDialog brings the open dialog forward; otherwise it creates the dialog of
// `pmode` as a window of its own (on top or not as that dialog keeps itself), loads
// `params` into it and shows it. Its validated save clicks `commander`. A type without a dialog gets an error box.
// `verifiable`: the project option "可验证抽取", offered for every type but passwords.
void OpenProjectDialog(QPointer<ModeDialog> &open, QWidget *opener, QAbstractButton *commander, int pmode,
                       const QueryParams &params, bool verifiable, const FairSettings &fair,
                       const ItemFairSettings &itemFair);

// For the opener's CommanderClick: the open dialog's parameters replace `params` (and its
// fair settings `fair`) and the dialog closes. False, with `params` unchanged, when no dialog is open or when the
// drawing program could not draw from the new parameters (its reason is shown over the
// dialog, which stays open).
// `verifiable`, `fair` and `itemFair` (a custom project's list items) take the dialog's
// options with the parameters.
bool TakeProjectDialogResult(const QPointer<ModeDialog> &open, int pmode, QueryParams &params, bool &verifiable,
                             FairSettings &fair, ItemFairSettings &itemFair);

// The parameter overview beside the dialog: `RandInfo` (read-only, unwrapped, both
// scroll bars always shown), filled by ShowQueryDescription with the description of
// the parameters or why there is none, and the link `RandInfoEdit` "点此编辑参数".
QPlainTextEdit *MakeRandInfo(QWidget *parent);
QPushButton *MakeRandInfoEdit(QWidget *parent);
void ShowQueryDescription(QPlainTextEdit *randInfo, const QueryParams &params, int pmode);
