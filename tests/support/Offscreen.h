// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace morvent::test {

// Widgets draw offscreen unless the environment names a platform. Called before the
// application object exists, which is when Qt chooses its platform.
inline void drawOffscreenUnlessAsked() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace morvent::test
