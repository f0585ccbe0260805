#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// What is read aloud after a draw, and in which language.
struct SpokenText
{
    QString text;
    QLocale::Language language = QLocale::Chinese;
    friend bool operator==(const SpokenText &, const SpokenText &) = default;
};

// The words for a finished draw of project type `pmode`: the result box's text as the
// user sees it (`boxText`, escapes already removed), with what a voice would misread
// turned into words: arithmetic signs in exercises and equations, passwords spelled
// character by character. Picture projects have no result box: their picture names
// (`results`) are read. Exercises and equations are read in Chinese; other texts in
// Chinese when they hold Chinese characters or nothing but numbers and signs, in English
// when they hold Latin letters and no Chinese.
SpokenText SpeechTextFor(int pmode, const QString &boxText, const QStringList &results);
