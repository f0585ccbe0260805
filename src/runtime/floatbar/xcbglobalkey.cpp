#include "globalkey.h"

#include <QCoreApplication>
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#ifdef SUITE_HAVE_XCB
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#endif

namespace {

// A session without a usable key grab: says why, takes nothing.
class UnavailableGlobalKey : public GlobalKeySource
{
public:
    explicit UnavailableGlobalKey(QString problem) : m_problem(std::move(problem)) {}
    bool Grab(const QKeySequence &) override { return false; }
    void Release() override {}
    QString Problem() const override { return m_problem; }

private:
    QString m_problem;
};

#ifdef SUITE_HAVE_XCB

// The keysym of a Qt key: letters, digits, function keys and a few named keys, which is
// what a draw key is made of.
xcb_keysym_t KeysymOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return xcb_keysym_t('a' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return xcb_keysym_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return xcb_keysym_t(0xffbe + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_Return:
        return 0xff0d;
    case Qt::Key_Pause:
        return 0xff13;
    case Qt::Key_PageUp:
        return 0xff55;
    case Qt::Key_PageDown:
        return 0xff56;
    default:
        return 0;
    }
}

uint16_t ModifiersOf(Qt::KeyboardModifiers modifiers)
{
    uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

// Num Lock (Mod2) and Caps Lock must not decide whether the key works: each grab is made
// with every combination of the two.
constexpr uint16_t kLockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

class XcbGlobalKey : public GlobalKeySource, public QAbstractNativeEventFilter
{
public:
    XcbGlobalKey(xcb_connection_t *connection, xcb_window_t root)
        : m_connection(connection), m_root(root), m_symbols(xcb_key_symbols_alloc(connection))
    {
        qApp->installNativeEventFilter(this);
    }
    ~XcbGlobalKey() override
    {
        Release();
        xcb_key_symbols_free(m_symbols);
    }

    bool Grab(const QKeySequence &key) override
    {
        Release();
        m_problem.clear();
        if (key.isEmpty()) {
            m_problem = QCoreApplication::translate("GlobalKeySource", "未设置全局快捷键。");
            return false;
        }
        const QKeyCombination combination = key[0];
        const xcb_keysym_t keysym = KeysymOf(combination.key());
        const uint16_t modifiers = ModifiersOf(combination.keyboardModifiers());
        xcb_keycode_t *codes = keysym ? xcb_key_symbols_get_keycode(m_symbols, keysym) : nullptr;
        if (!codes || !codes[0] || !modifiers) {
            free(codes);
            m_problem = QCoreApplication::translate("GlobalKeySource", "快捷键 %1 不能用作全局快捷键：请用 Ctrl、Alt 或 Shift 加字母、数字或功能键。")
                            .arg(key.toString(QKeySequence::NativeText));
            return false;
        }
        m_keycode = codes[0];
        free(codes);
        m_modifiers = modifiers;
        bool refused = false;
        for (uint16_t lock : kLockMasks) {
            const xcb_void_cookie_t cookie = xcb_grab_key_checked(m_connection, 1, m_root, m_modifiers | lock, m_keycode,
                                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
                refused = true;
                free(error);
            }
        }
        if (refused) {
            Release();
            m_problem = QCoreApplication::translate("GlobalKeySource", "快捷键 %1 已被其他程序占用，请换一个。").arg(key.toString(QKeySequence::NativeText));
            return false;
        }
        m_grabbed = true;
        return true;
    }

    void Release() override
    {
        if (!m_grabbed)
            return;
        for (uint16_t lock : kLockMasks)
            xcb_ungrab_key(m_connection, m_keycode, m_root, m_modifiers | lock);
        xcb_flush(m_connection);
        m_grabbed = false;
    }

    QString Problem() const override { return m_problem; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (!m_grabbed || eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<xcb_generic_event_t *>(message);
        const uint8_t type = event->response_type & 0x7f;
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            return false;
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        const uint16_t relevant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
        if (key->detail != m_keycode || (key->state & relevant) != m_modifiers)
            return false;
        if (type == XCB_KEY_RELEASE) {
            m_lastRelease = key->time;
            return true;
        }
        // A held key repeats as release and press with one time stamp: one draw per press.
        if (key->time != m_lastRelease)
            emit Pressed();
        return true;
    }

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    xcb_key_symbols_t *m_symbols;
    xcb_keycode_t m_keycode = 0;
    uint16_t m_modifiers = 0;
    bool m_grabbed = false;
    xcb_timestamp_t m_lastRelease = 0;
    QString m_problem;
};

#endif

} // namespace

std::unique_ptr<GlobalKeySource> CreateGlobalKeySource()
{
    const QString platform = QGuiApplication::platformName();
#ifdef SUITE_HAVE_XCB
    if (platform == QLatin1String("xcb")) {
        if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
            xcb_connection_t *connection = x11->connection();
            const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
            if (connection && screen)
                return std::make_unique<XcbGlobalKey>(connection, screen->root);
        }
    }
#endif
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<UnavailableGlobalKey>(
            QCoreApplication::translate("GlobalKeySource", "Wayland 桌面不允许程序自行取得全局快捷键，请点击悬浮按钮抽取。"));
    return std::make_unique<UnavailableGlobalKey>(
        QCoreApplication::translate("GlobalKeySource", "当前显示平台（%1）不支持全局快捷键，请点击悬浮按钮抽取。").arg(platform));
}
