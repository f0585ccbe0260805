#include "guarded.h"

#include "inifile.h"
#include "messages.h"
#include <QCoreApplication>

bool Guarded(QWidget *parent, const std::function<void()> &block)
{
    try {
        block();
        return true;
    } catch (const IniAccessError &error) {
        ShowRightsMessage(parent, error.message());
    } catch (const SuiteError &error) {
        ShowError(parent, QCoreApplication::translate("Messages", "操作失败"), error.message());
    }
    return false;
}
