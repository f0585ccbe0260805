#pragma once

#include "modedialog.h"

class QCheckBox;

// "密码模式 参数设置": random passwords, for project type 6 and password groups.
class TPwdSetForm : public ModeDialog
{
    Q_OBJECT
public:
    explicit TPwdSetForm(QWidget *parent = nullptr);

    void LoadProject(int pmode, const QueryParams &params) override;
    QueryParams EncodeProject(int pmode, const QueryParams &current) const override;

    // A password group query: length||options||count.
    void LoadGroupQuery(const QString &groupQuery);
    QString EncodeGroupQuery() const;

    // The checked classes in their fixed order, joined by "|".
    QString EncodeOptions() const;

protected:
    bool ValidateInput() override;

private:
    void LoadValues(const QString &length, const QString &options, const QString &count);

    QList<QCheckBox *> optionBoxes; // in the stored order
    DragNumberEdit *pwLengthValue;
    DragNumberEdit *ranCountValue;
};
