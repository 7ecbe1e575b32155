// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QApplication>

namespace morvent {

class MessageBoxes;

// The application object: an error that no handler caught while an event was being handled is
// shown in the general error display, and the event loop carries on.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv, MessageBoxes& boxes);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    MessageBoxes& m_boxes;
};

} // namespace morvent
