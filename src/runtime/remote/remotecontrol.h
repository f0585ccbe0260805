#pragma once

#include "remoteserver.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class FairnessController;
class QAction;
class QFrame;
class QLabel;
class RemoteDialog;
class TRandForm;

// The drawing window's phone remote: the menu entry "手机遥控…" and its dialog, the
// phone sign shown while a phone is connected, and the link between the server and the
// window. A phone's command goes into the window exactly as the draw key's does, and
// the page shows what the window shows; nothing else of the window is reachable. A
// phone may mark a result of the latest draw absent through the window's own mark.
class RemoteControl : public QObject
{
    Q_OBJECT
public:
    // `fairness`: the window's marks, null when it has none.
    RemoteControl(TRandForm &form, FairnessController *fairness);

    // Turns the remote on at `address` (no question asked: the caller decided, and the
    // menu will not ask either). False with `failure` (in Chinese) when it cannot listen
    // there.
    bool Enable(const QHostAddress &address, QString *failure);
    // "停止遥控": every phone is dropped and the port closed.
    void Disable();
    // The menu entry: asks once whether to allow the remote, turns it on at the local
    // network's address and shows the dialog.
    void OpenDialog();

    // Where the menu's remote listens: LocalNetworkAddress() unless replaced (tests).
    using AddressChooser = std::function<std::optional<QHostAddress>()>;
    void SetAddressChooser(AddressChooser chooser) { m_chooseAddress = std::move(chooser); }

    RemoteServer &Server() { return m_server; }
    // The dialog while it is open, else null.
    RemoteDialog *Dialog() const;
    QAction *MenuAction() const { return m_action; }

private:
    void Obey(RemoteCommand command, int slot);
    void PublishState();
    void ShowDevices(const QStringList &names);
    void RefreshDialog();

    TRandForm &m_form;
    FairnessController *m_fairness;
    RemoteServer m_server;
    QAction *m_action;
    QFrame *m_phoneSign;
    QLabel *m_phoneName;
    QPointer<RemoteDialog> m_dialog;
    QString m_problem; // why the remote is not running, for the dialog
    QString m_results;
    AddressChooser m_chooseAddress;
    bool m_allowed = false;
};

// Gives the drawing window its phone remote (off until the user or --remote turns it
// on). Call once after TRandForm::FormShow has built the window.
RemoteControl *AttachRemoteControl(TRandForm &form, FairnessController *fairness = nullptr);
