#include "tdveditorform.h"

#include "dragnumberedit.h"
#include "fontchooser.h"
#include "widgetlook.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRowHeight = 26;
}

TDVEditorForm::TDVEditorForm(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("TDVEditorForm"));
    setWindowTitle(tr("属性"));
    resize(300, 340);

    m_requirer = new QLabel(this);
    m_requirer->setObjectName(QStringLiteral("Requirer"));
    m_requirer->hide();

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Heading"));
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    m_heading->setFont(headingFont);

    m_grid = new QTableWidget(0, 2, this);
    m_grid->setObjectName(QStringLiteral("VEditor"));
    m_grid->setAccessibleName(tr("属性值"));
    m_grid->setHorizontalHeaderLabels({tr("属性"), tr("值")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->setColumnWidth(0, 90);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_heading);
    layout->addWidget(m_grid);
}

void TDVEditorForm::SetRequirer(const QString &requirer)
{
    m_requirer->setText(requirer);
}

QString TDVEditorForm::Requirer() const
{
    return m_requirer->text();
}

QWidget *TDVEditorForm::CreateEditor(const Row &row, const QString &value)
{
    const QString key = row.key;
    switch (row.shape.style) {
    case RowStyle::PickList: {
        // Items show the word in the interface language and hold the stored value.
        auto *box = new QComboBox;
        for (const QString &choice : row.shape.pickList)
            box->addItem(ShownPropertyWord(choice), choice);
        if (box->findData(value) < 0 && !value.isEmpty())
            box->insertItem(0, value, value); // a stored value outside the list still shows as it is
        box->setCurrentIndex(qMax(0, box->findData(value)));
        connect(box, &QComboBox::activated, this, [this, key, box] { Changed(key, box->currentData().toString()); });
        return box;
    }
    case RowStyle::Click: {
        auto *button = new QPushButton(ShownPropertyWord(row.shape.clickCaption));
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral("text-align:left; padding-left:4px; color:#0645ad;"));
        connect(button, &QPushButton::clicked, this, [this, key] { Clicked(key); });
        return button;
    }
    case RowStyle::Display: {
        auto *edit = new QLineEdit(value);
        edit->setReadOnly(true);
        edit->setFrame(false);
        edit->setStyleSheet(QStringLiteral("background:#f0f0f0; color:#505050;"));
        return edit;
    }
    case RowStyle::Digits: {
        auto *edit = new QLineEdit(value);
        AllowOnlyCharacters(edit, QStringLiteral("0123456789"));
        edit->setFrame(false);
        connect(edit, &QLineEdit::textEdited, this, [this, key](const QString &text) { Changed(key, text); });
        return edit;
    }
    case RowStyle::Text:
        break;
    }
    auto *edit = new QLineEdit(value);
    edit->setFrame(false);
    connect(edit, &QLineEdit::textEdited, this, [this, key](const QString &text) { Changed(key, text); });
    return edit;
}

void TDVEditorForm::ShowProperties(const QString &listText, const QMap<QString, QString> &values,
                                   DVEditorTarget *target)
{
    ClearRows();
    const PropertyList list = SplitPropertyList(listText);
    m_headingKey = list.heading;
    m_heading->setText(ShownPropertyWord(list.heading));
    for (const QString &key : list.keys) {
        Row row{key, RowSpecFor(Requirer(), list.heading, key), nullptr};
        row.editor = CreateEditor(row, values.value(key));
        const int index = m_grid->rowCount();
        m_grid->insertRow(index);
        auto *keyItem = new QTableWidgetItem(ShownPropertyWord(key));
        keyItem->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(index, 0, keyItem);
        // The editor stands beside its property's name, which a screen reader needs to hear.
        row.editor->setAccessibleName(keyItem->text());
        m_grid->setCellWidget(index, 1, row.editor);
        m_rows << row;
    }
    m_target = target;
}

void TDVEditorForm::ClearRows()
{
    m_target = nullptr;
    m_headingKey.clear();
    m_heading->clear();
    for (const Row &row : std::as_const(m_rows)) {
        // The editor may be the widget whose signal brought us here (a row that
        // changes the selection): Qt deletes it once that signal has returned.
        row.editor->hide();
        row.editor->deleteLater();
    }
    m_rows.clear();
    for (int i = m_grid->rowCount() - 1; i >= 0; --i) {
        m_grid->removeCellWidget(i, 1);
        m_grid->removeRow(i);
    }
}

QString TDVEditorForm::Heading() const
{
    return m_headingKey;
}

QStringList TDVEditorForm::Keys() const
{
    QStringList keys;
    for (const Row &row : m_rows)
        keys << row.key;
    return keys;
}

bool TDVEditorForm::HasRow(const QString &key) const
{
    return IndexOf(key) >= 0;
}

int TDVEditorForm::IndexOf(const QString &key) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].key == key)
            return i;
    return -1;
}

QString TDVEditorForm::Value(const QString &key) const
{
    const int index = IndexOf(key);
    if (index < 0)
        return QString();
    const Row &row = m_rows[index];
    if (auto *box = qobject_cast<QComboBox *>(row.editor))
        return box->currentData().toString();
    if (auto *edit = qobject_cast<QLineEdit *>(row.editor))
        return edit->text();
    return row.shape.clickCaption;
}

void TDVEditorForm::SetValue(const QString &key, const QString &value)
{
    QWidget *editor = ValueEditor(key);
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        if (box->findData(value) < 0)
            box->insertItem(0, value, value);
        box->setCurrentIndex(box->findData(value));
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        edit->setText(value);
    }
}

QWidget *TDVEditorForm::ValueEditor(const QString &key) const
{
    const int index = IndexOf(key);
    return index < 0 ? nullptr : m_rows[index].editor;
}

void TDVEditorForm::Changed(const QString &key, const QString &value)
{
    if (m_target)
        m_target->PropertyChanged(key, value);
}

void TDVEditorForm::Clicked(const QString &key)
{
    if (m_target)
        m_target->PropertyClicked(key);
}

std::optional<FontSpec> TDVEditorForm::ChooseFont(const FontSpec &current)
{
    return ChooseFontSpec(this, current);
}

std::optional<Rgb> TDVEditorForm::ChooseColour(const Rgb &current)
{
    QColorDialog dialog(ToQColor(current), this);
    dialog.setObjectName(QStringLiteral("ColorSet"));
    dialog.setWindowTitle(tr("颜色"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    return Rgb{chosen.red(), chosen.green(), chosen.blue()};
}

QString TDVEditorForm::ChoosePicture()
{
    return QFileDialog::getOpenFileName(this, tr("打开图片"), QString(),
                                        tr("图片文件 (*.jpg *.jpeg *.png *.bmp *.gif *.ico);;所有文件 (*)"));
}
