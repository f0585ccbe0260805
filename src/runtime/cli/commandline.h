#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <optional>

// Dellamy's drawing without a window:
//   Dellamy (--project NAME | --file PATH) [--batches N] [--seed S] [--json]
//           [--password PWD] [--appdir DIR] [--no-history]
//   Dellamy --history NAME [--since DATE] [--json] [--appdir DIR]
//   Dellamy --simulate NAME [--item ITEM] --draws N [--seed S] [--json] [--appdir DIR]
//   Dellamy (--project NAME | --file PATH) --verifiable [--public TEXT] [--cert FILE] ...
//   Dellamy --verify FILE.zcert [--json]
//   Dellamy --reveal FILE.zcert [--json]
// The run needs no display connection: only the header and the query of the project
// are read, and the batches are drawn as presses of the draw button without animation.

enum CommandLineStatus : int {
    kStatusOk = 0,
    kStatusBadArguments = 2,
    kStatusProjectUnreadable = 3,
    kStatusEngineRefused = 4,
    kStatusListExhausted = 5,
    kStatusPasswordRefused = 6,
    kStatusDataDirUnusable = 7,
};
// --verify and --reveal: the certificate does not check out (or cannot be read).
constexpr int kStatusCertificateInconsistent = 1;

struct CommandLineOptions
{
    bool help = false;
    QString projectName; // --project
    QString filePath;    // --file
    int batches = 1;
    std::optional<quint64> seed;
    bool json = false;
    std::optional<QString> password;
    QString appDir;
    QString historyProject; // --history
    std::optional<QDate> since;
    bool noHistory = false;
    QString simulateProject; // --simulate
    int simulateDraws = 0;   // --draws
    QString simulateItem;    // --item: a custom project's list item
    bool verifiable = false;                // --verifiable
    std::optional<QString> publicNumbers;   // --public
    QString certificateFile;                // --cert
    QString verifyFile;                     // --verify
    QString revealFile;                     // --reveal
};

// Reads the arguments (without the program name). Throws SuiteError with the reason
// when they are not a valid command.
CommandLineOptions ParseCommandLine(const QStringList &arguments);

// `program`: the name the user started the program by.
QString CommandLineUsage(const QString &program);

// Runs the command given by main()'s `argc` and `argv`, in the language of this start,
// and returns the exit status. Results go to `out` as UTF-8, usage and reasons for
// stopping to `err`. Makes Qt's application object only for the English translation.
int RunCommandLine(int &argc, char **argv, std::FILE *out, std::FILE *err);
