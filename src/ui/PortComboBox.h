// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QComboBox>

namespace morvent {

// The Port list: it says when it is about to open, so the list can be read afresh and show an
// adapter plugged in since the last look (and drop one that was pulled).
class PortComboBox final : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void aboutToShowPopup();
};

} // namespace morvent
