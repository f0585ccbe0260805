#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace designer {

// The designer's one password prompt: it asks for a project's edit password and takes a
// new access or edit password. Whoever opens it sets the prompt and the expected
// password and attaches the OK handler, which closes the window when it is satisfied.
// (The drawing window has a password prompt of the same class name; the namespace keeps
// the two apart where one program links both, as the end-to-end tests do.)
class TPwdForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPwdForm(QWidget *parent = nullptr);

    // Sets the prompt, empties the input, attaches `okHandler` to BOK and shows the
    // window modally. The handler is detached again when the window closes.
    int Ask(const QString &prompt, const QString &expectedPassword, std::function<void()> okHandler);

    QString ExpectedPwd() const { return expectedPwd; }
    // The input, as typed.
    QString Input() const;
    // After a wrong password: an empty field to type the next try into.
    void ClearInput();

    QLabel *PwdLabel;
    QLineEdit *Pwd;
    QCheckBox *ShowPwd;
    QPushButton *BOK;
    QPushButton *BCancel;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void BOKClick();

    QString expectedPwd;
    std::function<void()> okHandler;
    QImage background;
};

} // namespace designer

// Asks for the edit password of a protected project: true when the right one was typed,
// false when the user gave up. A wrong password keeps the window open with an error box.
bool AskEditPassword(QWidget *parent, const QString &expectedPassword);
