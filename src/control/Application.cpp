// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Application.h"

#include "MessageBoxes.h"

namespace morvent {

Application::Application(int& argc, char** argv, MessageBoxes& boxes)
    : QApplication(argc, argv), m_boxes(boxes) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showGeneralError(m_boxes, error);
    }
    return false;
}

} // namespace morvent
