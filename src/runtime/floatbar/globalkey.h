#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <memory>

// A key that reaches the quick-draw bar while another program has the keyboard. The bar
// talks to this interface only; tests give it a source they press by hand.
class GlobalKeySource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // Takes `key` for the whole desktop, giving up a key taken before. False when it
    // cannot (another program holds the key, the session allows no such keys); Problem()
    // then says why, in words for the user.
    virtual bool Grab(const QKeySequence &key) = 0;
    virtual void Release() = 0;
    virtual QString Problem() const = 0;

signals:
    void Pressed();
};

// The X server's key grab on an X11 session; elsewhere a source whose Problem() says why
// there is no global key (the bar still draws by click).
std::unique_ptr<GlobalKeySource> CreateGlobalKeySource();
