#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>

class MusicChannel;
class QListWidget;
class QMenu;
class QPushButton;

// "随机音乐编辑器": the list of music files a random background music is chosen from,
// with a player to listen to them. The list shows the placeholder "[空]" when empty;
// `SaveMode` refuses an empty list and otherwise hands the files back through
// ListSaved and closes.
class TMusicSetForm : public QDialog
{
    Q_OBJECT
public:
    // The file dialog filter of every music choice in the designer.
    static QString MusicFilter();
    // Stands in the list while it holds no file.
    static QString EmptyItem();

    explicit TMusicSetForm(QWidget *parent = nullptr);

    // Fills the list (the placeholder for none).
    void SetList(const QStringList &paths);
    // The files in the list, without the placeholder.
    QStringList List() const;

    // "添加新音乐" after the file dialog: appends the files and opens the first one.
    void AddFiles(const QStringList &paths);
    // "删除当前音乐": deletes the selected items; an emptied list shows the placeholder.
    void DeleteSelected();
    // The player's next and previous buttons: select the following (preceding) item,
    // wrapping round, and play it.
    void NextClick();
    void PreviousClick();
    // The file the player has open (empty when none).
    QString PlayerFile() const;

signals:
    void ListSaved(const QStringList &paths);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void done(int result) override;

private:
    void AddMusicClick();
    void SaveModeClick();
    void SelectAndPlay(int row);
    void OpenInPlayer(const QString &path, bool play);

    QListWidget *m_list;
    QMenu *m_menu;
    MusicChannel *m_player;
    QString m_playerFile;
    QImage m_background;
};
