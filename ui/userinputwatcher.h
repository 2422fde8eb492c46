// userinputwatcher.h - tells when the person does something in the program: a press or click of
// the mouse, a key, a turn of the wheel, in any of its windows and dialogs. Installed on the
// application while a recording wants to know (an event filter that never consumes an event).
#ifndef USERINPUTWATCHER_H
#define USERINPUTWATCHER_H

#include <QObject>
#include <functional>

class UserInputWatcher : public QObject
{
public:
    UserInputWatcher(std::function<void()> onInput, QObject *parent);
    void setWatching(bool watching);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_onInput;
    bool m_watching = false;
};

#endif // USERINPUTWATCHER_H
