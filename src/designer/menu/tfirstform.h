#pragma once

#include "menucatalogue.h"
#include "projecticons.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

class CommandBar;
class GripBar;
class InfoStrip;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QTimer;
class QUrl;
class SelectionFrame;
class TAboutForm;
class TConfigForm;
class TDesignForm;
class TIconsForm;

// The user guide in the language the windows speak; the Chinese guide where the
// English one is not installed.
QString HelpFilePath();

// "Zelmora 向导界面": the designer's main window. Every project of the catalogue is an
// icon with its name on a wallpaper; from here projects are opened, designed, renamed,
// deleted, re-iconed, reordered and described, and the other programs are started. The
// catalogue edits themselves are MenuCatalogue's; this window shows them.
class TFirstForm : public QWidget
{
    Q_OBJECT
public:
    explicit TFirstForm(QWidget *parent = nullptr);
    ~TFirstForm() override;

    // The one way into the design window, for the "编辑(&E)" command and for a project
    // the wizard has just created.
    void OpenDesignWindow(const QString &projectName);

    // Outside effects, replaceable in tests.
    std::function<bool(const QString &program)> StartProgram;
    std::function<bool(const QUrl &url)> OpenUrl;
    std::function<QString()> ChooseWallpaper;

    // State as the tests and the design window see it.
    const MenuCatalogue &Catalogue() const { return catalogue; }
    int Selected() const { return selected; }
    int Columns() const { return columns; }
    QPoint GridOrigin() const { return gridOrigin; }
    bool MenuShown() const { return menuShown; }
    bool IsRenaming() const { return renaming; }
    QString PendingProject() const { return pendingProject; }
    TDesignForm *DesignWindow() const;
    QLabel *ProjIcon(int index) const { return icons.Icon(index); }
    QLabel *ProjLabel(int index) const { return icons.Label(index); }

public slots:
    // The design window hands the screen back to the menu when it closes.
    void ShowMenuAgain();
    // A second start of the menu: whichever of menu and design window is open comes to front.
    void BringForward();

    void Menu_ShowClick();
    void Menu_EditClick();
    void Menu_RenameClick();
    void Menu_DeleteClick();
    void Menu_PropertyClick();
    void Menu_SetIconClick();
    void ChangeBgPicClick();
    void UseDefaultBgPicClick();
    void MoveImgClick();
    void GoProjSearchClick();
    // Commits an open rename; the new name goes to the project whose name is edited.
    void CommitRename();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void Delay1msTimer();
    void FormResize();
    void MoveMenuTimerTimer();
    void LoadWallpaper(const QString &path);
    void CommandClicked(const QString &command);

    // Project events, by index of the project.
    void ProjClick(int index);
    void ProjMouseMove(int index, QMouseEvent *event);
    void ProjMouseDown(int index, QMouseEvent *event);
    void ProjMouseUp(int index);
    // Puts a dragged icon back into its cell, for a drag whose release never came.
    void CancelDrag();
    void MouseEventOn(int index, QMouseEvent *event);
    // The project's menu, or the wallpaper's for index −1.
    void PopupMenuFor(int index, QPoint globalPos);
    void BgImgMouseDown(QMouseEvent *event);
    void BgImgMouseMove(QMouseEvent *event);
    void BgImgMouseUp();
    void WheelScroll(int angleDelta);
    void InfoPanelClick();
    void InfoQQGroupClick();
    void GetSelIcons();
    void ShowProjectInfo(int index);
    // Shows the project's changed details when the info strip is showing it.
    void RefreshProjectInfo(int index);

    void FrameOn(SelectionFrame *frame, int index);
    void ApplyFilter(const QString &text);
    // The search's results again, after the list changed; the scroll position stays.
    void RelayoutShown();

    // The grid's top when it is not scrolled, and when its last row stands there.
    int HomeTop() const;
    int LowestTop() const;
    // Room for icons between the grip and the info strip, and what the grid needs of it.
    int ViewHeight() const;
    int GridHeight() const;
    // Scrolls the grid so its first row stands at `top`, kept between the two.
    void ScrollGridTo(int top);
    void UpdateScrollBar();
    void CommitRenameIfWritable();

    MenuCatalogue catalogue;
    ProjectIcons icons{this};
    QString pendingProject;
    QString catalogueError;  // why Data/menu.xml could not be read, until it is shown
    bool catalogueReadable = true;
    QPoint gridOrigin;
    int selected = -1;
    int columns = 0;
    bool menuShown = true;
    enum class SlideMode { Menu, Projects } slideMode = SlideMode::Menu;
    int tick = 0;
    int step = 0;
    bool dragging = false;
    int pressedIndex = -1;  // the icon of the last left press, until a right click or a drop
    QPoint pressPoint;
    QPoint pressPosition;
    bool wallpaperDragging = false;
    int lastY = 0;
    bool renaming = false;
    int renameIndex = -1;

    // Null until FormCreate makes them: the event filter compares against them while
    // the icons are still being made.
    CommandBar *MenuPanel = nullptr;
    GripBar *MoveImg = nullptr;
    QLabel *ProjBgImg = nullptr;
    InfoStrip *InfoPanel = nullptr;
    SelectionFrame *MoveSelBox = nullptr;
    SelectionFrame *SetSelBox = nullptr;
    QLineEdit *ProjRenameEdit = nullptr;
    QLineEdit *ProjSearchEdit = nullptr;
    QLineEdit *CopyText = nullptr;
    QScrollBar *ProjScrollBar = nullptr;
    QMenu *BgMenu = nullptr;
    QMenu *SelProjMenu = nullptr;
    QTimer *MoveMenuTimer = nullptr;
    QTimer *Delay1ms = nullptr;
    QPointer<TConfigForm> configForm;
    QPointer<TAboutForm> aboutForm;
    QPointer<TDesignForm> designWindow;
    TIconsForm *iconsForm = nullptr;
};
