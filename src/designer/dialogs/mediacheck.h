#pragma once

#include <QString>
#include <QStringList>

// Whether a chosen or stored background picture or music file can be used. A missing or
// wrong file is not refused (it may come back, on a stick not plugged in yet), but the
// user is told, instead of a grey window or a silent player in front of the class.

// The caption of the warning that names the unusable files.
QString UnusableMediaCaption();

// "背景图片无法读取：<path>（…）", or "" when the picture can be read.
QString BackgroundPictureProblem(const QString &path);
// "背景音乐无法播放：<path>（…）" for each file that is missing or not audio; empty when
// every file will play.
QStringList BackgroundMusicProblems(const QStringList &paths);
