#pragma once

class ModeDialog;
class QWidget;

// The mode dialog that edits a whole project of the given type (the wizard's second
// step and the query editor): number range, list, group, picture, password,
// calculation or equation dialog. Not yet loaded or shown.
ModeDialog *CreateModeDialog(int pmode, QWidget *parent);
