#pragma once

#include <QByteArray>
#include <QString>

// A command line "<program> --appdir <folder>" for an application object made in a
// test: the language is chosen from that folder's Soft.ini while the object is made.
struct AppDirArguments
{
    AppDirArguments(char *program, const QString &folder) : folder(folder.toLocal8Bit())
    {
        values[0] = program;
        values[1] = option;
        values[2] = this->folder.data();
    }

    QByteArray folder;
    char option[9] = "--appdir";
    char *values[4] = {};
    int count = 3;
};
