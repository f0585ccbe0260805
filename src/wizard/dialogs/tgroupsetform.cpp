#include "tgroupsetform.h"

#include "apppaths.h"
#include "describequery.h"
#include "fairdraw.h"
#include "listdraw.h"
#include "messages.h"
#include "suiteerror.h"
#include "tlistsetform.h"
#include "tpicsetform.h"
#include "tpwdsetform.h"
#include "trangenumsetform.h"
#include "veditform.h"
#include "yesno.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <limits>

namespace {
const QString kCustomNumbering = QStringLiteral("自定义");
const QString kFieldSeparator = QStringLiteral("||");

const QStringList &groupTypes()
{
    static const QStringList types{kGroupNumbering, kGroupRange, kGroupList, kGroupPassword, kGroupPicture};
    return types;
}

// The group types as the box shows them; the box keeps the stored type as item data.
QString groupTypeCaption(const QString &type)
{
    if (type == kGroupNumbering)
        return TGroupSetForm::tr("编号");
    if (type == kGroupRange)
        return TGroupSetForm::tr("数值范围模式");
    if (type == kGroupList)
        return TGroupSetForm::tr("列举模式");
    if (type == kGroupPassword)
        return TGroupSetForm::tr("密码模式");
    if (type == kGroupPicture)
        return TGroupSetForm::tr("图片模式");
    return type;
}

// The numbering editor's rows. Its keys are only shown, never stored.
QString styleKey()
{
    return TGroupSetForm::tr("编号类型");
}

QString labelListKey()
{
    return TGroupSetForm::tr("编号列表");
}

QString startKey()
{
    return TGroupSetForm::tr("编号起始值");
}

QString groupNameKey()
{
    return TGroupSetForm::tr("组名称");
}

// The stored style "自定义" is shown in the window's language; the other styles are
// their own samples.
QString customStyleCaption()
{
    return TGroupSetForm::tr("自定义");
}

QString shownStyle(const QString &style)
{
    return style == kCustomNumbering ? customStyleCaption() : style;
}

QString storedStyle(const QString &shown)
{
    return shown == customStyleCaption() ? kCustomNumbering : shown;
}

QStringList numberingStyles()
{
    return {
        QStringLiteral("1,2,3..."),      QStringLiteral("①,②,③..."), QStringLiteral("⑴,⑵,⑶..."),
        QStringLiteral("[1],[2],[3]..."), QStringLiteral("a,b,c..."),   QStringLiteral("A,B,C..."),
        QStringLiteral("Ⅰ,Ⅱ,Ⅲ..."),      QStringLiteral("㈠,㈡,㈢..."), QStringLiteral("α,β,γ..."),
        customStyleCaption()};
}

QString defaultGroupName(int index)
{
    return QStringLiteral("第%1组").arg(index + 1);
}

QString dimensionName(int index)
{
    return QStringLiteral("第%1维").arg(index + 1);
}

// Text that ends up inside the "##"/"||"-joined group lists unescaped must not hold
// their separators, or the stored project could not be read back.
bool holdsListSeparators(const QString &text)
{
    return text.contains(QLatin1Char('#')) || text.contains(QLatin1Char('|'));
}

qint64 saturatingProduct(qint64 a, qint64 b)
{
    if (a == 0 || b == 0)
        return 0;
    if (a > std::numeric_limits<qint64>::max() / b)
        return std::numeric_limits<qint64>::max();
    return a * b;
}
} // namespace

TGroupSetForm::TGroupSetForm(QWidget *parent) : ModeDialog(parent, true)
{
    setObjectName(QStringLiteral("TGroupSetForm"));
    setWindowTitle(tr("组合模式编辑器"));

    commander = MakeCommander(this);
    connect(commander, &QPushButton::clicked, this, &TGroupSetForm::CommanderClick);

    groupCount = new QLabel(this);
    groupCount->setObjectName(QStringLiteral("GroupCount"));
    addNewGroup = new QPushButton(tr("添加一组"), this);
    addNewGroup->setObjectName(QStringLiteral("AddNewGroup"));
    addNewGroup->setAutoDefault(false);
    connect(addNewGroup, &QPushButton::clicked, this, &TGroupSetForm::AddNewGroupClick);

    auto *groupHost = new QWidget;
    groupHost->setObjectName(QStringLiteral("GroupHost"));
    groupHost->setAutoFillBackground(false);
    groupLayout = new QVBoxLayout(groupHost);
    groupLayout->setContentsMargins(4, 4, 4, 4);
    groupLayout->addStretch(1);
    groupArea = new QScrollArea(this);
    groupArea->setObjectName(QStringLiteral("GroupArea"));
    groupArea->setAccessibleName(tr("分组列表"));
    groupArea->setWidgetResizable(true);
    groupArea->setWidget(groupHost);
    groupArea->setMinimumSize(620, 360);
    groupArea->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; } "
                                            "QWidget#GroupHost { background: transparent; }"));

    gMoveMenu = new QMenu(this);
    gMoveMenu->setObjectName(QStringLiteral("GMoveMenu"));
    connect(AddMenuAction(gMoveMenu, QStringLiteral("Menu_MovePrev"), tr("上移")), &QAction::triggered, this,
            [this] { MoveGroup(moveMenuGroup, -1); });
    connect(AddMenuAction(gMoveMenu, QStringLiteral("Menu_MoveNext"), tr("下移")), &QAction::triggered, this,
            [this] { MoveGroup(moveMenuGroup, +1); });

    formatRow = MakeFormatRow(this);
    connect(formatRow.insert, &QPushButton::pressed, this, &TGroupSetForm::ShowFormatList);
    countRow = MakeCountRow(this, DragCounter(), tr("生成的随机数数量："), 120);
    countRow.label->setObjectName(QStringLiteral("RanCountLabel"));

    auto *top = new QHBoxLayout;
    top->addWidget(groupCount);
    top->addStretch(1);
    top->addWidget(addNewGroup);

    QVBoxLayout *layout = MakeMainLayout();
    layout->addLayout(top);
    layout->addWidget(groupArea, 1);
    layout->addLayout(formatRow.layout);
    layout->addLayout(countRow.layout);
    AddButtonRow(layout);

    countRow.value->setText(QStringLiteral("2"));
    UpdateGroupCount();
    adjustSize();
}

QString TGroupSetForm::GroupName(int index) const
{
    const Group &group = groups.at(index);
    if (!group.name.isEmpty())
        return group.name;
    return pmode == 8 ? dimensionName(index) : defaultGroupName(index);
}

QString TGroupSetForm::GroupLabelText(int index) const
{
    return GroupName(index) + tr("：");
}

QComboBox *TGroupSetForm::TypeBox(int index) const
{
    return rows.at(index).typeBox;
}

QPushButton *TGroupSetForm::EditButton(int index) const
{
    return rows.at(index).edit;
}

QPushButton *TGroupSetForm::DeleteButton(int index) const
{
    return rows.at(index).remove;
}

QPlainTextEdit *TGroupSetForm::Preview(int index) const
{
    return rows.at(index).preview;
}

QWidget *TGroupSetForm::OpenGroupEditor() const
{
    if (subDialog && subDialog->isVisible())
        return subDialog;
    if (propertyEditor && propertyEditor->isVisible())
        return propertyEditor;
    return nullptr;
}

int TGroupSetForm::IndexOfId(int id) const
{
    for (int i = 0; i < groups.size(); ++i)
        if (groups.at(i).id == id)
            return i;
    return -1;
}

void TGroupSetForm::Clear()
{
    groups.clear();
    SyncRows();
}

QString TGroupSetForm::DefaultGroupQuery(const QString &type) const
{
    if (type == kGroupNumbering)
        return QStringLiteral("1,2,3...||0");
    if (type == kGroupRange)
        return QStringLiteral("1||100||0.1||0.#||是||1");
    if (type == kGroupList) {
        const QString sep = SpliterChar(spliter);
        return QStringLiteral("是||加权&张三:2&") + EscapeListText(QStringList{QStringLiteral("李四"), QStringLiteral("王五"),
                                                                                 QStringLiteral("赵六")}
                                                                         .join(sep))
            + QStringLiteral(":1||是||否||1");
    }
    if (type == kGroupPassword)
        return QStringLiteral("12||小写字母|大写字母|数字|特殊符号||1");
    if (type == kGroupPicture) {
        QStringList paths;
        for (int i = 1; i <= 12; ++i)
            paths << InstalledDataPath(QStringLiteral("Img/示例图片%1.jpg").arg(i));
        return paths.join(QLatin1Char('|')) + QStringLiteral("||否||1");
    }
    return QString();
}

void TGroupSetForm::AppendGroup(const QString &type, const QString &query, const QString &name, const QString &flags)
{
    Group group;
    group.id = nextGroupId++;
    group.type = type;
    group.query = query;
    group.name = name;
    group.flags = flags;
    group.statistics = StatisticsOfGroup(type, query, spliter);
    groups << group;
}

void TGroupSetForm::SetGroupQuery(int index, const QString &query)
{
    Group &group = groups[index];
    group.query = query;
    group.statistics = StatisticsOfGroup(group.type, query, spliter);
    if (pmode == 10 && group.type == kGroupNumbering) {
        // Every prize is one result: the count follows the prize list.
        countRow.value->setText(
            QString::number(SplitText(SplitGroupFields(query).value(1), QStringLiteral(",")).size()));
    }
    SyncRow(index);
}

void TGroupSetForm::UpdateGroupCount()
{
    groupCount->setText(tr("%1组").arg(groups.size()));
}

void TGroupSetForm::SyncRows()
{
    while (rows.size() > groups.size()) {
        delete rows.takeLast().frame;
    }
    while (rows.size() < groups.size()) {
        const int index = int(rows.size());
        GroupRow row;
        row.frame = new QFrame;
        row.frame->setObjectName(QStringLiteral("GroupRow"));
        row.frame->setFrameShape(QFrame::StyledPanel);
        row.label = new QLabel(row.frame);
        row.label->setObjectName(QStringLiteral("GroupLabel"));
        row.typeBox = new QComboBox(row.frame);
        row.typeBox->setObjectName(QStringLiteral("TypeValue"));
        for (const QString &type : groupTypes())
            row.typeBox->addItem(groupTypeCaption(type), type);
        row.preview = new QPlainTextEdit(row.frame);
        row.preview->setObjectName(QStringLiteral("GroupPreview"));
        row.preview->setReadOnly(true);
        row.preview->setFixedHeight(112);
        row.edit = new QPushButton(tr("点此编辑"), row.frame);
        row.edit->setObjectName(QStringLiteral("EditGroup"));
        row.edit->setAutoDefault(false);
        row.remove = new QPushButton(tr("删除该组"), row.frame);
        row.remove->setObjectName(QStringLiteral("DelGroup"));
        row.remove->setAutoDefault(false);
        row.importList = new QPushButton(tr("从文件导入…"), row.frame);
        row.importList->setObjectName(QStringLiteral("ImportGroupList"));
        row.importList->setAutoDefault(false);
        connect(row.importList, &QPushButton::clicked, this, [this, index] { ImportGroupListClick(index); });

        auto *grid = new QGridLayout(row.frame);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->addWidget(row.label, 0, 0);
        grid->addWidget(new QLabel(tr("类型："), row.frame), 0, 1);
        grid->addWidget(row.typeBox, 0, 2);
        grid->setColumnStretch(3, 1);
        grid->addWidget(row.importList, 0, 3, Qt::AlignRight);
        grid->addWidget(row.edit, 0, 4);
        grid->addWidget(row.remove, 0, 5);
        grid->addWidget(row.preview, 1, 0, 1, 6);

        connect(row.typeBox, &QComboBox::activated, this, [this, index] { TypeValueChange(index); });
        connect(row.edit, &QPushButton::clicked, this, [this, index] { EditGroupClick(index); });
        connect(row.remove, &QPushButton::clicked, this, [this, index] { DelGroupClick(index); });
        for (QWidget *w : {static_cast<QWidget *>(row.label), static_cast<QWidget *>(row.preview)}) {
            w->setContextMenuPolicy(Qt::CustomContextMenu);
            w->setProperty("groupIndex", index);
            connect(w, &QWidget::customContextMenuRequested, this,
                    [this, index, w](const QPoint &pos) { ShowMoveMenu(index, w->mapToGlobal(pos)); });
        }
        row.label->installEventFilter(this);
        row.label->setProperty("groupIndex", index);

        groupLayout->insertWidget(index, row.frame);
        rows << row;
    }
    for (int i = 0; i < groups.size(); ++i)
        SyncRow(i);
    UpdateGroupCount();
}

void TGroupSetForm::SyncRow(int index)
{
    const Group &group = groups.at(index);
    const GroupRow &row = rows.at(index);
    row.label->setText(GroupLabelText(index));
    {
        const QSignalBlocker blocker(row.typeBox);
        row.typeBox->setCurrentIndex(row.typeBox->findData(group.type));
    }
    row.typeBox->setEnabled(!fixedGroups && pmode != 8);
    QStringList lines = DescribeGroupQuery(group.type, group.query, spliter, QString());
    if (group.type == kGroupPicture)
        lines << tr("注：如果您要在随机数中显示图片名称，请在编码格式中插入当前组名称。");
    row.preview->setPlainText(lines.join(QLatin1Char('\n')));
    row.remove->setEnabled(!fixedGroups && groups.size() > 1);
    row.importList->setVisible(group.type == kGroupList);
}

bool TGroupSetForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const QVariant index = watched->property("groupIndex");
        if (index.isValid() && qobject_cast<QLabel *>(watched)) {
            GroupDblClick(index.toInt());
            return true;
        }
    }
    return ModeDialog::eventFilter(watched, event);
}

void TGroupSetForm::ApplyPreset(int type)
{
    fixedGroups = type == 4 || type == 10;
    addNewGroup->setVisible(type != 4);
    addNewGroup->setEnabled(type != 10);
    countRow.value->setEnabled(type != 4 && type != 10);
    countRow.repeat->setVisible(type != 10);
    countRow.repeat->setEnabled(type != 4);
    if (type == 4) {
        countRow.value->clear();
        countRow.repeat->setChecked(false);
    }
    if (type == 8)
        countRow.label->setText(tr("生成随机坐标数量："));
}

void TGroupSetForm::LoadProject(int type, const QueryParams &params)
{
    pmode = type;
    groups.clear();
    const QueryFields field(pmode, params);
    spliter = field("Spliter").isEmpty() ? QStringLiteral("空格") : field("Spliter");
    formatRow.value->setText(field("Format"));
    countRow.value->setText(field("RanCount"));
    countRow.repeat->setChecked(field("AllowRepeat") == kYes);

    switch (pmode) {
    case 0:
        try {
            const QStringList types =
                field("TypeList").isEmpty() ? QStringList() : SplitText(field("TypeList"), kGroupSeparator);
            const QStringList queries = SplitGroupQueries(field("TypeList"), field("QueryList"));
            const QStringList names = SplitText(field("NameList"), kGroupSeparator);
            for (int i = 0; i < types.size(); ++i) {
                // A stored default name stays a default: it follows the group's position.
                const QString name = names.value(i) == defaultGroupName(i) ? QString() : names.value(i);
                AppendGroup(types.at(i), queries.value(i), name);
            }
        } catch (const SuiteError &error) {
            groups.clear();
            ShowError(this, tr("参数有误"), error.message());
        }
        break;
    case 4:
        AppendGroup(kGroupList, QStringLiteral("否||%1||否||是||1").arg(field("MemberList")), QStringLiteral("人员列表"),
                    QStringLiteral("否||否||否||否"));
        AppendGroup(kGroupList,
                    QStringLiteral("否||%1||否||是||%2").arg(field("TaskList"), field("TaskCountForEachMember")),
                    QStringLiteral("任务列表"), QStringLiteral("否||否||否||是"));
        break;
    case 8: {
        const QString list = field("DimeList");
        const QStringList dimensions = list.isEmpty() ? QStringList() : SplitText(list, QStringLiteral("|"));
        for (const QString &dimension : dimensions)
            AppendGroup(kGroupRange, QString(dimension).replace(QLatin1Char(','), kFieldSeparator), QString());
        break;
    }
    case 10:
        AppendGroup(kGroupNumbering, kCustomNumbering + kFieldSeparator + field("PrizeLists"), QStringLiteral("奖项列表"));
        // The people group keeps the name the format's "[人员列表]" refers to.
        AppendGroup(kGroupList,
                    QStringLiteral("否||%1||否||%2||%3")
                        .arg(field("MemberLists"), field("AutoDel"), field("EveryPrizeGetMemberCount")),
                    QStringLiteral("人员列表"), QStringLiteral("否||否||是||是"));
        break;
    default:
        break;
    }
    ApplyPreset(pmode);
    SyncRows();
    if (pmode == 10)
        SetGroupQuery(0, groups.at(0).query);
    adjustSize();
}

void TGroupSetForm::LoadItemFairness(const ItemFairSettings &settings)
{
    for (int i = 0; i < groups.size(); ++i)
        groups[i].fair = TypeHasFairItems(pmode) && groups.at(i).type == kGroupList ? settings.value(GroupName(i)) : FairSettings{};
}

ItemFairSettings TGroupSetForm::EncodeItemFairness(const ItemFairSettings &current) const
{
    if (!TypeHasFairItems(pmode))
        return current;
    ItemFairSettings settings;
    for (int i = 0; i < groups.size(); ++i) {
        if (groups.at(i).type == kGroupList && groups.at(i).fair.mode != FairMode::Plain)
            settings.insert(GroupName(i), groups.at(i).fair);
    }
    return settings;
}

QueryParams TGroupSetForm::EncodeProject(int type, const QueryParams &current) const
{
    const QString mode = ProjectTypeAt(type).mode;
    const QString repeat = YesNoText(countRow.repeat->isChecked());
    auto groupField = [this](int index, int field) {
        return index < groups.size() ? SplitGroupFields(groups.at(index).query).value(field) : QString();
    };
    switch (type) {
    case 0: {
        QStringList types, queries, names;
        for (int i = 0; i < groups.size(); ++i) {
            types << groups.at(i).type;
            queries << groups.at(i).query;
            names << GroupName(i);
        }
        return {mode,
                types.join(kGroupSeparator),
                queries.join(kGroupSeparator),
                names.join(kGroupSeparator),
                repeat,
                countRow.value->text(),
                formatRow.value->text(),
                spliter};
    }
    case 4:
        return {mode, groupField(1, 1), groupField(0, 1), spliter, groupField(1, 4), formatRow.value->text()};
    case 8: {
        QStringList dimensions;
        for (const Group &group : groups)
            dimensions << QString(group.query).replace(kFieldSeparator, QStringLiteral(","));
        return {mode,
                QString::number(groups.size()),
                dimensions.join(QLatin1Char('|')),
                countRow.value->text(),
                repeat,
                formatRow.value->text()};
    }
    case 10:
        return {mode,    groupField(0, 1), groupField(1, 1), spliter, groupField(1, 4), groupField(1, 3),
                formatRow.value->text()};
    default:
        return current;
    }
}

void TGroupSetForm::AddNewGroupClick()
{
    if (groups.size() >= MaxGroups) {
        ShowParameterError(tr("组合模式最多只能设置%1组，无法再添加新的组！").arg(MaxGroups));
        return;
    }
    // The new group repeats the previous group's type, except the kinds a combination
    // may hold only once.
    QString type = kGroupRange;
    if (!groups.isEmpty() && groups.last().type != kGroupNumbering && groups.last().type != kGroupPicture)
        type = groups.last().type;
    AppendGroup(type, DefaultGroupQuery(type), QString());
    SyncRows();
    currentGroup = int(groups.size()) - 1;
}

void TGroupSetForm::TypeValueChange(int index)
{
    currentGroup = index;
    QComboBox *box = rows.at(index).typeBox;
    const QString type = box->currentData().toString();
    Group &group = groups[index];
    if (type == group.type)
        return;
    auto anotherOf = [&](const QString &kind) {
        for (int i = 0; i < groups.size(); ++i)
            if (i != index && groups.at(i).type == kind)
                return true;
        return false;
    };
    if (type == kGroupNumbering && anotherOf(kGroupNumbering)) {
        ShowParameterError(tr("最多只能设置一组编号！"));
        SyncRow(index);
        return;
    }
    if (type == kGroupPicture && anotherOf(kGroupPicture)) {
        ShowParameterError(tr("最多只能设置一组图片模式的随机数！"));
        SyncRow(index);
        return;
    }
    group.type = type;
    group.flags.clear();
    SetGroupQuery(index, DefaultGroupQuery(type));
}

void TGroupSetForm::EditGroupClick(int index)
{
    currentGroup = index;
    const Group &group = groups.at(index);
    if (subDialog)
        subDialog->close();
    subDialog = nullptr;
    if (propertyEditor)
        propertyEditor->reject();
    editedGroupId = group.id;
    if (group.type == kGroupNumbering) {
        OpenNumberingEditor(index);
        return;
    }

    ModeDialog *dialog = nullptr;
    if (group.type == kGroupRange) {
        auto *range = new TRangeNumSetForm(this);
        range->LoadGroupQuery(group.query);
        dialog = range;
    } else if (group.type == kGroupList) {
        auto *list = new TListSetForm(this);
        list->LoadGroupQuery(group.query, spliter);
        if (!group.flags.isEmpty()) {
            const QStringList shown = SplitGroupFields(group.flags);
            list->ShowOptions(shown.value(0) == kYes, shown.value(1) == kYes, shown.value(2) == kYes,
                              shown.value(3) == kYes);
        }
        if (TypeHasFairItems(pmode))
            list->OfferFairness(group.fair);
        if (pmode == 4 && index == 1)
            list->SetCountCaption(tr("每人分配任务数量"));
        if (pmode == 10 && index == 1) {
            list->SetAutoDelCaption(tr("抽奖后，排除已抽过的人员"));
            list->SetCountCaption(tr("每个奖项获得人数"));
        }
        dialog = list;
    } else if (group.type == kGroupPassword) {
        auto *password = new TPwdSetForm(this);
        password->LoadGroupQuery(group.query);
        dialog = password;
    } else if (group.type == kGroupPicture) {
        auto *picture = new TPicSetForm(this);
        picture->LoadGroupQuery(group.query);
        dialog = picture;
    }
    if (!dialog)
        return;
    dialog->SetRequirer(kRequirerGroupMode);
    dialog->SetCommander(commander);
    subDialog = dialog;
    dialog->show();
}

void TGroupSetForm::ImportGroupListClick(int index)
{
    // The names go through the group's list dialog, whose checks then apply on its save.
    EditGroupClick(index);
    if (auto *list = qobject_cast<TListSetForm *>(OpenGroupEditor()))
        list->ImportFromFileClick();
}

void TGroupSetForm::ClearPropertyEditor()
{
    if (!propertyEditor) {
        propertyEditor = new TVEditForm(this);
        propertyEditor->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    propertyEditor->ClearRows();
}

void TGroupSetForm::OpenNumberingEditor(int index)
{
    ClearPropertyEditor();
    const QStringList f = SplitGroupFields(groups.at(index).query);
    const QString style = f.value(0);
    propertyEditor->InsertRow(styleKey(), shownStyle(style), TVEditForm::RowKind::PickListOnly, numberingStyles());
    if (style == kCustomNumbering)
        propertyEditor->InsertRow(labelListKey(), f.value(1));
    else
        propertyEditor->InsertRow(startKey(), f.value(1), TVEditForm::RowKind::Digits);

    TVEditForm *editor = propertyEditor;
    propertyEditor->SetChangeHandler([editor](const QString &key, const QString &value) {
        if (key != styleKey())
            return;
        // The second row follows the style: a label list for "自定义", else a start value.
        const bool custom = storedStyle(value) == kCustomNumbering;
        if (custom && editor->HasRow(startKey())) {
            editor->RemoveRow(startKey());
            editor->InsertRow(labelListKey(), QString());
        } else if (!custom && editor->HasRow(labelListKey())) {
            editor->RemoveRow(labelListKey());
            editor->InsertRow(startKey(), QStringLiteral("0"), TVEditForm::RowKind::Digits);
        }
    });
    const int groupId = groups.at(index).id;
    propertyEditor->SetOkHandler([this, groupId] { NumberingEditorOk(groupId); });
    propertyEditor->show();
    propertyEditor->raise();
}

void TGroupSetForm::NumberingEditorOk(int groupId)
{
    const int index = IndexOfId(groupId);
    const QString style = storedStyle(propertyEditor->Value(styleKey()));
    QString query;
    if (style == kCustomNumbering) {
        const QString list = propertyEditor->Value(labelListKey());
        if (list.isEmpty()) {
            ShowError(propertyEditor, tr("编号有误"), tr("编号列表不能为空！"));
            return;
        }
        if (holdsListSeparators(list)) {
            ShowError(propertyEditor, tr("编号有误"), tr("编号列表中不得含有“#”或“|”！"));
            return;
        }
        query = kCustomNumbering + kFieldSeparator + list;
    } else {
        const QString start = propertyEditor->Value(startKey());
        if (start.isEmpty()) {
            ShowError(propertyEditor, tr("编号有误"), tr("编号起始值不能为空！"));
            return;
        }
        query = style + kFieldSeparator + start;
    }
    // The group may have been deleted or retyped while the editor was open.
    if (index >= 0 && groups.at(index).type == kGroupNumbering)
        SetGroupQuery(index, query);
    propertyEditor->accept();
}

void TGroupSetForm::GroupDblClick(int index)
{
    currentGroup = index;
    // The preset types address their groups by fixed names.
    if (pmode != 0)
        return;
    ClearPropertyEditor();
    propertyEditor->InsertRow(groupNameKey(), GroupName(index));
    const int groupId = groups.at(index).id;
    propertyEditor->SetOkHandler([this, groupId] { NameEditorOk(groupId); });
    propertyEditor->show();
    propertyEditor->raise();
}

void TGroupSetForm::NameEditorOk(int groupId)
{
    const int index = IndexOfId(groupId);
    const QString name = propertyEditor->Value(groupNameKey()).trimmed();
    if (holdsListSeparators(name)) {
        ShowError(propertyEditor, tr("参数有误"), tr("组名称中不得含有“#”或“|”！"));
        return;
    }
    if (index >= 0) {
        // The format addresses a group by its name: a second group of the same name
        // could never be reached.
        const QString shown = name.isEmpty() ? defaultGroupName(index) : name;
        for (int other = 0; other < groups.size(); ++other) {
            if (other != index && GroupName(other) == shown) {
                ShowError(propertyEditor, tr("参数有误"),
                          tr("组名称“%1”已被其他组使用，请换一个名称！").arg(shown));
                return;
            }
        }
        groups[index].name = name == defaultGroupName(index) ? QString() : name;
        SyncRow(index);
    }
    propertyEditor->accept();
}

void TGroupSetForm::DelGroupClick(int index)
{
    currentGroup = index;
    if (groups.size() < 2 || fixedGroups)
        return;
    if (AskYesNo(this, tr("提示"), tr("您确定要删除掉当前组？")) != QMessageBox::Yes)
        return;
    groups.removeAt(index);
    currentGroup = -1;
    SyncRows();
}

void TGroupSetForm::MoveGroup(int index, int offset)
{
    const int other = index + offset;
    if (fixedGroups || index < 0 || index >= groups.size() || other < 0 || other >= groups.size())
        return;
    groups.swapItemsAt(index, other);
    currentGroup = other;
    SyncRow(index);
    SyncRow(other);
}

void TGroupSetForm::ShowMoveMenu(int index, const QPoint &globalPos)
{
    currentGroup = index;
    moveMenuGroup = index;
    if (fixedGroups)
        return;
    gMoveMenu->popup(globalPos);
}

void TGroupSetForm::ShowFormatList()
{
    QList<FormatChoice> choices;
    for (int i = 0; i < groups.size(); ++i) {
        const QString placeholder = QStringLiteral("[%1]").arg(GroupName(i));
        choices.append({placeholder + QStringLiteral("(%1)").arg(groupTypeCaption(groups.at(i).type)), placeholder});
    }
    QLineEdit *format = formatRow.value;
    PopUpFormatList(formatRow, choices,
                    [format](const QString &placeholder) { format->setText(format->text() + placeholder); });
}

void TGroupSetForm::CommanderClick()
{
    ModeDialog *dialog = subDialog;
    if (!dialog)
        return;
    const int index = IndexOfId(editedGroupId);
    // A result for a group that was deleted or retyped meanwhile is dropped, never
    // written into another group.
    auto matches = [&](const QString &type) { return index >= 0 && groups.at(index).type == type; };
    if (auto *range = qobject_cast<TRangeNumSetForm *>(dialog); range && matches(kGroupRange)) {
        SetGroupQuery(index, range->EncodeGroupQuery());
    } else if (auto *list = qobject_cast<TListSetForm *>(dialog); list && matches(kGroupList)) {
        spliter = list->SpliterName();
        groups[index].query = list->EncodeGroupQuery();
        groups[index].fair = list->EncodeFairness(groups[index].fair);
        // The separator is the project's: every list group counts and shows by it.
        for (Group &group : groups)
            group.statistics = StatisticsOfGroup(group.type, group.query, spliter);
        for (int i = 0; i < groups.size(); ++i)
            SyncRow(i);
    } else if (auto *password = qobject_cast<TPwdSetForm *>(dialog); password && matches(kGroupPassword)) {
        SetGroupQuery(index, password->EncodeGroupQuery());
    } else if (auto *picture = qobject_cast<TPicSetForm *>(dialog); picture && matches(kGroupPicture)) {
        SetGroupQuery(index, picture->EncodeGroupQuery());
    }
    dialog->close();
}

qint64 TGroupSetForm::CountForChecks() const
{
    bool ok = false;
    const qint64 count = countRow.value->text().toLongLong(&ok);
    if (ok)
        return count;
    // Task assignment leaves the box empty: one result per member.
    if (pmode == 4 && !groups.isEmpty())
        return groups.first().statistics.possible;
    return 0;
}

QString TGroupSetForm::FairGroupProblem(const Group &group, qint64 count) const
{
    if (group.type != kGroupList || group.fair.mode == FairMode::Plain)
        return {};
    const QStringList f = SplitGroupFields(group.query);
    try {
        const ListEntries entries = ExpandWeights(f.value(1), f.value(0) == kYes, RequireSpliter(spliter));
        return FairDrawProblem(group.fair, DistinctEntries(entries.ToStringList()).size(),
                               saturatingProduct(group.statistics.wanted, count));
    } catch (const SuiteError &) {
        return {}; // a list that cannot be read is the list dialog's to refuse
    }
}

bool TGroupSetForm::ValidateInput()
{
    bool valid = true;
    if (formatRow.value->text().isEmpty()) {
        ShowParameterError(tr("编码格式不能为空！"), tr("编码格式有误"));
        valid = false;
    }
    if (countRow.value->isEnabled() && countRow.value->text().isEmpty()) {
        ShowParameterError(tr("相关参数不能为空，请填写完整！"));
        valid = false;
    }
    const qint64 count = CountForChecks();
    qint64 product = 1;
    for (int i = 0; i < groups.size(); ++i) {
        const Group &group = groups.at(i);
        const GroupStatistics &s = group.statistics;
        if (group.type == kGroupNumbering) {
            if (groups.size() == 1) {
                ShowParameterError(tr("不能只设置组类型为编号的一组！"));
                valid = false;
            }
            continue;
        }
        if (group.type == kGroupList && !s.repeatsAllowed && s.possible < saturatingProduct(s.wanted, count)) {
            ShowParameterError(tr("在对应组内生成的随机数不允许重复的情况下，可生成的随机数数量"
                                              "小于要生成的随机数数量，请修改组合模式下生成随机数的数量或对"
                                              "应组内生成随机数的数量。")
                               + QLatin1Char('\n') + tr("出错的组：") + GroupName(i) + QLatin1Char('\n')
                               + tr("该组可生成的随机数数量：") + QString::number(s.possible)
                               + QLatin1Char('\n') + tr("该组实际所需生成的随机数数量：")
                               + QString::number(saturatingProduct(s.wanted, count)));
            valid = false;
        } else if (const QString problem = FairGroupProblem(group, count); !problem.isEmpty()) {
            ShowParameterError(problem + QLatin1Char('\n') + tr("出错的组：") + GroupName(i));
            valid = false;
        }
        product = s.inexhaustible ? count : saturatingProduct(product, s.possible);
    }
    if (!countRow.repeat->isChecked() && product < count) {
        ShowParameterError(tr("在整体生成的随机数不允许重复的情况下，整体可生成的随机数数量小于要生成的随"
                                          "机数数量，请修改组合模式下生成随机数的数量或对应组内生成随机数的数量。")
                           + QLatin1Char('\n') + tr("整体可生成的随机数数量：")
                           + QString::number(product));
        valid = false;
    }
    return valid;
}
