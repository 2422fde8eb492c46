#include "userinputwatcher.h"

#include <QCoreApplication>
#include <QEvent>

UserInputWatcher::UserInputWatcher(std::function<void()> onInput, QObject *parent)
    : QObject(parent), m_onInput(std::move(onInput))
{ }

void UserInputWatcher::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    if (watching)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool UserInputWatcher::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        m_onInput();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
