#include "veditform.h"

#include "gradient.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

namespace {
constexpr int kRowHeight = 26;
}

TVEditForm::TVEditForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVEditForm"));
    setWindowTitle(tr("属性编辑器"));
    resize(380, 176);
    setMinimumSize(300, 150);

    m_grid = new QTableWidget(0, 2, this);
    m_grid->setObjectName(QStringLiteral("VEditor"));
    m_grid->setHorizontalHeaderLabels({tr("属性"), tr("值")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->setColumnWidth(0, 110);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_ok = new QPushButton(tr("确定"), this);
    m_ok->setObjectName(QStringLiteral("BOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("取消"), this);
    m_cancel->setObjectName(QStringLiteral("BCancel"));
    connect(m_ok, &QPushButton::clicked, this, &TVEditForm::BOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TVEditForm::~TVEditForm() = default;

QWidget *TVEditForm::CreateEditor(const QString &key, const QString &value, RowKind kind,
                                  const QStringList &pickList)
{
    switch (kind) {
    case RowKind::PickList:
    case RowKind::PickListOnly: {
        auto *box = new QComboBox;
        box->addItems(pickList);
        box->setEditable(kind == RowKind::PickList);
        box->setCurrentText(value);
        if (kind == RowKind::PickListOnly && box->currentText() != value && !value.isEmpty()) {
            // A value outside the list still shows as it is.
            box->insertItem(0, value);
            box->setCurrentIndex(0);
        }
        connect(box, &QComboBox::activated, this, [this, key, box] { NotifyChange(key, box->currentText()); });
        if (box->lineEdit())
            connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, key](const QString &text) {
                NotifyChange(key, text);
            });
        return box;
    }
    case RowKind::Digits: {
        auto *edit = new DragNumberEdit(DragNumberEdit::Kind::Value, &m_dragCounter);
        AllowOnlyCharacters(edit, QStringLiteral("0123456789"));
        edit->setText(value);
        connect(edit, &QLineEdit::textEdited, this, [this, key](const QString &text) { NotifyChange(key, text); });
        connect(edit, &DragNumberEdit::DragStepped, this, [this, key, edit] {
            if (edit->text().startsWith(QLatin1Char('-')))  // digits only: never below 0
                edit->setText(QStringLiteral("0"));
            NotifyChange(key, edit->text());
        });
        return edit;
    }
    case RowKind::Text:
        break;
    }
    auto *edit = new QLineEdit(value);
    connect(edit, &QLineEdit::textEdited, this, [this, key](const QString &text) { NotifyChange(key, text); });
    return edit;
}

void TVEditForm::InsertRow(const QString &key, const QString &value, RowKind kind, const QStringList &pickList,
                           int beforeRow)
{
    RemoveRow(key);
    const int row = (beforeRow < 0 || beforeRow > m_rows.size()) ? int(m_rows.size()) : beforeRow;
    QWidget *editor = CreateEditor(key, value, kind, pickList);
    m_grid->insertRow(row);
    auto *keyItem = new QTableWidgetItem(key);
    keyItem->setFlags(Qt::ItemIsEnabled);
    m_grid->setItem(row, 0, keyItem);
    m_grid->setCellWidget(row, 1, editor);
    m_rows.insert(row, Row{key, kind, editor});
}

void TVEditForm::RemoveRow(const QString &key)
{
    const int row = IndexOf(key);
    if (row < 0)
        return;
    // The editor may be the very widget whose signal brought us here: let Qt delete
    // it once that signal has returned.
    QWidget *editor = m_rows[row].editor;
    m_grid->removeCellWidget(row, 1);
    editor->hide();
    editor->deleteLater();
    m_grid->removeRow(row);
    m_rows.removeAt(row);
}

void TVEditForm::ClearRows()
{
    while (!m_rows.isEmpty())
        RemoveRow(m_rows.last().key);
}

int TVEditForm::RowCount() const
{
    return int(m_rows.size());
}

QStringList TVEditForm::Keys() const
{
    QStringList keys;
    for (const Row &row : m_rows)
        keys << row.key;
    return keys;
}

bool TVEditForm::HasRow(const QString &key) const
{
    return IndexOf(key) >= 0;
}

int TVEditForm::IndexOf(const QString &key) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].key == key)
            return i;
    return -1;
}

QString TVEditForm::Value(const QString &key) const
{
    const int row = IndexOf(key);
    if (row < 0)
        return QString();
    if (auto *box = qobject_cast<QComboBox *>(m_rows[row].editor))
        return box->currentText();
    return static_cast<QLineEdit *>(m_rows[row].editor)->text();
}

QWidget *TVEditForm::ValueEditor(const QString &key) const
{
    const int row = IndexOf(key);
    return row < 0 ? nullptr : m_rows[row].editor;
}

void TVEditForm::SetValue(const QString &key, const QString &value)
{
    const int row = IndexOf(key);
    if (row < 0)
        return;
    if (auto *box = qobject_cast<QComboBox *>(m_rows[row].editor)) {
        const int index = box->findText(value);
        if (index >= 0)
            box->setCurrentIndex(index);
        else if (box->isEditable())
            box->setEditText(value);
    } else {
        static_cast<QLineEdit *>(m_rows[row].editor)->setText(value);
    }
}

void TVEditForm::SetChangeHandler(std::function<void(const QString &, const QString &)> handler)
{
    m_changeHandler = std::move(handler);
}

void TVEditForm::SetOkHandler(std::function<void()> handler)
{
    m_okHandler = std::move(handler);
}

void TVEditForm::NotifyChange(const QString &key, const QString &value)
{
    if (!m_changeHandler)
        return;
    // The handler may swap rows or close the window, which resets m_changeHandler.
    const auto handler = m_changeHandler;
    handler(key, value);
}

void TVEditForm::BOKClick()
{
    if (!m_okHandler) {
        accept();
        return;
    }
    const auto handler = m_okHandler;  // closing inside the handler unhooks it
    handler();
}

void TVEditForm::done(int result)
{
    m_changeHandler = nullptr;
    m_okHandler = nullptr;
    ClearRows();
    QDialog::done(result);
}

void TVEditForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int margin = 12;
    const int buttonHeight = 30;
    m_grid->setGeometry(margin, margin, width() - 2 * margin, height() - 3 * margin - buttonHeight);
    const int top = height() - margin - buttonHeight;
    m_cancel->setGeometry(width() - margin - 80, top, 80, buttonHeight);
    m_ok->setGeometry(width() - 2 * margin - 160, top, 80, buttonHeight);
    m_background = QImage(size(), QImage::Format_RGB32);
    PaintGradient(DialogGradient, m_background);
}

void TVEditForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}
