#pragma once

#include "dialogrows.h"
#include "groupstatistics.h"
#include "modedialog.h"

#include <QPointer>

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TVEditForm;

// "组合模式编辑器": an ordered list of groups, each drawing its part of a result in its
// own mode, and the format that joins the parts. Serves the custom type 0 and, with
// fixed presets, types 4 (task assignment), 8 (coordinates) and 10 (several prizes).
class TGroupSetForm : public ModeDialog
{
    Q_OBJECT
public:
    static constexpr int MaxGroups = 100;

    explicit TGroupSetForm(QWidget *parent = nullptr);

    void LoadProject(int pmode, const QueryParams &params) override;
    QueryParams EncodeProject(int pmode, const QueryParams &current) const override;
    // "公平抽取" of a custom project's list groups (set in each group's list dialog),
    // by group name; a renamed or moved group keeps its settings.
    void LoadItemFairness(const ItemFairSettings &settings) override;
    ItemFairSettings EncodeItemFairness(const ItemFairSettings &current) const override;

    int GroupCount() const { return int(groups.size()); }
    QString GroupType(int index) const { return groups.at(index).type; }
    QString GroupQuery(int index) const { return groups.at(index).query; }
    // The name shown and stored: the own name, or "第" + position + "组".
    QString GroupName(int index) const;
    QString GroupLabelText(int index) const;
    QString SpliterName() const { return spliter; }

    // The controls of one group row, for the opener's and tests' use.
    QComboBox *TypeBox(int index) const;
    QPushButton *EditButton(int index) const;
    QPushButton *DeleteButton(int index) const;
    QPlainTextEdit *Preview(int index) const;

    // The dialog or property editor opened for a group, while it is open.
    QWidget *OpenGroupEditor() const;

    void AddNewGroupClick();
    void EditGroupClick(int index);
    // "从文件导入…" of a list group: its list dialog opens and imports a class-list file.
    void ImportGroupListClick(int index);
    void GroupDblClick(int index);
    void DelGroupClick(int index);
    void MoveGroup(int index, int offset);
    void CommanderClick();

protected:
    bool ValidateInput() override;

private:
    struct Group
    {
        int id = 0;        // stays with the group when it moves
        QString type;
        QString query;
        QString name;
        QString flags;     // shown options of a preset list group, "是"/"否" ×4
        GroupStatistics statistics;
        FairSettings fair; // list groups of a custom project
    };
    struct GroupRow
    {
        QFrame *frame;
        QLabel *label;
        QComboBox *typeBox;
        QPlainTextEdit *preview;
        QPushButton *edit;
        QPushButton *remove;
        QPushButton *importList;
    };

    void Clear();
    void AppendGroup(const QString &type, const QString &query, const QString &name, const QString &flags = {});
    void SyncRows();
    void SyncRow(int index);
    void UpdateGroupCount();
    void TypeValueChange(int index);
    QString DefaultGroupQuery(const QString &type) const;
    void SetGroupQuery(int index, const QString &query);
    int IndexOfId(int id) const;
    // The one property editor (numbering or group name), created when missing, without rows.
    void ClearPropertyEditor();
    void OpenNumberingEditor(int index);
    void NumberingEditorOk(int groupId);
    void NameEditorOk(int groupId);
    void ApplyPreset(int pmode);
    void ShowMoveMenu(int index, const QPoint &globalPos);
    void ShowFormatList();
    qint64 CountForChecks() const;
    // Why a list group's fair draw would be refused with `count` results a draw (the
    // draw's own message); empty when it can be made.
    QString FairGroupProblem(const Group &group, qint64 count) const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    int pmode = 0;
    QList<Group> groups;
    QList<GroupRow> rows;
    int nextGroupId = 1;
    int currentGroup = -1;
    QString spliter = QStringLiteral("空格");
    bool fixedGroups = false; // type boxes and delete buttons of a preset are locked

    // The group a sub-dialog or the property editor works on: its result lands there
    // even when the user has used other groups' controls meanwhile.
    int editedGroupId = 0;
    QPointer<ModeDialog> subDialog;
    QPointer<TVEditForm> propertyEditor;

    QLabel *groupCount;
    QPushButton *addNewGroup;
    QScrollArea *groupArea;
    QVBoxLayout *groupLayout;
    FormatRow formatRow;
    QMenu *gMoveMenu;
    CountRow countRow;
    QPushButton *commander;
    int moveMenuGroup = -1;
};
