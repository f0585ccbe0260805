#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QLineEdit;

// What the info strip shows about one project.
struct ProjectInfo
{
    QPixmap icon;
    QString name;
    QString remark;
    QString author;
    QString range;
    QString mode;
    QString type;
    QString createTime;
    QString editTime;
};

// The 58-pixel strip `InfoPanel` at the bottom of the project menu. Its general view
// counts the projects and shows the version and the maker's contact points; its project
// view describes the project last pressed.
class InfoStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int StripHeight = 58;

    explicit InfoStrip(QWidget *parent);

    void ShowGeneralView(int projectCount);
    void ShowProjectView(const ProjectInfo &info);
    bool ShowsProject() const { return projectView; }
    // Places the parts for a client width.
    void Relayout(int clientWidth);

    QLabel *InfoImg;
    QLabel *InfoProjCount;
    QLabel *InfoVersion;
    QLabel *InfoQQGroup;
    QLabel *InfoBlog;
    QLabel *InfoProjName;
    QLabel *InfoProjAuthor;
    QLabel *InfoProjRange;
    QLabel *InfoProjMode;
    QLabel *InfoProjType;
    QLabel *InfoProjRemarkLabel;
    QLineEdit *InfoProjRemark;
    QLabel *InfoCreateTime;
    QLabel *InfoEditTime;

signals:
    void Clicked();
    void QQGroupClicked();
    void BlogClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *AddLabel(const char *name);

    bool projectView = false;
    QPixmap countPicture;
};
