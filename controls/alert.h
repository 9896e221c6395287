#pragma once

#include <QString>
#include <functional>

// Reports a programming error of a control's host to the person at the
// screen: the system alert sound and a modal message. Controls hold one of
// these so that tests can record the message instead of blocking on a box.
using AlertFunction = std::function<void(const QString& message)>;

// Sounds the system alert and shows `message` in a modal message box.
void SystemAlertAndMessage(const QString& message);
