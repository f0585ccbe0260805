#include "guarded.h"

#include "inifile.h"
#include "messages.h"

bool Guarded(QWidget *parent, const std::function<void()> &block)
{
    try {
        block();
        return true;
    } catch (const IniAccessError &) {
        ShowRightsMessage(parent);
    } catch (const SuiteError &error) {
        ShowError(parent, QStringLiteral("操作失败"), error.message());
    }
    return false;
}
