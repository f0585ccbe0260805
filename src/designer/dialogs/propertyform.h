#pragma once

#include "projectcatalogue.h"

#include <QDialog>
#include <QDomDocument>
#include <QImage>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
namespace designer {
class TPwdForm;
}

// A project's properties: title, remark, author, application area, time stamps, type,
// the two password locks and the read-only flag, and a page describing its generation
// parameters. The window writes the project file itself; the remark and the read-only
// flag belong to the catalogue and go back to the menu through Saved.
class TPropertyForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPropertyForm(QWidget *parent = nullptr);

    // Shows the project `entry` whose document is `document`; both password buffers
    // start from this project, so nothing typed for another project carries over.
    void FillProperties(const CatalogueEntry &entry, const QDomDocument &document);

    // The OK button: every failing check is shown; when all pass the project file is
    // written and Saved is emitted. True when the file was written.
    bool GetPropertyInfo();

    QString AccessPwdBuffer() const { return accessPwd; }
    QString EditPwdBuffer() const { return editPwd; }

    QTabWidget *Pages;
    QLineEdit *PTitle;
    QPlainTextEdit *PRemark;
    QLineEdit *PAuthor;
    QLabel *PType;
    QLineEdit *PRange;
    QLabel *PCreateTime;
    QLabel *PEditTime;
    QCheckBox *PAccessByPwd;
    QPushButton *SetAccessPwd;
    QCheckBox *PReadOnly;
    QCheckBox *PEditWithPwd;
    QPushButton *SetEditPwd;
    QPlainTextEdit *RandInfo;
    QPushButton *BOK;
    QPushButton *BCancel;
    designer::TPwdForm *PwdForm;

signals:
    void Saved(const QString &remark, bool readOnly);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *BuildBasePage();
    QWidget *BuildQueryPage();
    void PReadOnlyClick();
    void PAccessByPwdClick();
    void PEditWithPwdClick();
    // Asks for a new password for `buffer`; an empty one is refused.
    void SetPassword(const QString &prompt, QString &buffer);
    void SaveDocument();

    QString projectName;
    QString accessPwd;
    QString editPwd;
    QImage background;
};
