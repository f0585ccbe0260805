#pragma once

#include <QDialog>
#include <QUrl>

class QCheckBox;
class QLabel;
class QPushButton;

// "手机遥控": the QR code of the page's address, the address written out and the note
// that phone and computer must share a network; or, when the remote could not start,
// why. Not modal: the window goes on drawing while it is open, and closing it leaves
// the remote running.
class RemoteDialog : public QDialog
{
    Q_OBJECT
public:
    explicit RemoteDialog(QWidget *parent = nullptr);

    // The running remote's page.
    void ShowPage(const QUrl &page);
    // No page to show: `reason` says why (no network address, the port, ...).
    void ShowProblem(const QString &reason);
    // The phones connected now, by the names their browsers give.
    void ShowDevices(const QStringList &names);

    QLabel *QrCodeLabel;
    QLabel *RemoteAddressLabel;
    QLabel *SameNetworkLabel;
    QLabel *RemoteDevicesLabel;
    QCheckBox *AllowSeveralDevicesCheck;
    QPushButton *StopRemoteButton;
    QPushButton *CloseButton;
};
