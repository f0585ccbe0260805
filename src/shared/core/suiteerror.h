#pragma once

#include <QString>
#include <exception>

// The one error type of the suite's plain logic. Its text is written for the user in
// the interface language (says what is wrong and, where possible, what to change);
// windows show it as it stands, the command line prints it.
class SuiteError : public std::exception
{
public:
    explicit SuiteError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
