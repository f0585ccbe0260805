#pragma once

#include "displaysection.h"
#include "propertytemplates.h"

#include <QMap>
#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;

// What the value editor edits: the window that owns the selected object. The editor
// calls PropertyChanged when the user changes a row (a list choice, a keystroke in a
// text row) and PropertyClicked when a "点此编辑"/"点此设置" row is pressed; the target
// applies the change to its object or opens the row's dialog.
class DVEditorTarget
{
public:
    virtual ~DVEditorTarget() = default;
    virtual void PropertyChanged(const QString &key, const QString &value) = 0;
    virtual void PropertyClicked(const QString &key) = 0;
};

// The floating key/value editor beside a designer window (`VEditor` grid). A window
// names itself with SetRequirer when it is shown and calls ShowProperties whenever its
// selection changes; it rewrites display rows (geometry) with SetValue, which never
// calls back into the target.
class TDVEditorForm : public QWidget
{
    Q_OBJECT
public:
    explicit TDVEditorForm(QWidget *parent = nullptr);

    void SetRequirer(const QString &requirer);
    QString Requirer() const;

    // Fills the grid from a property list ("heading||key||…", propertytemplates.h);
    // rows take their values from `values` (click rows show their caption). Changes go
    // to `target` until the next ShowProperties or ClearRows.
    void ShowProperties(const QString &listText, const QMap<QString, QString> &values, DVEditorTarget *target);
    // Empties the grid and forgets the target.
    void ClearRows();

    QString Heading() const;
    QStringList Keys() const;
    bool HasRow(const QString &key) const;
    QString Value(const QString &key) const;
    // Sets a row's value without telling the target.
    void SetValue(const QString &key, const QString &value);
    // The row's editor: QLineEdit (text, digits, display), QComboBox (pick list) or
    // QPushButton (click row); null for an unknown key.
    QWidget *ValueEditor(const QString &key) const;
    DVEditorTarget *Target() const { return m_target; }

    // The editor's own dialogs (font with its colour, colour, picture file); nothing
    // when the user cancels.
    std::optional<FontSpec> ChooseFont(const FontSpec &current);
    std::optional<Rgb> ChooseColour(const Rgb &current);
    QString ChoosePicture();

private:
    struct Row
    {
        QString key;
        RowSpec shape;
        QWidget *editor;
    };
    QWidget *CreateEditor(const Row &row, const QString &value);
    int IndexOf(const QString &key) const;
    void Changed(const QString &key, const QString &value);
    void Clicked(const QString &key);

    QLabel *m_requirer;
    QLabel *m_heading;
    QString m_headingKey; // the list's own (Chinese) heading; m_heading shows it translated
    QTableWidget *m_grid;
    QList<Row> m_rows;
    DVEditorTarget *m_target = nullptr;
};
