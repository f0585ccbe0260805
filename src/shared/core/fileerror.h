#pragma once

#include <QString>

class QFileDevice;

// Why a file operation failed, in Chinese. The system's own error text is English (no
// translation of the toolkit is installed) and must not appear inside a Chinese message:
// the common system errors are translated, the rest described by the kind of failure.
QString FileErrorText(const QFileDevice &file);
